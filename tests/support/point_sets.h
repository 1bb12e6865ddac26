// Point sets and their text for the hull tests.
#pragma once

#include "point.h"
#include "point_order.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
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

// The float a point file's text of thousandths / 1000 with three decimals
// reads as (thousandths >= 0): the float nearest that decimal, mostly not
// the decimal itself.
inline float decimal_coordinate(int thousandths) {
    char text[24];
    std::snprintf(text, sizeof text, "%d.%03d", thousandths / 1000, thousandths % 1000);
    return std::strtof(text, nullptr);
}

// "x,y x,y ..." of the first count points, for readable expectations.
inline std::string positions(const Point* points, std::size_t count) {
    std::ostringstream text;
    for (std::size_t i = 0; i < count; ++i) text << (i ? " " : "") << points[i].x << ',' << points[i].y;
    return text.str();
}
