// One pass of the monotone chain: the chain of points given in sort order
// (or its reverse), kept convex by dropping every point that does not make
// a strict right turn. The monotone chain builds its two chains with it,
// Chan's algorithm the chains of its groups.
#pragma once

#include "hull_steps.h"
#include "point.h"
#include "turn.h"

#include <cstdint>

// Whether c lies strictly right of a -> b, the turn told to steps.
template <class Steps>
bool told_right_turn(const SetTurns& turns, const Point& a, const Point& b, const Point& c, Steps& steps) {
    if constexpr (Steps::kRecording) {
        const int sign = turns.turn_sign(a, b, c);
        steps.turn(a, b, c, sign);
        return sign < 0;
    } else {
        return turns.right_turn(a, b, c);
    }
}

// The chain of the points that cursor gives (next(i) sets i to the next
// index into points and returns true, then false), in that order, into
// chain[0 ..]: before each point is appended, every point that would not
// make a strict right turn with its neighbours is dropped, which leaves the
// same chain as appending first and then dropping the middle one of the
// last three. The first point is never dropped, nor the last one given; of
// copies of any other position the chain keeps the last one given. The cursor
// gives at least two points; returns the chain's length. chain may lie
// inside points: the pass writes element k only once it has read the k-th
// point given (from 0), so it overwrites nothing unread where the k-th point
// lies at chain + k or beyond.
template <class Cursor, class Steps>
std::int32_t build_chain(const Point* points, Cursor cursor, Point* chain, const SetTurns& turns, Steps& steps) {
    std::int32_t i = 0;
    cursor.next(i);
    chain[0] = points[i];
    steps.push(chain[0]);
    cursor.next(i);
    chain[1] = points[i];
    steps.push(chain[1]);
    std::int32_t m = 2;
    while (cursor.next(i)) {
        const Point& next = points[i];
        while (m >= 2 && !told_right_turn(turns, chain[m - 2], chain[m - 1], next, steps)) {
            --m;
            steps.pop(chain[m]);
        }
        chain[m++] = next;
        steps.push(next);
    }
    return m;
}
