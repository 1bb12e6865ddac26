// The hull algorithms' contracts: checked where the build asks for it (the
// sanitizer build), a violation stops the program and names the condition.
#include "hull_brute_force.h"
#include "hull_check.h"
#include "hull_monotone_chain.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Contracts, UnsortedInputOrTooManyPointsStopTheHulls) {
#ifndef HULL_CHECK_CONTRACTS
    GTEST_SKIP() << "the hulls' contracts are not checked in this build: configure it with "
                    "-DHULL_CHECK_CONTRACTS=ON (on by default with -DHULL_SANITIZE=ON)";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<Point> unsorted{{5, 0, 9}, {0, 0, 9}, {0, 5, 9}};
    std::vector<Point> hull(8);
    EXPECT_DEATH(hull_brute_force(unsorted.data(), hull.data(), 3), "precondition violated: is_sorted_by_position");
    EXPECT_DEATH(hull_monotone_chain(unsorted.data(), hull.data(), 3), "precondition violated: is_sorted_by_position");
    EXPECT_DEATH(hull_monotone_chain(unsorted.data(), hull.data(), kChainScratchCapacity + 1),
                 "precondition violated: n >= 0 && n <= kChainScratchCapacity");
    EXPECT_DEATH(hull_brute_force(unsorted.data(), hull.data(), -1), "precondition violated");
    for (const ChainOutlineHull& algorithm : kChainOutlineHulls) {
        EXPECT_DEATH(algorithm.hull(unsorted.data(), hull.data(), 3), "precondition violated: is_sorted_by_position")
            << algorithm.name;
    }
#endif
}

}  // namespace
