#include "polygon_checks.h"

#include "point_order.h"
#include "turn.h"

bool is_sorted_by_position(const Point* points, std::int32_t n) {
    for (std::int32_t i = 1; i < n; ++i) {
        if (compare_points(&points[i - 1], &points[i]) > 0) return false;
    }
    return true;
}

bool turns_everywhere(const Point* polygon, std::int32_t h, Turning turning) {
    if (h < 3) return true;
    for (std::int32_t v = 0; v < h; ++v) {
        const int sign = turn_sign(polygon[v], polygon[(v + 1) % h], polygon[(v + 2) % h]);
        const bool as_promised = turning == Turning::clockwise_strictly ? sign < 0 : sign >= 0;
        if (!as_promised) return false;
    }
    return true;
}
