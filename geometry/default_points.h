// Arrays of default points (0, 0, 9) in automatic storage, made anew each
// time: the scratch space of a hull call that the program's profile states.
#pragma once

#include "point.h"

#include <cstddef>
#include <new>

// Writes count default points from bytes on, a block of sixteen at a time.
// A Point is an implicit-lifetime type: copying the bytes creates the points.
void construct_default_points(std::byte* bytes, std::size_t count);

// Capacity default points, constructed together when the buffer is: 20001
// points took 1.1 us in 64-byte stores (AVX-512), 2.1 us in 16-byte ones
// and 6.0 us one point at a time (least of 50 rounds of 1000, GCC 12 -O3,
// on the 2-core AMD EPYC of docs/benchmarks.md).
template <std::size_t Capacity>
class DefaultPoints {
public:
    DefaultPoints() { construct_default_points(bytes_, Capacity); }
    DefaultPoints(const DefaultPoints&) = delete;
    DefaultPoints& operator=(const DefaultPoints&) = delete;
    Point* data() { return std::launder(reinterpret_cast<Point*>(bytes_)); }

private:
    alignas(64) std::byte bytes_[Capacity * sizeof(Point)];
};
