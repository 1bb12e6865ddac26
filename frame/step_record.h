// The steps of one recorded run of a hull algorithm (hull_steps.h), kept so
// that the window can show them one at a time: what each step tested and
// what followed from it, the state it leaves (the stack so far, the points
// and edges found), the counts of turn tests, pushes and pops up to it, and
// its words.
//
// A step is one hook call, except that a call which is the outcome of a
// test (a push, a pop, a mark other than "tested", an accepted edge or a
// bridge) joins the step of the test right before it: "the turn a -> b -> c
// goes left, so b is dropped" is one step. Turn tests made where no step is
// shown only add to the counts.
#pragma once

#include "hull_steps.h"
#include "point.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One hook call as it is kept.
struct StepEvent {
    enum class Kind : std::uint8_t { phase, push, pop, turn, mark, edge, divide, polygon, unseen_turns, candidates };
    Kind kind;
    std::uint8_t detail = 0;  // the StepPhase, StepMark or StepEdge
    std::int8_t sign = 0;     // a turn's
    Point a{}, b{}, c{};      // the positions it names; a divide's x is a.x
    std::int64_t count = 0;   // unseen turns; the first point in the pool of a polygon or of the left-out points
    std::int32_t size = 0;    // how many points of the pool
};

struct ShownEdge {
    Point a, b;
};

// What the picture shows after a step.
struct StepState {
    std::optional<StepPhase> phase;
    std::vector<Point> stack;      // bottom first
    std::vector<Point> earlier;    // the stack as the phase before this one left it
    std::vector<Point> discarded;  // marked as no vertex, or left out by the candidates
    std::vector<Point> dropped;    // popped in this phase
    std::vector<Point> pivots;
    std::vector<Point> vertices;
    std::vector<ShownEdge> accepted;
    std::vector<ShownEdge> bridges;
    std::optional<ShownEdge> candidate;  // until another one, or the next phase
    std::optional<ShownEdge> current;    // likewise
    std::optional<float> divide;         // likewise
    std::vector<std::vector<Point>> polygons;  // of the last phase that drew any

    // The step's own test and what it found.
    std::vector<Point> turn;  // a, b, c of its turn test, or none
    int turn_sign = 0;
    std::optional<ShownEdge> pair;
    std::vector<std::pair<Point, StepMark>> marked;  // tested, rejecting, farthest, tangent

    // Up to and with the step.
    std::int64_t turns = 0;
    std::int64_t pushes = 0;
    std::int64_t pops = 0;
};

class StepLog final : public StepRecorder {
public:
    // The most steps kept: a run that makes more is ended there.
    static constexpr std::int32_t kMostSteps = 100000;

    using Recorded = std::int32_t (*)(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps);

    // Runs recorded on the n sorted points, its hull into hull, and keeps
    // its steps, ending it after kMostSteps.
    void record(Recorded recorded, const Point* points, Point* hull, std::int32_t n);

    std::int32_t steps() const { return static_cast<std::int32_t>(firsts_.size()); }
    // Whether the run was ended at kMostSteps.
    bool capped() const { return capped_; }
    // Whether the run pushed or popped anything: it has a stack.
    bool has_stack() const { return any_stack_; }

    // The picture after step (0-based, below steps()).
    StepState state_after(std::int32_t step) const;
    // "korak 17/240: tacka (12, 40) odbacena, skretanje ulevo"
    std::string words(std::int32_t step) const;
    // The counts at the step: "testova skretanja: 30, stavljanja na stek: 12,
    // skidanja sa steka: 5", the totals at the last step.
    std::string count_words(const StepState& state, std::int32_t step) const;
    // The whole run's counts, for the terminal.
    std::string summary() const;

    void phase(StepPhase phase) override;
    void push(const Point& p) override;
    void pop(const Point& p) override;
    void turn(const Point& a, const Point& b, const Point& c, int sign) override;
    void mark(const Point& p, StepMark mark) override;
    void edge(const Point& a, const Point& b, StepEdge edge) override;
    void divide(float x) override;
    void polygon(const Point* vertices, std::int32_t count) override;
    void unseen_turns(std::int64_t count) override;
    void candidates(const Point* points, std::int32_t n, const HullCandidates& marks) override;

private:
    void add(const StepEvent& event);
    std::string event_words(const StepEvent& event, std::optional<StepPhase> phase) const;

    std::vector<StepEvent> events_;
    std::vector<std::int32_t> firsts_;  // the first event of each step
    std::vector<Point> pool_;           // the points of polygons and of left-out candidates
    bool test_open_ = false;            // the last step is a test that no outcome has joined yet
    bool capped_ = false;
    bool any_stack_ = false;
};

// Prints the summary on standard output when it is a terminal.
void report_steps(const StepLog& log);
