#include "file_names.h"
#include "timed_step.h"
#include "hull_brute_profile.h"
#include "hull_chain_profile.h"
#include "input_error.h"
#include "run_report.h"
#include "support/log_lines.h"
#include "support/point_sets.h"
#include "support/scene_reset.h"
#include "support/scratch_dir.h"
#include "timing_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override { reset_scene(); }
    void TearDown() override { reset_scene(); }

    // Runs the benchmark steps of a program on the given point file text.
    std::int32_t run(const HullProgram& program, std::int32_t capacity, const std::string& text,
                     TimedStep* measured = nullptr) {
        dir.write(kPointFileName, text);
        points.assign(static_cast<std::size_t>(capacity), Point{});
        hull.assign(2 * static_cast<std::size_t>(capacity), Point{});
        return run_benchmark(program, points.data(), hull.data(), capacity, (dir / kPointFileName).c_str(),
                             (dir / kTimingLogName).c_str(), measured);
    }

    ScratchDir dir;
    std::vector<Point> points;
    std::vector<Point> hull;
};

// Each program reads, sorts and hulls the file exactly (a corner 1e-20 off a
// line that double arithmetic calls straight), in its own direction, and
// appends its line after those of the runs before.
TEST_F(DriverTest, BothProgramsHullTheFileExactlyAndAppendTheirLinesInOrder) {
    const std::string file = "5 2\n1e-20 0\n1 1\n2 2\n0 0\n1 1\n";
    struct Case {
        const HullProgram& program;
        std::int32_t capacity;
        const char* hull;
    };
    const Case cases[] = {{kHullBrute, kHullBrutePointCapacity, "0,0 1e-20,0 2,2"},
                          {kHullChain, kHullChainPointCapacity, "0,0 2,2 1e-20,0"},
                          {kHullBrute, kHullBrutePointCapacity, "0,0 1e-20,0 2,2"}};
    for (const Case& c : cases) {
        const std::int32_t h = run(c.program, c.capacity, file);
        EXPECT_EQ(positions(hull.data(), static_cast<std::size_t>(h)), c.hull) << c.program.label_format;
        reset_scene();
    }
    EXPECT_EQ(log_labels(dir.read(kTimingLogName)), (std::vector<std::string>{"n^3(n=5)", "n*logn(n=5)", "n^3(n=5)"}));
}

// The logged milliseconds are those of the whole interval, the hull runs a
// part of it; the report splits it and divides by R.
TEST_F(DriverTest, TheHullRunsAreTimedInsideTheLoggedInterval) {
    TimedStep measured;
    run(kHullChain, kHullChainPointCapacity, "4 3\n0 0\n1 0\n0 1\n1 1\n", &measured);
    EXPECT_EQ(measured.repetitions, 3);
    EXPECT_GT(measured.hull_runs.count(), 0);
    EXPECT_LE(measured.hull_runs, measured.whole);
    const auto whole_ms = std::chrono::duration_cast<std::chrono::milliseconds>(measured.whole).count();
    EXPECT_EQ(measured.log_line, format_log_line("n*logn(n=4)", whole_ms));
    EXPECT_EQ(describe_times({"", 4, std::chrono::microseconds(61234567), std::chrono::microseconds(1000)}),
              "Mereno ukupno 61234,567 ms: citanje i sortiranje 61233,567 ms, omotac (R = 4) 1,000 ms\n"
              "Jedno racunanje omotaca: 250,00 mikrosekundi (prosek za R = 4)\n");
}

TEST_F(DriverTest, SortsDecimalPointsAndKeepsArrayColour) {
    EXPECT_EQ(run(kHullChain, kHullChainPointCapacity, "4 2\n2.25 1\n1.5 2.25\n1.5 -1\n0.5 0\n"), 4);
    const float xs[] = {0.5f, 1.5f, 1.5f, 2.25f};
    const float ys[] = {0.0f, -1.0f, 2.25f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(points[i].x, xs[i]);
        EXPECT_EQ(points[i].y, ys[i]);
        EXPECT_EQ(points[i].color, 9);
    }
    EXPECT_EQ(scene_points.size(), 4u);
}

TEST_F(DriverTest, EmptyAndSinglePointSets) {
    EXPECT_EQ(run(kHullBrute, kHullBrutePointCapacity, "0 3\n"), 0);
    EXPECT_EQ(run(kHullChain, kHullChainPointCapacity, "0 3\n"), 0);
    EXPECT_EQ(run(kHullBrute, kHullBrutePointCapacity, "1 1\n5 6\n"), 1);
    EXPECT_EQ(run(kHullChain, kHullChainPointCapacity, "1 1\n5 6\n"), 1);
    EXPECT_EQ(hull[0].x, 5);
    const std::string log = dir.read(kTimingLogName);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);
}

// A square with five points on each side, one in the middle: the brute
// force's outline passes through the points inside its bottom and right
// sides, the chain's through the corners alone; the corners are the same.
TEST_F(DriverTest, OutlinesDifferInSidePointsNotInCorners) {
    std::string file = "17 1\n2 2\n";
    for (int i = 0; i < 4; ++i) {
        for (const auto& [x, y] : {std::pair{i, 0}, std::pair{4, i}, std::pair{4 - i, 4}, std::pair{0, 4 - i}}) {
            file += std::to_string(x) + " " + std::to_string(y) + "\n";
        }
    }
    const std::int32_t brute = run(kHullBrute, kHullBrutePointCapacity, file);
    EXPECT_EQ(brute, 10);
    EXPECT_EQ(count_corners(hull.data(), brute), 4);
    const std::int32_t chain = run(kHullChain, kHullChainPointCapacity, file);
    EXPECT_EQ(chain, 4);
    EXPECT_EQ(count_corners(hull.data(), chain), 4);
}

TEST_F(DriverTest, RefusedFilesLeaveTheLogAlone) {
    dir.write(kTimingLogName, "old\n");
    EXPECT_THROW(run(kHullBrute, kHullBrutePointCapacity, std::to_string(kHullBrutePointCapacity + 1) + " 1\n"), InputError);
    EXPECT_THROW(run(kHullChain, kHullChainPointCapacity, std::to_string(kHullChainPointCapacity + 1) + " 1\n"), InputError);
    EXPECT_THROW(run(kHullChain, kHullChainPointCapacity, "3 1\n0 0\n1 1\n"), InputError);
    EXPECT_EQ(dir.read(kTimingLogName), "old\n");

    std::filesystem::remove(dir / kTimingLogName);
    EXPECT_THROW(run(kHullBrute, kHullBrutePointCapacity, "2 0\n0 0\n1 1\n"), InputError);
    EXPECT_FALSE(dir.exists(kTimingLogName));
}

}  // namespace
