// The kernel's vector lanes: std::experimental::simd, as wide as the
// processor the build targets offers without asking it (SSE2 on x86-64,
// NEON on arm64), or one lane where HULL_VECTOR_SCAN is off. Only the
// kernel's own units include this; what they compute in lanes is, lane by
// lane, exactly what the same expression computes in scalars.
#pragma once

#include "point.h"

#include <experimental/simd>

#include <cstdint>

namespace stdx = std::experimental;

#ifdef HULL_VECTOR_SCAN
template <class T>
using Lanes = stdx::native_simd<T>;
#else
template <class T>
using Lanes = stdx::simd<T, stdx::simd_abi::scalar>;
#endif

// Bit l set where lane l of the mask is (libstdc++'s bitset conversion).
template <class Mask>
[[gnu::always_inline]] inline std::uint32_t lane_bits(const Mask& mask) {
    return static_cast<std::uint32_t>(mask.__to_bitset().to_ulong());
}

// The x (Y false) or y coordinates of points[0 .. V::size()-1], as V's type.
template <class V, bool Y = false>
[[gnu::always_inline]] inline V load_coordinate(const Point* points) {
    return V([points](auto lane) { return static_cast<typename V::value_type>(Y ? points[lane].y : points[lane].x); });
}

// (b - a) x (c - a) for the lanes' points c, given a and b - a: the plain
// evaluation of turn.h with every rounding in the same place, so in double
// lanes each value is plain_turn_cross(a, b, c).
template <class V>
[[gnu::always_inline]] inline V lane_turn_cross(const V& ax, const V& ay, const V& dx, const V& dy, const V& cx, const V& cy) {
    return dx * (cy - ay) - dy * (cx - ax);
}
