#include "scene.h"

#include <limits>

namespace {

// Nodes come from one arena that grows geometrically and is released at exit,
// after the lists that use it are gone (it is defined before them).
std::pmr::monotonic_buffer_resource scene_arena;

void widen_bounds(const Point& p) {
    Box bounds{scene_min, scene_max};
    widen(bounds, p);
    scene_min = bounds.lower;
    scene_max = bounds.upper;
}

}  // namespace

// Definition order is creation order; teardown at exit runs in reverse.
Point scene_min{1024.0f, 700.0f, 9};
Point scene_max{0.0f, 0.0f, 9};
SceneList<Point> scene_points{&scene_arena};
SceneList<Segment> scene_segments{&scene_arena};
SceneList<Line> scene_lines{&scene_arena};
SceneList<Circle> scene_circles{&scene_arena};

void widen(Box& box, const Point& p) {
    if (p.x < box.lower.x) box.lower.x = p.x;
    if (p.y < box.lower.y) box.lower.y = p.y;
    if (p.x > box.upper.x) box.upper.x = p.x;
    if (p.y > box.upper.y) box.upper.y = p.y;
}

Box framed_box() {
    if (scene_points.empty() && scene_segments.empty()) return {scene_min, scene_max};
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    Box box{{kInfinity, kInfinity}, {-kInfinity, -kInfinity}};
    for (const Point& p : scene_points) widen(box, p);
    for (const Segment& s : scene_segments) {
        widen(box, s.a);
        widen(box, s.b);
    }
    return box;
}

void add_point(Point p, ColorCode color) {
    scene_points.push_back(Point{p.x, p.y, color});
    widen_bounds(p);
}

void add_segment(Segment s, ColorCode color) {
    s.color = color;
    scene_segments.push_back(s);
    widen_bounds(s.a);
    widen_bounds(s.b);
}

void add_outline(const Point* p, std::int32_t count) {
    constexpr ColorCode kOutlineRed = 0;
    const Point first = p[0];
    Point previous = p[0];
    for (std::int32_t i = 1; i < count; ++i) {
        add_segment(Segment{previous, p[i], kOutlineRed}, kOutlineRed);
        previous = p[i];
    }
    add_segment(Segment{previous, first, kOutlineRed}, kOutlineRed);
}
