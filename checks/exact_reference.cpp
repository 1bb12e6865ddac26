#include "exact_reference.h"

#include <gmpxx.h>

#include <cstddef>

namespace {

// A point with exact rational coordinates: a float is a dyadic rational and
// mpq_class takes the double it widens to without rounding.
struct ExactPoint {
    mpq_class x;
    mpq_class y;
};

ExactPoint exact(const Point& p) {
    return ExactPoint{mpq_class(static_cast<double>(p.x)), mpq_class(static_cast<double>(p.y))};
}

int cross(const ExactPoint& a, const ExactPoint& b, const ExactPoint& c, const ExactPoint& d) {
    const mpq_class value = (b.x - a.x) * (d.y - c.y) - (b.y - a.y) * (d.x - c.x);
    return sgn(value);
}

int turn(const ExactPoint& a, const ExactPoint& b, const ExactPoint& c) { return cross(a, b, a, c); }

// True when p comes before q in x-then-y order.
bool before(const Point& p, const Point& q) { return p.x < q.x || (p.x == q.x && p.y < q.y); }

}  // namespace

int reference_turn(const Point& a, const Point& b, const Point& c) { return turn(exact(a), exact(b), exact(c)); }

int reference_cross(const Point& a, const Point& b, const Point& c, const Point& d) {
    return cross(exact(a), exact(b), exact(c), exact(d));
}

bool strictly_between(const Point& a, const Point& m, const Point& b) {
    if (same_position(a, m) || same_position(m, b)) return false;
    const ExactPoint ea = exact(a), em = exact(m), eb = exact(b);
    if (turn(ea, em, eb) != 0) return false;
    // On the line, m is between the ends when (m - a) . (b - m) > 0.
    const mpq_class dot = (em.x - ea.x) * (eb.x - em.x) + (em.y - ea.y) * (eb.y - em.y);
    return sgn(dot) > 0;
}

std::vector<Point> corners_of(const Point* polygon, std::size_t count) {
    std::vector<Point> corners;
    for (std::size_t i = 0; i < count; ++i) {
        const Point& previous = polygon[(i + count - 1) % count];
        const Point& next = polygon[(i + 1) % count];
        if (count < 3 || !strictly_between(previous, polygon[i], next)) corners.push_back(polygon[i]);
    }
    return corners;
}

std::vector<Point> reference_extreme_points(const std::vector<Point>& points) {
    std::vector<Point> distinct;
    for (const Point& p : points) {
        bool seen = false;
        for (const Point& q : distinct) seen = seen || same_position(p, q);
        if (!seen) distinct.push_back(Point{p.x, p.y, 9});
    }
    if (distinct.size() <= 1) return distinct;

    std::size_t start = 0;
    for (std::size_t i = 1; i < distinct.size(); ++i) {
        if (before(distinct[i], distinct[start])) start = i;
    }
    std::vector<ExactPoint> e;
    e.reserve(distinct.size());
    for (const Point& p : distinct) e.push_back(exact(p));

    // Jarvis march: from each corner take the point that has no other point
    // strictly to its right, the farthest one when several are collinear.
    std::vector<Point> corners;
    std::size_t current = start;
    do {
        corners.push_back(distinct[current]);
        std::size_t next = current == 0 ? 1 : 0;
        mpq_class dx = e[next].x - e[current].x, dy = e[next].y - e[current].y;
        for (std::size_t r = 0; r < distinct.size(); ++r) {
            if (r == current || r == next) continue;
            const mpq_class rx = e[r].x - e[current].x, ry = e[r].y - e[current].y;
            const int side = sgn(dx * ry - dy * rx);
            if (side < 0 || (side == 0 && rx * rx + ry * ry > dx * dx + dy * dy)) {
                next = r;
                dx = rx;
                dy = ry;
            }
        }
        current = next;
    } while (current != start && corners.size() <= distinct.size());
    return corners;
}
