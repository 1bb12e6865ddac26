// The process-wide scene: everything the viewer draws, with the running
// bounding box of the points and segments added.
//
// The scene is filled before the window opens and only read afterwards.
// Elements are appended at the tail, so list order is insertion order and
// drawing order. Nothing removes an element while the program runs.
#pragma once

#include "point.h"

#include <cstdint>
#include <list>
#include <memory_resource>

template <class T>
using SceneList = std::pmr::list<T>;

// Lower-left and upper-right corner of the bounding box. They start as
// (1024, 700) and (0, 0) and are only ever widened, so after any additions the
// box is [min(1024, least x), max(0, greatest x)] x [min(700, least y), max(0, greatest y)];
// an empty scene keeps the (inverted) start values.
extern Point scene_min;
extern Point scene_max;

extern SceneList<Point> scene_points;
extern SceneList<Segment> scene_segments;
extern SceneList<Line> scene_lines;      // nothing adds to it; drawn while empty
extern SceneList<Circle> scene_circles;  // nothing adds to it; drawn while empty

// A box of positions: its lower-left and upper-right corner.
struct Box {
    Point lower;
    Point upper;
};

// Widens the box so that it holds (p.x, p.y): four strict comparisons, each
// against the corner as it is; one position may move both corners.
void widen(Box& box, const Point& p);

// The box of the scene's points and segment ends, which the camera frames.
// Unlike scene_min and scene_max it does not keep the start corners (0, 0)
// and (1024, 700), so a set far from them fills the window all the same. A
// scene without points and segments gives the bounds scene_min, scene_max.
Box framed_box();

// Appends (p.x, p.y) with the given colour (p.color is ignored) and widens the bounds.
void add_point(Point p, ColorCode color);

// Appends a copy of s recoloured with color and widens the bounds with s.a, then s.b.
void add_segment(Segment s, ColorCode color);

// Adds the closed polygon p[0], ..., p[count-1] as red segments, the closing
// one included. A count below 2 adds one zero-length segment p[0]->p[0];
// p[0] is read even then, so p must hold at least one element.
void add_outline(const Point* p, std::int32_t count);
