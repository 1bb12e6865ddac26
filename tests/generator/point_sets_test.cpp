// point_sets run as a user would: the file it writes is its family's point
// file, byte for byte, for the seed given or the benchmark's own.
#include "file_names.h"
#include "launch.h"
#include "point_families.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(PointSets, WritesTheFamilysPointFile) {
    const std::tuple<std::vector<std::string>, Family, std::int32_t, std::int32_t, std::uint32_t> rows[] = {
        {{"parabola", "50", "3", "7"}, Family::parabola, 50, 3, 7},
        {{"random", "4", "1", "4294967295"}, Family::random_grid, 4, 1, 4294967295u},
        {{"square", "0", "2147483647"}, Family::square, 0, 2147483647, kFixedSeed},
        {{"circle", "20001", "1"}, Family::circle, 20001, 1, kFixedSeed},
    };
    for (const auto& [arguments, family, n, repetitions, seed] : rows) {
        ScratchDir dir;
        launch::Command command;
        command.program = POINT_SETS_BIN, command.arguments = arguments, command.folder = dir.path();
        command.output = launch::Stream::capture();
        const launch::Result result = launch::run(command, std::chrono::seconds(60));
        EXPECT_EQ(result.ending.status, 0) << arguments[0];
        EXPECT_EQ(dir.read(kPointFileName), point_file_text(family, n, repetitions, seed)) << arguments[0];
        EXPECT_EQ(result.output, "Napisano: generator.test (" + arguments[0] + ", n = " + std::to_string(n) + ", R = " +
                                     std::to_string(repetitions) + ", seme " + std::to_string(seed) + ")\n");
    }
}

}  // namespace
