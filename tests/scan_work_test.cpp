// The brute-force scan's progress: its estimate of the work per start point
// against the work the scan really does, and the reports that reach the
// listener while a scan runs.
#include "hull_brute_force.h"
#include "line_batch.h"
#include "progress_hook.h"
#include "scan_work.h"
#include "support/point_sets.h"
#include "turn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// The work of the scan for each start point, counted as it runs: k values
// tried over all pairs, cumulated as estimate_scan_work lists them.
std::vector<std::int64_t> counted_work(const std::vector<Point>& p) {
    const auto n = static_cast<std::int32_t>(p.size());
    std::vector<std::int64_t> cumulative(p.size() + 1, 0);
    for (std::int32_t i = 0; i < n; ++i) {
        std::int64_t work = 0;
        for (std::int32_t j = 0; j < n; ++j) {
            if (j == i) continue;
            std::int32_t k = 0;
            while (k < n && !(k != i && k != j && turn_sign(p[i], p[j], p[k]) < 0)) ++k;
            work += k < n ? k + 1 : n;
        }
        cumulative[static_cast<std::size_t>(i) + 1] = cumulative[static_cast<std::size_t>(i)] + work;
    }
    return cumulative;
}

// Largest difference, in percentage points, between the shares of the whole
// work that two cumulative lists give after each start point.
double worst_share_gap(const std::vector<std::int64_t>& a, const std::vector<std::int64_t>& b) {
    double worst = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double share_a = 100.0 * static_cast<double>(a[i]) / static_cast<double>(a.back());
        const double share_b = 100.0 * static_cast<double>(b[i]) / static_cast<double>(b.back());
        worst = std::max(worst, std::fabs(share_a - share_b));
    }
    return worst;
}

TEST(ScanWork, EstimateTracksTheCountedWorkOnGridsAndCircles) {
    std::mt19937 rng(11);
    std::vector<std::vector<Point>> sets{sorted(random_grid_points(rng, 1500, 300))};
    std::vector<Point> circle;
    for (int t = 0; t < 800; ++t) {
        const double angle = 2 * M_PI * t / 800;
        circle.push_back(Point{static_cast<float>(std::round(1e5 * std::cos(angle))),
                               static_cast<float>(std::round(1e5 * std::sin(angle))), 9});
    }
    sets.push_back(sorted(circle));
    for (const std::vector<Point>& points : sets) {
        const auto n = static_cast<std::int32_t>(points.size());
        const std::vector<std::int64_t> estimate = estimate_scan_work(PointColumns(points.data(), n), n);
        ASSERT_EQ(estimate.size(), points.size() + 1);
        // Start points far right in sort order cost the most: the naive
        // share i / n is far off, the estimate close.
        const std::vector<std::int64_t> counted = counted_work(points);
        std::vector<std::int64_t> uniform(points.size() + 1);
        for (std::size_t i = 0; i < uniform.size(); ++i) uniform[i] = static_cast<std::int64_t>(i);
        EXPECT_LT(worst_share_gap(estimate, counted), 4.0) << points.size() << " points";
        if (&points == &sets.front()) {
            EXPECT_GT(worst_share_gap(uniform, counted), 10.0);
        }
    }
}

std::vector<std::pair<std::int64_t, std::int64_t>> reports;
void record(std::int64_t done, std::int64_t total) { reports.emplace_back(done, total); }

TEST(ScanWork, ReportsReachTheListenerAsRisingWorkAndItIsRestored) {
    std::mt19937 rng(3);
    const std::vector<Point> points = sorted(random_grid_points(rng, 200, 300));
    std::vector<Point> hull(points.size() + 1);
    reports.clear();
    progress_listener = record;
    hull_brute_force(points.data(), hull.data(), static_cast<std::int32_t>(points.size()));
    EXPECT_EQ(progress_listener, &record);
    progress_listener = nullptr;

    ASSERT_EQ(reports.size(), points.size());
    const std::vector<std::int64_t> estimate = estimate_scan_work(PointColumns(points.data(), 200), 200);
    for (std::size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].first, estimate[i]);
        EXPECT_EQ(reports[i].second, estimate.back());
    }
    // Without a listener nothing is estimated or reported.
    reports.clear();
    hull_brute_force(points.data(), hull.data(), 200);
    EXPECT_TRUE(reports.empty());
}

}  // namespace
