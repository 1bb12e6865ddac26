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
    // around it, proportional to its distance from the origin.
    double half_w = (max_x - min_x) * 0.5;
    double half_h = (max_y - min_y) * 0.5;
    if (half_w == 0.0 && half_h == 0.0) {
        half_w = half_h = std::max({std::fabs(view.center_x), std::fabs(view.center_y), 1.0}) * 1e-3;
    }

    const double tan_half_fov = std::tan(kFieldOfViewDegrees * 0.5 * std::numbers::pi / 180.0);
    const double needed_half_h = std::max(half_h, half_w / view.aspect) / kFillRatio;
    view.distance = needed_half_h / tan_half_fov;
    // Everything lies in the plane z = 0: keep the clipping planes well around it.
    view.near_plane = view.distance * 0.5;
    view.far_plane = view.distance * 2.0;

    // A multiple of a power of two, so that a coordinate less the origin is
    // exact in double and, being within 65 half-sizes of the centre, as
    // fine in single precision as the box needs.
    const double grid = std::ldexp(1.0, std::ilogb(64.0 * std::max(half_w, half_h)) + 1);
    view.origin_x = grid * std::nearbyint(view.center_x / grid);
    view.origin_y = grid * std::nearbyint(view.center_y / grid);

    // Divided by a power of two, values beyond the float range or near its
    // bottom become moderate without losing a bit.
    const double largest = std::max(
        {std::fabs(view.center_x - view.origin_x), std::fabs(view.center_y - view.origin_y), view.far_plane});
    const bool moderate = largest >= 1.0 / kModerateMagnitude && largest < kModerateMagnitude;
    view.scale = moderate ? 1.0 : std::ldexp(1.0, std::ilogb(largest) - 23);
    return view;
}
