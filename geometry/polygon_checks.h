// Properties of point arrays and polygons that the hull algorithms state as
// their contracts (contracts.h). Each check is exact (turn_sign) and linear
// in the length of the array.
#pragma once

#include "point.h"

#include <cstdint>

// Whether points[0 .. n-1] are in ascending compare_points order.
bool is_sorted_by_position(const Point* points, std::int32_t n);

// Which way a closed polygon turns at every vertex.
enum class Turning {
    clockwise_strictly,          // every corner a strict right turn
    counter_clockwise_or_along,  // no corner a right turn (straight corners allowed)
};

// Whether the closed polygon polygon[0 .. h-1] (closing edge implied) turns
// as promised at each of its h corners; for h < 3 there is nothing to turn
// and the answer is true.
bool turns_everywhere(const Point* polygon, std::int32_t h, Turning turning);
