// Puts the global scene back to its start state between tests.
#pragma once

#include "scene.h"

inline void reset_scene() {
    scene_points.clear();
    scene_segments.clear();
    scene_lines.clear();
    scene_circles.clear();
    scene_min = Point{1024.0f, 700.0f, 9};
    scene_max = Point{0.0f, 0.0f, 9};
}
