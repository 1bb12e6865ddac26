// The steps each algorithm's recorded run tells, as the window replays them:
// the stack (chain, hull so far) after every step that changes it, the
// counts at the end, and the words of one step, on small sets written out
// by hand. A new algorithm is a row per set.
#include "hull_brute_force.h"
#include "hull_chan.h"
#include "hull_graham.h"
#include "hull_jarvis.h"
#include "hull_ks.h"
#include "hull_quick.h"
#include "hull_monotone_chain.h"
#include "step_record.h"
#include "support/point_sets.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A square with a point inside and one on its bottom side.
const std::vector<Point> kSquare{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}, {2, 0}};
// A dome whose upper side passes just above (11, 20): no filter leaves
// that point out, and the upper chain drops it again. (25, 10) is inside.
const std::vector<Point> kDome{{0, 0}, {5, 15}, {11, 20}, {15, 25}, {25, 30}, {35, 25}, {45, 15}, {50, 0}, {25, 10}};

struct StepRow {
    const char* name;
    StepLog::Recorded recorded;
    const std::vector<Point>* set;
    std::vector<std::string> stacks;  // each stack the steps leave, bottom first, "" when emptied
    const char* counts;               // at the last step
    std::int32_t sample;              // a step, 0-based,
    const char* words;                // and its words
};

void PrintTo(const StepRow& row, std::ostream* out) { *out << row.name; }

const StepRow kRows[] = {
    // The filter leaves out (2, 2); the lower chain drops (2, 0), which is
    // on its straight bottom side.
    {"ChainSquare", hull_chain_recorded, &kSquare,
     {"0,0", "0,0 0,4", "0,0 0,4 4,4", "", "4,4", "4,4 4,0", "4,4 4,0 2,0", "4,4 4,0", "4,4 4,0 0,0"},
     "kraj rada, ukupno testova skretanja: 4, stavljanja na stek: 7, skidanja sa steka: 1", 9,
     "korak 10/11: tacka (2, 0) odbacena, tacke na jednoj pravoj"},
    {"ChainDome", hull_chain_recorded, &kDome,
     {"0,0", "0,0 5,15", "0,0 5,15 11,20", "0,0 5,15", "0,0 5,15 15,25", "0,0 5,15 15,25 25,30",
      "0,0 5,15 15,25 25,30 35,25", "0,0 5,15 15,25 25,30 35,25 45,15", "0,0 5,15 15,25 25,30 35,25 45,15 50,0", "",
      "50,0", "50,0 0,0"},
     "kraj rada, ukupno testova skretanja: 7, stavljanja na stek: 10, skidanja sa steka: 1", 5,
     "korak 6/14: tacka (11, 20) odbacena, skretanje ulevo"},
    // Every pair, then the walk along the edges found, counter-clockwise
    // with the points on straight sides.
    {"BruteSquare", hull_brute_recorded, &kSquare,
     {"0,0", "0,0 2,0", "0,0 2,0 4,0", "0,0 2,0 4,0 4,4", "0,0 2,0 4,0 4,4 0,4"},
     "kraj rada, ukupno testova skretanja: 100, stavljanja na stek: 5, skidanja sa steka: 0", 1,
     "korak 2/37: par (0, 0) -> (0, 4) nije ivica: tacka (2, 0) je desno od njega"},
    {"BruteDome", hull_brute_recorded, &kDome,
     {"0,0", "0,0 50,0", "0,0 50,0 45,15", "0,0 50,0 45,15 35,25", "0,0 50,0 45,15 35,25 25,30",
      "0,0 50,0 45,15 35,25 25,30 15,25", "0,0 50,0 45,15 35,25 25,30 15,25 5,15"},
     "kraj rada, ukupno testova skretanja: 251, stavljanja na stek: 7, skidanja sa steka: 0", 8,
     "korak 9/81: par (0, 0) -> (50, 0) je ivica omotaca: nijedna tacka nije desno od njega"},
    // The pivot (0, 0), then by angle; a point on the line from the top of
    // the stack to the last point in the order is passed over with one test.
    {"GrahamSquare", hull_graham_recorded, &kSquare,
     {"0,0", "0,0 2,0", "0,0", "0,0 4,0", "0,0 4,0 4,4", "0,0 4,0 4,4 0,4"},
     "kraj rada, ukupno testova skretanja: 9, stavljanja na stek: 5, skidanja sa steka: 1", 10,
     "korak 11/16: (4, 0) -> (0, 4) -> (2, 2): tacke na jednoj pravoj; tacka (2, 2) odbacena, nije teme"},
    {"GrahamDome", hull_graham_recorded, &kDome,
     {"0,0", "0,0 50,0", "0,0 50,0 45,15", "0,0 50,0 45,15 35,25", "0,0 50,0 45,15 35,25 25,30",
      "0,0 50,0 45,15 35,25 25,30 15,25", "0,0 50,0 45,15 35,25 25,30 15,25 5,15"},
     "kraj rada, ukupno testova skretanja: 12, stavljanja na stek: 7, skidanja sa steka: 0", 3,
     "korak 4/23: tacka (0, 0) stavljena na stek"},
    {"JarvisSquare", hull_jarvis_recorded, &kSquare, {"0,0", "0,0 0,4", "0,0 0,4 4,4", "0,0 0,4 4,4 4,0"},
     "kraj rada, ukupno testova skretanja: 24, stavljanja na stek: 4, skidanja sa steka: 0", 3,
     "korak 4/23: (0, 0) -> (4, 4) -> (0, 4): skretanje ulevo"},
    {"JarvisDome", hull_jarvis_recorded, &kDome,
     {"0,0", "0,0 5,15", "0,0 5,15 15,25", "0,0 5,15 15,25 25,30", "0,0 5,15 15,25 25,30 35,25",
      "0,0 5,15 15,25 25,30 35,25 45,15", "0,0 5,15 15,25 25,30 35,25 45,15 50,0"},
     "kraj rada, ukupno testova skretanja: 63, stavljanja na stek: 7, skidanja sa steka: 0", 4,
     "korak 5/35: kandidat za sledecu ivicu: (0, 0) -> (5, 15); ivica omotaca: (0, 0) -> (5, 15)"},
    {"QuickSquare", hull_quick_recorded, &kSquare, {"0,0", "0,0 0,4", "0,0 0,4 4,4", "0,0 0,4 4,4 4,0"},
     "kraj rada, ukupno testova skretanja: 11, stavljanja na stek: 4, skidanja sa steka: 0", 3,
     "korak 4/13: ivica (0, 0) -> (4, 4), trazi se najdalja tacka van nje; najdalja tacka je (0, 4)"},
    {"QuickDome", hull_quick_recorded, &kDome,
     {"0,0", "0,0 5,15", "0,0 5,15 15,25", "0,0 5,15 15,25 25,30", "0,0 5,15 15,25 25,30 35,25",
      "0,0 5,15 15,25 25,30 35,25 45,15", "0,0 5,15 15,25 25,30 35,25 45,15 50,0"},
     "kraj rada, ukupno testova skretanja: 43, stavljanja na stek: 7, skidanja sa steka: 0", 3,
     "korak 4/23: ivica (0, 0) -> (50, 0), trazi se najdalja tacka van nje; najdalja tacka je (25, 30)"},
    {"ChanSquare", hull_chan_recorded, &kSquare, {"0,0", "0,0 0,4", "0,0 0,4 4,4", "0,0 0,4 4,4 4,0"},
     "kraj rada, ukupno testova skretanja: 10, stavljanja na stek: 4, skidanja sa steka: 0", 11,
     "korak 12/17: (0, 4) -> (4, 0) -> (4, 4): skretanje ulevo"},
    // The filter leaves out (25, 10); groups of 4: the upper side has more
    // than 4 vertices, so the wrap is given up and one group of 16 holds the hull.
    {"ChanDome", hull_chan_recorded, &kDome,
     {"0,0", "0,0 5,15", "0,0 5,15 15,25", "0,0 5,15 15,25 25,30", ""},
     "kraj rada, ukupno testova skretanja: 28, stavljanja na stek: 4, skidanja sa steka: 0", 7,
     "korak 8/18: kandidat za sledecu ivicu: (0, 0) -> (5, 15); tangenta dodiruje grupu u tacki (25, 30)"},
    // The column x = 0 straddles the first median line.
    {"KsSquare", hull_ks_recorded, &kSquare, {"0,0", "0,0 0,4", "0,0 0,4 4,4", "0,0 0,4 4,4 4,0"},
     "kraj rada, ukupno testova skretanja: 14, stavljanja na stek: 4, skidanja sa steka: 0", 3,
     "korak 4/8: prava podele x = 0; most preko prave podele: (0, 0) -> (0, 4)"},
    {"KsDome", hull_ks_recorded, &kDome,
     {"0,0", "0,0 5,15", "0,0 5,15 15,25", "0,0 5,15 15,25 25,30", "0,0 5,15 15,25 25,30 35,25",
      "0,0 5,15 15,25 25,30 35,25 45,15", "0,0 5,15 15,25 25,30 35,25 45,15 50,0"},
     "kraj rada, ukupno testova skretanja: 54, stavljanja na stek: 7, skidanja sa steka: 0", 3,
     "korak 4/12: prava podele x = 20; most preko prave podele: (15, 25) -> (25, 30)"},
};

class RecordedSteps : public testing::TestWithParam<StepRow> {};

TEST_P(RecordedSteps, StacksCountsAndWords) {
    const StepRow& row = GetParam();
    const std::vector<Point> points = sorted(*row.set);
    std::vector<Point> hull(2 * points.size());
    StepLog log;
    log.record(row.recorded, points.data(), hull.data(), static_cast<std::int32_t>(points.size()));
    ASSERT_GT(log.steps(), 0);

    std::vector<std::string> stacks;
    std::string last;
    for (std::int32_t step = 0; step < log.steps(); ++step) {
        const StepState state = log.state_after(step);
        const std::string stack = positions(state.stack.data(), state.stack.size());
        if (stack != last) stacks.push_back(stack);
        last = stack;
    }
    EXPECT_EQ(stacks, row.stacks);
    EXPECT_EQ(log.count_words(log.state_after(log.steps() - 1), log.steps() - 1), row.counts);
    EXPECT_EQ(log.words(row.sample), row.words);
    EXPECT_FALSE(log.capped());
}

// Chan's group hulls stay drawn while the wrap takes tangents to them.
TEST(RecordedStepsChan, GroupHullsStayThroughTheWrap) {
    const std::vector<Point> points = sorted(kDome);
    std::vector<Point> hull(2 * points.size());
    StepLog log;
    log.record(hull_chan_recorded, points.data(), hull.data(), static_cast<std::int32_t>(points.size()));
    std::int32_t wrap_steps = 0;
    for (std::int32_t step = 0; step < log.steps(); ++step) {
        const StepState state = log.state_after(step);
        if (state.phase != StepPhase::wrap) continue;
        ++wrap_steps;
        EXPECT_EQ(state.polygons.size(), 2u) << log.words(step);
    }
    EXPECT_GT(wrap_steps, 0);
}

// A run that makes more steps than are kept is ended at the bound, which
// its last step says.
TEST(RecordedStepsCapped, EndTheRunAtTheBoundAndSaySo) {
    const StepLog::Recorded endless = [](const Point* points, Point*, std::int32_t, StepRecorder& steps) {
        for (;;) steps.push(points[0]);
        return std::int32_t{0};
    };
    const Point point{1, 2};
    Point hull[1];
    StepLog log;
    log.record(endless, &point, hull, 1);
    EXPECT_TRUE(log.capped());
    ASSERT_EQ(log.steps(), StepLog::kMostSteps);
    EXPECT_EQ(log.count_words(log.state_after(log.steps() - 1), log.steps() - 1),
              "snimanje je stalo posle 100000 koraka (vise se ne cuva); do tada testova skretanja: 0, "
              "stavljanja na stek: 100000, skidanja sa steka: 0");
}

INSTANTIATE_TEST_SUITE_P(Algorithms, RecordedSteps, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<StepRow>& info) { return std::string(info.param.name); });

}  // namespace
