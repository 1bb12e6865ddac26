// What a hull algorithm tells of its steps to whoever watches it work.
//
// Each algorithm is written once, as a function template over its listener
// Steps, and calls the hooks below where its own code makes the step. It is
// built twice: with NoSteps, whose hooks are empty and compile away (the
// timed runs), and with StepRecorder, whose hooks are virtual (one untimed
// run that the window replays step by step). The hooks name positions, not
// indices, so that points an algorithm copies (a stack, a group's hull) are
// named the same way as input points.
//
// A recorder may end a recorded run early by throwing from a hook (it keeps
// a bounded number of steps): the algorithm lets the exception pass, which
// its automatic storage makes safe; nothing of it is noexcept.
#pragma once

#include "hull_candidates.h"
#include "point.h"

#include <cstdint>

// The stage an algorithm enters; a stack or chain starts empty at each.
enum class StepPhase : std::uint8_t {
    upper_chain,  // a pass left to right building the hull's upper side
    lower_chain,  // a pass right to left building its lower side
    angular_sort, // ordering the points by angle around a pivot
    stack_pass,   // one pass over sorted points with a stack
    wrap,         // walking the hull from vertex to vertex
    groups,       // hulls of groups of points (Chan)
    split,        // dividing the points by a line and recursing
    pairs,        // every ordered pair of points tried as a hull edge
};

// What a marked point is to the step that marks it.
enum class StepMark : std::uint8_t {
    tested,     // the point under test
    discarded,  // a point found to be no vertex
    pivot,      // the point the others are ordered around
    farthest,   // the point farthest from the current edge
    rejecting,  // a point strictly right of the pair under test
    tangent,    // the point where a line from the current vertex touches a group
    vertex,     // a point found to be a vertex of the hull
};

// What a marked edge is to the step that marks it.
enum class StepEdge : std::uint8_t {
    pair,       // the ordered pair under test
    candidate,  // the best next edge found so far
    current,    // the edge whose outer side is searched
    bridge,     // the edge over a dividing line
    accepted,   // an edge found to be on the hull
};

// The hooks, each one call; the recorder makes steps of them and numbers them.
class StepRecorder {
public:
    virtual ~StepRecorder() = default;
    static constexpr bool kRecording = true;

    virtual void phase(StepPhase) {}
    // A point goes onto the stack (or the chain, or the hull found so far).
    virtual void push(const Point&) {}
    // The top of the stack is dropped.
    virtual void pop(const Point&) {}
    // The turn a -> b -> c was tested; sign is its exact sign (+1 left).
    virtual void turn(const Point&, const Point&, const Point&, int /*sign*/) {}
    virtual void mark(const Point&, StepMark) {}
    virtual void edge(const Point&, const Point&, StepEdge) {}
    // A vertical dividing line at x.
    virtual void divide(float /*x*/) {}
    // The hull of one group of points, vertices in order.
    virtual void polygon(const Point* /*vertices*/, std::int32_t /*count*/) {}
    // Turn tests made where no step is shown (inside a sort or a filter).
    virtual void unseen_turns(std::int64_t /*count*/) {}
    // The candidates of points[0 .. n-1] are marked (hull_candidates.h):
    // the points on neither chain are no vertex.
    virtual void candidates(const Point* /*points*/, std::int32_t /*n*/, const HullCandidates&) {}
};

// The same hooks, empty: the timed runs.
struct NoSteps {
    static constexpr bool kRecording = false;
    void phase(StepPhase) {}
    void push(const Point&) {}
    void pop(const Point&) {}
    void turn(const Point&, const Point&, const Point&, int) {}
    void mark(const Point&, StepMark) {}
    void edge(const Point&, const Point&, StepEdge) {}
    void divide(float) {}
    void polygon(const Point*, std::int32_t) {}
    void unseen_turns(std::int64_t) {}
    void candidates(const Point*, std::int32_t, const HullCandidates&) {}
};
