// Floats moved by units in the last place, for points a few ulps off a line.
#pragma once

#include <cmath>

// v moved by steps units in the last place (steps may be negative); a step
// past the largest finite float stays at it.
inline float nudged(float v, int steps) {
    for (; steps > 0; --steps) v = std::nextafter(v, INFINITY);
    for (; steps < 0; ++steps) v = std::nextafter(v, -INFINITY);
    return std::isfinite(v) ? v : std::nextafter(v, 0.0f);
}
