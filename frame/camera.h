// Where the viewer's camera stands: it looks down the z axis at the centre of
// the box of what the scene holds, with a 45 degree vertical field of view,
// from the distance at which the whole box fits the window with a small margin.
#pragma once

#include "point.h"

struct CameraView {
    double center_x;
    double center_y;
    double distance;     // eye height above the scene plane z = 0
    double near_plane;
    double far_plane;
    double aspect;       // width / height of the viewport
    // A power of two that the scene is divided by on its way to OpenGL, so
    // that the single-precision values OpenGL works with stay moderate for
    // any finite box (up to the largest floats); 1 for every box whose
    // numbers are moderate already (below kModerateMagnitude).
    double scale;
};

// The magnitude below which centre, distance and clipping planes go to
// OpenGL unscaled.
inline constexpr double kModerateMagnitude = 16777216.0;  // 2^24

inline constexpr double kFieldOfViewDegrees = 45.0;

// Share of the window's half-size that the box's half-size may take at most;
// the rest is margin, so points drawn at the box's edge stay whole in view.
inline constexpr double kFillRatio = 0.92;

// Frames the box [lower, upper] for a viewport of width x height pixels
// (a height below 1 counts as 1). An inverted box (empty scene) is framed
// by its start corners; a box of zero extent gets a small extent of its own,
// proportional to the magnitude of its position.
CameraView frame_camera(Point lower, Point upper, int width, int height);
