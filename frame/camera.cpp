#include "camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
    // around it that is large enough to be drawn in single precision.
    const double magnitude = std::max({std::fabs(view.center_x), std::fabs(view.center_y), 1.0});
    const double least_half_extent = magnitude * 1e-3;
    const double half_w = std::max((max_x - min_x) * 0.5, least_half_extent);
    const double half_h = std::max((max_y - min_y) * 0.5, least_half_extent);

    const double tan_half_fov = std::tan(kFieldOfViewDegrees * 0.5 * std::numbers::pi / 180.0);
    const double needed_half_h = std::max(half_h, half_w / view.aspect) / kFillRatio;
    view.distance = needed_half_h / tan_half_fov;
    // Everything lies in the plane z = 0: keep the clipping planes well around it.
    view.near_plane = view.distance * 0.5;
    view.far_plane = view.distance * 2.0;

    // Computed in double, these values exceed the float range for boxes near
    // the largest floats. Divided by a power of two they become moderate
    // without losing a bit; the points are divided by the same power in the
    // model-view matrix.
    const double largest = std::max({std::fabs(view.center_x), std::fabs(view.center_y), view.far_plane});
    view.scale = largest < kModerateMagnitude ? 1.0 : std::ldexp(1.0, std::ilogb(largest) - 23);
    return view;
}
