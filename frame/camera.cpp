#include "camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double tan_half_fov() { return std::tan(kFieldOfViewDegrees * 0.5 * std::numbers::pi / 180.0); }

// The origin and scale of a view that shows about half_size around its
// centre (camera.h).
void place_origin(CameraView& view, double half_size) {
    // A multiple of a power of two, so that a coordinate less the origin is
    // exact in double and, being within 65 half-sizes of the centre, as
    // fine in single precision as the view needs.
    const double grid = std::ldexp(1.0, std::ilogb(64.0 * half_size) + 1);
    view.origin_x = grid * std::nearbyint(view.center_x / grid);
    view.origin_y = grid * std::nearbyint(view.center_y / grid);

    // Divided by a power of two, values beyond the float range or near its
    // bottom become moderate without losing a bit.
    const double largest = std::max(
        {std::fabs(view.center_x - view.origin_x), std::fabs(view.center_y - view.origin_y), view.far_plane});
    const bool moderate = largest >= 1.0 / kModerateMagnitude && largest < kModerateMagnitude;
    view.scale = moderate ? 1.0 : std::ldexp(1.0, std::ilogb(largest) - 23);
}

}  // namespace

CameraView frame_camera(Point lower, Point upper, int width, int height) {
    const double min_x = std::min<double>(lower.x, upper.x);
    const double max_x = std::max<double>(lower.x, upper.x);
    const double min_y = std::min<double>(lower.y, upper.y);
    const double max_y = std::max<double>(lower.y, upper.y);

    CameraView view{};
    view.center_x = (max_x + min_x) * 0.5;
    view.center_y = (max_y + min_y) * 0.5;
    view.aspect = static_cast<double>(width) / static_cast<double>(std::max(height, 1));
    if (!(view.aspect > 0.0)) view.aspect = 1.0;

    // A single position (or a set on one point) has no extent: show a window
    // around it, proportional to its distance from the origin.
    double half_w = (max_x - min_x) * 0.5;
    double half_h = (max_y - min_y) * 0.5;
    if (half_w == 0.0 && half_h == 0.0) {
        half_w = half_h = std::max({std::fabs(view.center_x), std::fabs(view.center_y), 1.0}) * 1e-3;
    }

    const double needed_half_h = std::max(half_h, half_w / view.aspect) / kFillRatio;
    view.distance = needed_half_h / tan_half_fov();
    // Everything lies in the plane z = 0: keep the clipping planes well around it.
    view.near_plane = view.distance * 0.5;
    view.far_plane = view.distance * 2.0;

    place_origin(view, std::max(half_w, half_h));
    return view;
}

CameraView closer_camera(const CameraView& opening, const CameraLook& look) {
    CameraView view = opening;
    view.center_x = look.center_x;
    view.center_y = look.center_y;
    view.distance = opening.distance / look.zoom;
    view.near_plane = view.distance * 0.5;
    view.far_plane = view.distance * 2.0;
    place_origin(view, view.distance * tan_half_fov() * std::max(view.aspect, 1.0));
    return view;
}

double units_per_pixel(const CameraView& view, int height) {
    return 2.0 * view.distance * tan_half_fov() / std::max(height, 1);
}

CameraLook zoomed_look(const CameraLook& look, const CameraView& now, int height, double factor, double from_x,
                       double from_y) {
    const double zoom = std::clamp(look.zoom * factor, kLeastZoom, kMostZoom);
    // The position at the pixel stays there: its offset from the centre
    // shrinks as the view does.
    const double unit = units_per_pixel(now, height);
    const double x = look.center_x + from_x * unit;
    const double y = look.center_y + from_y * unit;
    const double shrink = look.zoom / zoom;
    return {zoom, x - (x - look.center_x) * shrink, y - (y - look.center_y) * shrink};
}

CameraLook panned_look(const CameraLook& look, const CameraView& now, int height, double right, double up) {
    const double unit = units_per_pixel(now, height);
    return {look.zoom, look.center_x + right * unit, look.center_y + up * unit};
}
