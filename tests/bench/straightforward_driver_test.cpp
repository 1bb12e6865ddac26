// The straightforward driver of bench/: it reads the file as the workbench
// does, appends its log line and fills its list of drawn points. Its hulls
// are checked against the fast ones in hull_families_test.cpp.
#include "algorithms.h"
#include "file_names.h"
#include "straightforward.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <list>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class StraightforwardDriver : public ::testing::Test {
protected:
    std::string write(const std::string& text) const {
        dir_.write(kPointFileName, text);
        return (dir_ / kPointFileName).string();
    }
    std::string log() const { return (dir_ / kTimingLogName).string(); }
    std::string read_log() const { return dir_.read(kTimingLogName); }
    std::int32_t run(const Program& program, const std::string& file) {
        return straightforward_run(program.straightforward, program.capacity, points_.data(), hull_.data(), drawn_,
                                   file.c_str(), log().c_str());
    }

    ScratchDir dir_;
    std::vector<Point> points_ = std::vector<Point>(kStraightforwardChainCapacity);
    std::vector<Point> hull_ = std::vector<Point>(2 * kStraightforwardChainCapacity);
    std::list<Point> drawn_;
};

TEST_F(StraightforwardDriver, ComputesTheHullAndAppendsOneLogLine) {
    const std::string file = write("5 3\n0 0\n4 0\n2 2\n4 4\n0 4\n");
    EXPECT_EQ(run(kHullChainProgram, file), 4);
    EXPECT_EQ(drawn_.size(), 5u);
    EXPECT_EQ(drawn_.front().x, 0.0f);
    EXPECT_EQ(drawn_.back().y, 4.0f);
    EXPECT_EQ(run(kHullBruteProgram, file), 4);
    const std::string text = read_log();
    EXPECT_EQ(text.substr(0, 27), "n*logn(n=5):   0 sekundi   ") << text;
    EXPECT_NE(text.find("\nn^3(n=5)"), std::string::npos) << text;
}

TEST_F(StraightforwardDriver, RejectsBadFilesNamingThemAndLogsNothing) {
    const std::string cases[] = {"", "3\n", "3 0\n0 0\n1 1\n2 2\n",
                                 std::to_string(kStraightforwardChainCapacity + 1) + " 1\n", "-1 1\n", "3 1\n0 0\n1 x\n"};
    for (const std::string& text : cases) {
        const std::string file = write(text);
        try {
            run(kHullChainProgram, file);
            ADD_FAILURE() << "prihvaceno: " << text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(file), std::string::npos) << error.what();
        }
    }
    const std::string missing = (dir_ / "nema.test").string();
    EXPECT_THROW(run(kHullChainProgram, missing), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(log()));
}

}  // namespace
