// Point sets for the hull tests.
#pragma once

#include "point.h"
#include "point_order.h"

#include <cstdlib>
#include <random>
#include <vector>

inline std::vector<Point> sorted(std::vector<Point> points) {
    if (!points.empty()) std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
    return points;
}

// n random integer points in [0, range), as the generator writes them.
inline std::vector<Point> random_grid_points(std::mt19937& rng, int n, int range) {
    std::uniform_int_distribution<int> coord(0, range - 1);
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (Point& p : points) {
        p.x = static_cast<float>(coord(rng));
        p.y = static_cast<float>(coord(rng));
    }
    return points;
}


#include "turn.h"

#include <algorithm>

// The corners of a closed polygon: its positions without repeats and without
// those lying on the straight line through their neighbours; sorted.
inline std::vector<Point> strict_vertices(const Point* polygon, std::int32_t h) {
    std::vector<Point> ring;
    for (std::int32_t i = 0; i < h; ++i) {
        if (ring.empty() || !same_position(ring.back(), polygon[i])) ring.push_back(polygon[i]);
    }
    while (ring.size() > 1 && same_position(ring.front(), ring.back())) ring.pop_back();
    std::vector<Point> corners;
    const std::size_t m = ring.size();
    for (std::size_t i = 0; i < m; ++i) {
        if (m < 3 || turn_sign(ring[(i + m - 1) % m], ring[i], ring[(i + 1) % m]) != 0) corners.push_back(ring[i]);
    }
    return sorted(corners);
}

#include <sstream>

// "x,y x,y ..." of the first count points, for readable expectations.
inline std::string positions(const Point* points, std::int32_t count) {
    std::ostringstream text;
    for (std::int32_t i = 0; i < count; ++i) text << (i ? " " : "") << points[i].x << ',' << points[i].y;
    return text.str();
}
