// point_sets run as a user would: the file it writes is its family's point
// file, byte for byte, for the seed given or the benchmark's own.
#include "file_names.h"
#include "launch.h"
#include "point_families.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

TEST(PointSets, WritesTheFamilysPointFile) {
    struct Row {
        std::vector<std::string> arguments;
        Family family;
        std::int32_t n;
        std::int32_t repetitions;
        std::uint32_t seed;
    };
    const Row rows[] = {
        {{"parabola", "50", "3", "7"}, Family::parabola, 50, 3, 7},
        {{"random", "4", "1", "4294967295"}, Family::random_grid, 4, 1, 4294967295u},
        {{"square", "0", "2147483647"}, Family::square, 0, 2147483647, kFixedSeed},
        {{"circle", "20001", "1"}, Family::circle, 20001, 1, kFixedSeed},
    };
    for (const Row& row : rows) {
        ScratchDir dir;
        launch::Command command;
        command.program = POINT_SETS_BIN;
        command.arguments = row.arguments;
        command.folder = dir.path();
        command.output = launch::Stream::capture();
        command.errors = launch::Stream::capture();
        const launch::Result result = launch::run(command, 60s);
        EXPECT_TRUE(result.ending.exited && result.ending.status == 0) << row.arguments[0] << ": " << result.errors;
        EXPECT_EQ(dir.read(kPointFileName), point_file_text(row.family, row.n, row.repetitions, row.seed))
            << row.arguments[0];
        EXPECT_EQ(result.output, "Napisano: generator.test (" + row.arguments[0] + ", n = " + std::to_string(row.n) +
                                     ", R = " + std::to_string(row.repetitions) + ", seme " +
                                     std::to_string(row.seed) + ")\n");
    }
}

}  // namespace
