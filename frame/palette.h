// The ten fixed drawing colours.
#pragma once

#include "point.h"

struct Rgb {
    float red;
    float green;
    float blue;
};

// The colour a code names, or nullptr for a code outside 0..9.
const Rgb* palette_color(ColorCode code);

// Makes the code's colour the current OpenGL drawing colour; a code outside
// 0..9 leaves the current colour as it is.
void set_color(ColorCode code);
