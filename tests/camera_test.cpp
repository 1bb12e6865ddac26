#include "camera.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Where a point of the plane z = 0 lands in normalized device coordinates.
struct Ndc {
    double x;
    double y;
};

Ndc project(const CameraView& v, double x, double y) {
    const double half_h = v.distance * std::tan(kFieldOfViewDegrees * 0.5 * std::numbers::pi / 180.0);
    return {(x - v.center_x) / (half_h * v.aspect), (y - v.center_y) / half_h};
}

void expect_box_fits(Point lower, Point upper, int width, int height) {
    const CameraView v = frame_camera(lower, upper, width, height);
    EXPECT_GT(v.distance, 0.0);
    EXPECT_LT(v.near_plane, v.distance);
    EXPECT_GT(v.far_plane, v.distance);
    const double corners[4][2] = {{lower.x, lower.y}, {lower.x, upper.y}, {upper.x, lower.y}, {upper.x, upper.y}};
    double widest = 0.0;
    for (const auto& c : corners) {
        const Ndc p = project(v, c[0], c[1]);
        EXPECT_LE(std::fabs(p.x), kFillRatio + 1e-9) << width << "x" << height;
        EXPECT_LE(std::fabs(p.y), kFillRatio + 1e-9) << width << "x" << height;
        widest = std::max({widest, std::fabs(p.x), std::fabs(p.y)});
    }
    // The box fills the window along one axis: no wasted zoom.
    if (upper.x > lower.x || upper.y > lower.y) {
        EXPECT_NEAR(widest, kFillRatio, 1e-9);
    }
}

TEST(Camera, WholeBoxInViewForEveryWindowShape) {
    const Point boxes[][2] = {
        {{0, 0, 9}, {299, 299, 9}},        // generator's sets: top and bottom rows stay in view
        {{500, 500, 9}, {600, 600, 9}},    // far from the origin
        {{-50, 0, 9}, {50, 10, 9}},        // wide and flat
        {{-3e4f, -2e4f, 9}, {-1e4f, 0, 9}},  // negative
        {{0, 0, 9}, {100, 300, 9}},        // tall
        {{1e5f, 1e5f, 9}, {100010, 100010, 9}},  // small and far: 1280 float steps wide
        {{1e5f, 1e5f, 9}, {100000.0078125f, 1e5f, 9}},  // one float step wide
    };
    for (const auto& box : boxes) {
        for (const auto& size : {std::pair{1024, 700}, std::pair{600, 900}, std::pair{2000, 100}}) {
            expect_box_fits(box[0], box[1], size.first, size.second);
        }
    }
}

TEST(Camera, LargestFloatsFramedInModerateNumbers) {
    const float big = 3.4e38f;
    const Point boxes[][2] = {{{-big, -big, 9}, {big, big, 9}}, {{0, 0, 9}, {big, 1e30f, 9}}, {{1e30f, 1e30f, 9}, {1.5e30f, 1e30f, 9}}};
    for (const auto& box : boxes) {
        expect_box_fits(box[0], box[1], 1024, 700);
        const CameraView v = frame_camera(box[0], box[1], 1024, 700);
        // What OpenGL is given, divided by the scale, is well inside the float range.
        EXPECT_EQ(v.scale, std::exp2(std::round(std::log2(v.scale))));
        for (const double value : {v.center_x, v.center_y, v.distance, v.near_plane, v.far_plane}) {
            EXPECT_LT(std::fabs(value / v.scale), kModerateMagnitude);
        }
    }
    // Ordinary boxes reach OpenGL as they are: not scaled, not moved.
    for (const auto& [lower, upper] : {std::pair{Point{0, 0, 9}, Point{299, 299, 9}},
                                       std::pair{Point{-3e4f, -2e4f, 9}, Point{-1e4f, 0, 9}}}) {
        const CameraView v = frame_camera(lower, upper, 1024, 700);
        EXPECT_EQ(v.scale, 1.0);
        EXPECT_EQ(v.origin_x, 0.0);
        EXPECT_EQ(v.origin_y, 0.0);
    }
}

TEST(Camera, CentreOfBounds) {
    const CameraView v = frame_camera(Point{-50, 0, 9}, Point{50, 10, 9}, 1024, 700);
    EXPECT_EQ(v.center_x, 0.0);
    EXPECT_EQ(v.center_y, 5.0);
}

TEST(Camera, DegenerateBoxes) {
    // A single point at the origin still gets a positive distance.
    const CameraView single = frame_camera(Point{0, 0, 9}, Point{0, 0, 9}, 1024, 700);
    EXPECT_GT(single.distance, 0.0);
    EXPECT_GT(single.near_plane, 0.0);
    // The empty scene's inverted start box frames the start area.
    const CameraView empty = frame_camera(Point{1024, 700, 9}, Point{0, 0, 9}, 1024, 700);
    EXPECT_EQ(empty.center_x, 512.0);
    EXPECT_EQ(empty.center_y, 350.0);
    EXPECT_GT(empty.distance, 0.0);
    // A zero height counts as one pixel.
    EXPECT_EQ(frame_camera(Point{0, 0, 9}, Point{1, 1, 9}, 300, 0).aspect, 300.0);
}

// Zooming about a pixel keeps showing there what it showed, from the least
// zoom to the most, on ordinary, small far and huge boxes; the closer camera
// gives OpenGL moderate numbers from an origin near what it shows.
TEST(Camera, ZoomKeepsThePositionUnderThePixel) {
    const struct {
        Point lower, upper;
        double factor, from_x, from_y;
    } cases[] = {
        {{0, 0, 9}, {299, 299, 9}, 1.25, 200, -100},
        {{0, 0, 9}, {299, 299, 9}, 1e12, 0.5, -0.5},  // up to the most zoom
        {{0, 0, 9}, {299, 299, 9}, 1e-9, 10, 10},     // down to the least
        {{1e5f, 1e5f, 9}, {100010, 100010, 9}, 65536, -300.5, 250.5},
        {{-3.4e38f, -3.4e38f, 9}, {3.4e38f, 3.4e38f, 9}, 1.25, 500, 300},
    };
    for (const auto& c : cases) {
        const CameraView opening = frame_camera(c.lower, c.upper, 1024, 700);
        const CameraLook look =
            zoomed_look({1.0, opening.center_x, opening.center_y}, opening, 700, c.factor, c.from_x, c.from_y);
        EXPECT_EQ(look.zoom, std::clamp(c.factor, kLeastZoom, kMostZoom));
        const CameraView closer = closer_camera(opening, look);
        const double unit = units_per_pixel(closer, 700);
        const double was_unit = units_per_pixel(opening, 700);
        const double shown[2] = {opening.center_x + c.from_x * was_unit, opening.center_y + c.from_y * was_unit};
        EXPECT_NEAR(closer.center_x + c.from_x * unit, shown[0], 1e-9 * std::max(std::fabs(shown[0]), unit));
        EXPECT_NEAR(closer.center_y + c.from_y * unit, shown[1], 1e-9 * std::max(std::fabs(shown[1]), unit));
        EXPECT_LE(std::max(std::fabs(closer.center_x - closer.origin_x), std::fabs(closer.center_y - closer.origin_y)),
                  65 * 700 * unit);
        for (const double value : {closer.center_x - closer.origin_x, closer.center_y - closer.origin_y,
                                   closer.distance, closer.far_plane}) {
            EXPECT_LT(std::fabs(value / closer.scale), kModerateMagnitude);
        }
    }
}

}  // namespace
