// An exact reference for the hull checks, kept apart from the code it
// checks: rational arithmetic on the coordinates and a gift-wrapping hull.
#pragma once

#include "point.h"

#include <cstddef>
#include <vector>

// Sign of (b - a) x (c - a) with every coordinate taken as the rational
// number its float stands for: +1 counter-clockwise, -1 clockwise, 0 collinear.
int reference_turn(const Point& a, const Point& b, const Point& c);

// Sign of (b - a) x (d - c) in the same rational arithmetic: +1 when c -> d
// turns counter-clockwise from a -> b, -1 clockwise, 0 parallel.
int reference_cross(const Point& a, const Point& b, const Point& c, const Point& d);

// True when m lies strictly between a and b on the segment a-b (the three
// collinear, m equal to neither end).
bool strictly_between(const Point& a, const Point& m, const Point& b);

// The strict extreme points of the set (corners of its convex hull, each
// position once, none inside a straight side), counter-clockwise starting
// from the least point in compare_points order. An empty set gives none, a
// set of one position gives it once, a set on one line gives its two ends.
std::vector<Point> reference_extreme_points(const std::vector<Point>& points);

// The vertices of the closed polygon polygon[0 .. count-1] (the edge back to
// the first implied) that are not strictly inside one of its straight sides,
// in the same order: a hull's corners. With fewer than three vertices, all.
std::vector<Point> corners_of(const Point* polygon, std::size_t count);
