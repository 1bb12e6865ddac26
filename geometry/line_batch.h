// Many points against one directed line a -> b at once: which lie strictly
// right of it, or on which side each lies. The plain evaluation of turn.h
// runs in vector lanes (lanes.h); a lane its threshold cannot decide goes to
// the exact turn_sign, so every answer is exact.
#pragma once

#include "point.h"
#include "turn.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The points of one set as columns of coordinates, for testing all of them
// against lines through two of them. On integers below 2^24 the lanes are
// exact: in single precision where the set spans less than 2^11 on both
// axes (differences below 2^11, products below 2^22, their difference below
// 2^23), in double otherwise; any other set is tested in double lanes
// against its SetTurns threshold. The lines are taken from one start point
// i at a time: its differences to every point are kept until another start
// point is asked for, so one object serves one thread.
class PointColumns {
public:
    PointColumns(const Point* points, std::int32_t n);
    PointColumns(const PointColumns&) = delete;
    PointColumns& operator=(const PointColumns&) = delete;

    // The least k with points[k] strictly right of points[i] -> points[j]
    // (the turn i -> j -> k clockwise), or n where no point is.
    std::int32_t first_right(std::int32_t i, std::int32_t j) const;
    // The same for every j != i at once into stops[0 .. n-1] (n at i), in
    // the widest lanes the processor has: what the brute-force scan asks
    // of each start point.
    void first_right_from(std::int32_t i, std::int32_t* stops) const;

    // The columns as the scan reads them, each padded with copies of
    // points[0] to whole steps: x, y, then x - x_i and y - y_i for the start
    // point i = start (-1: none yet), in floats or in doubles.
    enum class Kind { exact_float, exact_double, filtered };
    struct Data {
        Kind kind;
        float* floats;
        double* doubles;
        std::size_t padded;
        std::int32_t start;
        const Point* points;
        std::int32_t n;
        double bound;
    };

private:
    std::vector<float> floats_;
    std::vector<double> doubles_;
    mutable Data data_;
};

// The exact side of each of points[0 .. n-1] relative to a -> b into
// sides[0 .. n-1]: +1 left, -1 right, 0 on the line. turns is the
// threshold of a set holding a, b and the points.
void line_sides(const SetTurns& turns, const Point& a, const Point& b, const Point* points, std::int32_t n,
                std::int8_t* sides);

// The index of the point of points[0 .. n-1] (n >= 1) farthest left of the
// directed line a -> b, exactly: the greatest (b - a) x (p - a). Of points
// equally far, the one farthest along a -> b (on a line parallel to a -> b
// the order of compare_points, reversed where b precedes a), so that of a
// side parallel to a -> b its far end is found, never a point inside it;
// the first of copies. turns is the threshold of a set holding a, b and
// the points: one comparison of plain values decides nearly every point,
// the exact cross_sign those within its difference bound.
std::int32_t farthest_left(const SetTurns& turns, const Point& a, const Point& b, const Point* points,
                           std::int32_t n);
