#include "point_order.h"

#include "point.h"

int compare_points(const void* a, const void* b) {
    const Point& p = *static_cast<const Point*>(a);
    const Point& q = *static_cast<const Point*>(b);
    if (p.x < q.x) return -1;
    if (p.x > q.x) return 1;
    if (p.y < q.y) return -1;
    if (p.y > q.y) return 1;
    return 0;
}
