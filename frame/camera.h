// Where the viewer's camera stands: it looks down the z axis at the centre of
// the box of what the scene holds, with a 45 degree vertical field of view,
// from the distance at which the whole box fits the window with a small margin;
// or, once the user zooms or pans, closer to or farther from a centre of
// their choosing.
#pragma once

#include "point.h"

struct CameraView {
    double center_x;
    double center_y;
    double distance;     // eye height above the scene plane z = 0
    double near_plane;
    double far_plane;
    double aspect;       // width / height of the viewport
    // The scene reaches OpenGL, whose arithmetic is single precision, as
    // ((x - origin_x) / scale, (y - origin_y) / scale), computed in double:
    // relative to a round point near the centre, in units of a power of two.
    // So OpenGL never sees a large position with a small extent (whose
    // float arithmetic would blur it), nor a value near the ends of the
    // float range. The origin is a multiple of a power of two at least 64
    // times the box's half-size, (0, 0) whenever the box lies within 32
    // times its half-size of the origin (every generator set); the scale is
    // 1 whenever the values are moderate already (from 2^-24 to
    // kModerateMagnitude). The subtraction is exact, so every set whose
    // points are not all at one position fills the window.
    double origin_x;
    double origin_y;
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
// by its start corners; a box of one position (no extent at all) is shown
// in a window of half-size 0.1% of its distance from the origin (at least
// 0.001).
CameraView frame_camera(Point lower, Point upper, int width, int height);

// How the user has moved the camera from the opening framing: closer by
// zoom (1: as framed) and centred on (center_x, center_y).
struct CameraLook {
    double zoom;
    double center_x;
    double center_y;
};

// How far a look may zoom out and in: from a sixteenth of the framed
// size to a view 2^24 times smaller, as fine as float positions get.
inline constexpr double kLeastZoom = 1.0 / 16.0;
inline constexpr double kMostZoom = 16777216.0;

// The opening camera moved by look: its aspect, its distance divided by
// the zoom, its origin and scale chosen anew for what it shows.
CameraView closer_camera(const CameraView& opening, const CameraLook& look);

// Scene units between neighbouring pixels of a viewport height pixels tall.
double units_per_pixel(const CameraView& view, int height);

// look zoomed by factor (within kLeastZoom .. kMostZoom) about the pixel
// from_x pixels right of and from_y pixels above the viewport's centre,
// which keeps showing the same position; now is the camera of look.
CameraLook zoomed_look(const CameraLook& look, const CameraView& now, int height, double factor, double from_x,
                       double from_y);

// look with its centre moved right and up by that many pixels of now.
CameraLook panned_look(const CameraLook& look, const CameraView& now, int height, double right, double up);
