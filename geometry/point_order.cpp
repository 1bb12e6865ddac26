#include "point_order.h"

int compare_points(const void* a, const void* b) {
    const Point& p = *static_cast<const Point*>(a);
    const Point& q = *static_cast<const Point*>(b);
    if (p.x < q.x) return -1;
    if (p.x > q.x) return 1;
    if (p.y < q.y) return -1;
    if (p.y > q.y) return 1;
    return 0;
}

bool nearer_on_ray(const Point& p, const Point& a, const Point& b) {
    const auto precedes = [](const Point& s, const Point& t) { return compare_points(&s, &t) < 0; };
    if (same_position(p, b)) return false;
    return precedes(p, b) ? precedes(a, b) : precedes(b, a);
}
