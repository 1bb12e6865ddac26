#include "point_families.h"

#include "point_order.h"
#include "turn.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <numbers>
#include <random>
#include <stdexcept>
#include <string>

namespace {

// n points, each from one call of draw.
template <class Draw>
std::vector<Point> drawn(std::int32_t n, Draw draw) {
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (Point& p : points) p = draw();
    return points;
}

// The generator's drawing: the first draw is y, the second x.
std::vector<Point> random_grid(std::int32_t n, std::uint32_t seed) {
    std::srand(seed);
    return drawn(n, [] {
        const auto y = static_cast<float>(std::rand() % 300);
        return Point{static_cast<float>(std::rand() % 300), y};
    });
}

// k / 1000 for k uniform in 0 .. 300000, read from its decimal text as a
// point file would be: the float nearest the decimal.
std::vector<Point> decimal(std::int32_t n, std::uint32_t seed) {
    std::mt19937 engine(seed + 2);
    std::uniform_int_distribution<int> thousandths(0, 300000);
    const auto read = [&] {
        const int k = thousandths(engine);
        char text[16];
        std::snprintf(text, sizeof text, "%d.%03d", k / 1000, k % 1000);
        return std::strtof(text, nullptr);
    };
    return drawn(n, [&] { return Point{read(), read()}; });
}

std::vector<Point> square(std::int32_t n, std::uint32_t seed) {
    std::mt19937 engine(seed + 3);
    std::uniform_real_distribution<float> coordinate(-kSquareHalfSide, kSquareHalfSide);
    return drawn(n, [&] { return Point{coordinate(engine), coordinate(engine)}; });
}

// Floats of full precision at random angles on a circle: close neighbours
// can make a corner flat or reflex once rounded, so most but not all are
// vertices.
std::vector<Point> circle_float(std::int32_t n, std::uint32_t seed) {
    std::mt19937 engine(seed + 4);
    std::uniform_real_distribution<double> angle(0.0, 2 * std::numbers::pi);
    return drawn(n, [&] {
        const double a = angle(engine);
        return Point{static_cast<float>(kFloatCircleRadius * std::cos(a)), static_cast<float>(kFloatCircleRadius * std::sin(a))};
    });
}

// Rejection keeps the spread uniform.
std::vector<Point> disc(std::int32_t n, std::uint32_t seed) {
    std::mt19937 engine(seed + 1);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    return drawn(n, [&] {
        for (;;) {
            const double u = unit(engine);
            const double v = unit(engine);
            if (u * u + v * v <= 1.0) return Point{static_cast<float>(std::round(u * kDiscRadius)),
                                                   static_cast<float>(std::round(v * kDiscRadius))};
        }
    });
}

// A closed curve through parameters u in [0, 1), counter-clockwise.
using Curve = Point (*)(double u);

Point on_circle(double u) {
    const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * u;
    return Point{static_cast<float>(std::round(kCurveRadius * std::cos(angle))),
                 static_cast<float>(std::round(kCurveRadius * std::sin(angle)))};
}

// y = x^2 / R for |x| < R, closed by the segment across its top.
Point on_parabola(double u) {
    const double t = 2 * u - 1;
    return Point{static_cast<float>(std::round(kCurveRadius * t)), static_cast<float>(std::round(kCurveRadius * t * t))};
}

// m points at equal parameter steps, shifted by phase (less than one step),
// rounded to integers, in counter-clockwise order, repeats dropped.
std::vector<Point> rounded_curve(Curve curve, std::int32_t m, double phase) {
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(m));
    for (std::int32_t i = 0; i < m; ++i) {
        const Point p = curve((i + phase) / m);
        if (points.empty() || !same_position(points.back(), p)) points.push_back(p);
    }
    while (points.size() > 1 && same_position(points.back(), points.front())) points.pop_back();
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

// n points in strictly convex position: the curve, shifted by a phase
// drawn from the seed, is sampled finer until enough corners survive the
// rounding, then n of them are taken at equal steps (any subset of points
// in strictly convex position is one too).
std::vector<Point> convex_curve(Curve curve, std::int32_t n, std::uint32_t seed) {
    if (n > kCurveCapacity) throw std::invalid_argument("point family: n above the curve's capacity");
    if (n == 0) return {};
    std::mt19937 engine(seed + (curve == on_circle ? 5 : 6));
    const double phase = std::uniform_real_distribution<double>(0.0, 1.0)(engine);
    std::vector<Point> corners;
    for (std::int64_t m = n; static_cast<std::int64_t>(corners.size()) < n; m = m * 5 / 4 + 1) {
        corners = strict_corners(rounded_curve(curve, static_cast<std::int32_t>(m), phase));
    }
    std::vector<Point> points(static_cast<std::size_t>(n));
    const auto available = static_cast<std::int64_t>(corners.size());
    for (std::int64_t i = 0; i < n; ++i) points[static_cast<std::size_t>(i)] = corners[static_cast<std::size_t>(i * available / n)];
    return points;
}

// Circle and parabola, drawn as one curve each.
std::vector<Point> circle(std::int32_t n, std::uint32_t seed) {
    return convex_curve(on_circle, n, seed);
}

std::vector<Point> parabola(std::int32_t n, std::uint32_t seed) {
    return convex_curve(on_parabola, n, seed);
}

struct FamilyRow {
    std::string_view name;
    std::vector<Point> (*make)(std::int32_t n, std::uint32_t seed);
    const char* coordinate_format;  // integers, three decimals, or floats of full precision
};

// In the order of the enumeration.
constexpr FamilyRow kFamilyRows[] = {
    {"random", random_grid, "%.0f"}, {"square", square, "%.9g"},   {"disc", disc, "%.0f"},
    {"circle", circle, "%.0f"},      {"parabola", parabola, "%.0f"}, {"decimal", decimal, "%.3f"},
    {"circle_float", circle_float, "%.9g"},
};

const FamilyRow& row(Family family) {
    return kFamilyRows[static_cast<std::size_t>(family)];
}

}  // namespace

std::string_view family_name(Family family) {
    return row(family).name;
}

bool parse_family(std::string_view name, Family& family) {
    for (const Family f : kAllFamilies) {
        if (family_name(f) == name) family = f;
    }
    return family_name(family) == name;
}

std::string family_names() {
    std::string names;
    for (const Family family : kAllFamilies) {
        names += (names.empty() ? "" : family == kAllFamilies[std::size(kAllFamilies) - 1] ? " ili " : ", ");
        names += family_name(family);
    }
    return names;
}

std::vector<Point> make_points(Family family, std::int32_t n, std::uint32_t seed) {
    if (n < 0) throw std::invalid_argument("point family: negative n");
    return row(family).make(n, seed);
}

std::string coordinate_text(Family family, float v) {
    char text[32];
    std::snprintf(text, sizeof text, row(family).coordinate_format, static_cast<double>(v));
    return text;
}

std::string point_file_text(Family family, std::int32_t n, std::int32_t repetitions, std::uint32_t seed) {
    std::string text = std::to_string(n) + " " + std::to_string(repetitions) + "\n";
    for (const Point& p : make_points(family, n, seed)) {
        text += coordinate_text(family, p.x) + " " + coordinate_text(family, p.y) + "\n";
    }
    return text;
}

std::string qconvex_text(Family family, std::int32_t n, std::uint32_t seed) {
    std::string text = "2\n" + std::to_string(n) + "\n";
    char line[64];
    for (const Point& p : make_points(family, n, seed)) {
        std::snprintf(line, sizeof line, "%.9g %.9g\n", static_cast<double>(p.x), static_cast<double>(p.y));
        text += line;
    }
    return text;
}

std::vector<Point> sorted_points(std::vector<Point> points) {
    std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
    return points;
}
