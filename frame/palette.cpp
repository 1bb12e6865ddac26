#include "palette.h"

#include <GL/gl.h>

#include <array>

namespace {

constexpr std::array<Rgb, 10> kPalette{{
    {1.0f, 0.0f, 0.0f},  // 0 red
    {0.0f, 1.0f, 0.0f},  // 1 green
    {0.0f, 0.0f, 1.0f},  // 2 blue
    {1.0f, 1.0f, 0.0f},  // 3 yellow
    {1.0f, 0.5f, 0.0f},  // 4 orange
    {1.0f, 0.0f, 1.0f},  // 5 magenta
    {0.0f, 1.0f, 1.0f},  // 6 cyan
    {0.5f, 0.0f, 0.5f},  // 7 purple
    {1.0f, 1.0f, 1.0f},  // 8 white
    {0.0f, 0.0f, 0.0f},  // 9 black
}};

}  // namespace

const Rgb* palette_color(ColorCode code) {
    if (code < 0 || code >= static_cast<ColorCode>(kPalette.size())) return nullptr;
    return &kPalette[static_cast<std::size_t>(code)];
}

void set_color(ColorCode code) {
    if (const Rgb* rgb = palette_color(code)) glColor3f(rgb->red, rgb->green, rgb->blue);
}
