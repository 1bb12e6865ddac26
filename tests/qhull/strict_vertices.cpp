#include "strict_vertices.h"

#include "predicates.h"

#include <vector>

std::set<Position> strict_vertices(const Point* polygon, std::int32_t count) {
    // Drop repeats next to each other (the closing copy included): the turn
    // test needs three distinct corners.
    std::vector<Point> ring;
    for (std::int32_t i = 0; i < count; ++i) {
        const Point& p = polygon[i];
        if (!ring.empty() && ring.back().x == p.x && ring.back().y == p.y) continue;
        ring.push_back(p);
    }
    while (ring.size() > 1 && ring.back().x == ring.front().x && ring.back().y == ring.front().y) ring.pop_back();

    std::set<Position> corners;
    const std::size_t n = ring.size();
    if (n < 3) {
        for (const Point& p : ring) corners.insert({p.x, p.y});
        return corners;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Point& before = ring[(i + n - 1) % n];
        const Point& after = ring[(i + 1) % n];
        if (turn_sign(before, ring[i], after) != 0) corners.insert({ring[i].x, ring[i].y});
    }
    return corners;
}
