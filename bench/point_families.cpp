#include "point_families.h"

#include "point_order.h"
#include "turn.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <random>
#include <stdexcept>
#include <string>

namespace {

// The generator's drawing: the first draw is y, the second x.
std::vector<Point> random_grid(std::int32_t n, std::uint32_t seed) {
    std::srand(seed);
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (Point& p : points) {
        p.y = static_cast<float>(std::rand() % 300);
        p.x = static_cast<float>(std::rand() % 300);
    }
    return points;
}

// k / 1000 for k uniform in 0 .. 300000, read from its decimal text as a
// point file would be: the float nearest the decimal.
std::vector<Point> decimal(std::int32_t n, std::uint32_t seed) {
    std::mt19937 engine(seed + 2);
    std::uniform_int_distribution<int> thousandths(0, 300000);
    std::vector<Point> points(static_cast<std::size_t>(n));
    const auto read = [](int k) {
        char text[16];
        std::snprintf(text, sizeof text, "%d.%03d", k / 1000, k % 1000);
        return std::strtof(text, nullptr);
    };
    for (Point& p : points) {
        p.x = read(thousandths(engine));
        p.y = read(thousandths(engine));
    }
    return points;
}

std::vector<Point> full_float(std::int32_t n, std::uint32_t seed) {
    std::mt19937 engine(seed + 3);
    std::uniform_real_distribution<float> coordinate(-1e6f, 1e6f);
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (Point& p : points) {
        p.x = coordinate(engine);
        p.y = coordinate(engine);
    }
    return points;
}

// Floats of full precision at random angles on a circle: close neighbours
// can make a corner flat or reflex once rounded, so most but not all are
// vertices.
std::vector<Point> circle_float(std::int32_t n, std::uint32_t seed) {
    std::mt19937 engine(seed + 4);
    std::uniform_real_distribution<double> angle(0.0, 2 * std::numbers::pi);
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (Point& p : points) {
        const double a = angle(engine);
        p.x = static_cast<float>(kFloatCircleRadius * std::cos(a));
        p.y = static_cast<float>(kFloatCircleRadius * std::sin(a));
    }
    return points;
}

std::vector<Point> disc(std::int32_t n, std::uint32_t seed) {
    std::mt19937 engine(seed + 1);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(n));
    while (static_cast<std::int32_t>(points.size()) < n) {
        const double u = unit(engine);
        const double v = unit(engine);
        if (u * u + v * v > 1.0) continue;  // rejection keeps the spread uniform
        points.push_back(Point{static_cast<float>(std::round(u * kDiscRadius)),
                               static_cast<float>(std::round(v * kDiscRadius))});
    }
    return points;
}

// m points at equal angles on the circle, turned by phase (less than one
// step), rounded to integers, in counter-clockwise order starting at the
// bottom.
std::vector<Point> rounded_circle(std::int32_t m, double phase) {
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(m));
    for (std::int32_t i = 0; i < m; ++i) {
        const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * (i + phase) / m;
        const Point p{static_cast<float>(std::round(kCircleRadius * std::cos(angle))),
                      static_cast<float>(std::round(kCircleRadius * std::sin(angle)))};
        if (!points.empty() && points.back().x == p.x && points.back().y == p.y) continue;
        points.push_back(p);
    }
    while (points.size() > 1 && points.back().x == points.front().x && points.back().y == points.front().y) {
        points.pop_back();
    }
    return points;
}

// Drops every corner that rounding made flat or reflex, until all turn
// strictly left. The polygon is star-shaped around the centre; it is first
// turned to start at its lowest point (the leftmost of them), a hull vertex
// that is never dropped.
std::vector<Point> strict_corners(std::vector<Point> polygon) {
    const auto lowest = std::min_element(polygon.begin(), polygon.end(), [](const Point& a, const Point& b) {
        return a.y < b.y || (a.y == b.y && a.x < b.x);
    });
    std::rotate(polygon.begin(), lowest, polygon.end());
    for (bool dropped = true; dropped && polygon.size() >= 3;) {
        dropped = false;
        std::vector<Point> kept;
        kept.reserve(polygon.size());
        for (const Point& p : polygon) {
            while (kept.size() >= 2 && turn_sign(kept[kept.size() - 2], kept.back(), p) <= 0) {
                kept.pop_back();
                dropped = true;
            }
            kept.push_back(p);
        }
        // The corners next to the start, seen across the seam.
        while (kept.size() >= 3 && turn_sign(kept[kept.size() - 2], kept.back(), kept.front()) <= 0) {
            kept.pop_back();
            dropped = true;
        }
        polygon = std::move(kept);
    }
    return polygon;
}

// n points in strictly convex position: the circle, turned by a phase
// drawn from the seed, is sampled finer until enough corners survive the
// rounding, then n of them are taken at equal steps (any subset of points
// in strictly convex position is one too).
std::vector<Point> circle(std::int32_t n, std::uint32_t seed) {
    if (n > kCircleCapacity) throw std::invalid_argument("circle family: n above its capacity");
    if (n == 0) return {};
    std::mt19937 engine(seed + 5);
    const double phase = std::uniform_real_distribution<double>(0.0, 1.0)(engine);
    std::vector<Point> corners;
    for (std::int64_t m = n; static_cast<std::int64_t>(corners.size()) < n; m = m * 5 / 4 + 1) {
        corners = strict_corners(rounded_circle(static_cast<std::int32_t>(m), phase));
    }
    std::vector<Point> points(static_cast<std::size_t>(n));
    const std::int64_t available = static_cast<std::int64_t>(corners.size());
    for (std::int64_t i = 0; i < n; ++i) points[static_cast<std::size_t>(i)] = corners[static_cast<std::size_t>(i * available / n)];
    return points;
}

}  // namespace

std::string_view family_name(Family family) {
    switch (family) {
        case Family::random_grid: return "random";
        case Family::circle: return "circle";
        case Family::disc: return "disc";
        case Family::decimal: return "decimal";
        case Family::full_float: return "float";
        case Family::circle_float: return "circle_float";
    }
    return "?";
}

bool parse_family(std::string_view name, Family& family) {
    for (const Family f : kAllFamilies) {
        if (family_name(f) == name) {
            family = f;
            return true;
        }
    }
    return false;
}

std::vector<Point> make_points(Family family, std::int32_t n, std::uint32_t seed) {
    if (n < 0) throw std::invalid_argument("point family: negative n");
    switch (family) {
        case Family::random_grid: return random_grid(n, seed);
        case Family::circle: return circle(n, seed);
        case Family::disc: return disc(n, seed);
        case Family::decimal: return decimal(n, seed);
        case Family::full_float: return full_float(n, seed);
        case Family::circle_float: return circle_float(n, seed);
    }
    return {};
}

std::string coordinate_text(Family family, float v) {
    char text[32];
    switch (family) {
        case Family::decimal: std::snprintf(text, sizeof text, "%.3f", static_cast<double>(v)); break;
        case Family::full_float:
        case Family::circle_float: std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v)); break;
        default: std::snprintf(text, sizeof text, "%.0f", static_cast<double>(v)); break;
    }
    return text;
}

std::vector<Point> sorted_points(std::vector<Point> points) {
    std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
    return points;
}

bool strictly_convex_ccw(const std::vector<Point>& polygon) {
    const std::size_t n = polygon.size();
    if (n < 3) return false;
    std::size_t wraps = 0;
    double previous = 0.0;
    for (std::size_t i = 0; i <= n; ++i) {
        const Point& a = polygon[i % n];
        const Point& b = polygon[(i + 1) % n];
        const Point& c = polygon[(i + 2) % n];
        if (i < n && turn_sign(a, b, c) <= 0) return false;
        // Edge directions of a convex polygon walked once increase, but for
        // one step back across the +-pi seam of atan2.
        const double direction = std::atan2(static_cast<double>(b.y) - a.y, static_cast<double>(b.x) - a.x);
        if (i > 0 && direction < previous) ++wraps;
        previous = direction;
    }
    return wraps == 1;
}
