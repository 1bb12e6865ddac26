// Every input kept in the fuzzers' corpora, replayed through the checks the
// fuzzers run, in the ordinary build.
#include "hull_check.h"
#include "point_file_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> bytes_of(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <class Check>
void replay(const char* target, Check check) {
    const std::filesystem::path folder = std::filesystem::path(HULL_FUZZ_CORPUS) / target;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::vector<std::uint8_t> input = bytes_of(entry.path());
        EXPECT_EQ(check(input.data(), input.size()), "") << entry.path();
        ++replayed;
    }
    EXPECT_GT(replayed, 0) << "empty corpus " << folder;
}

TEST(CorpusReplay, Hulls) { replay("hulls", check_hull_bytes); }

TEST(CorpusReplay, PointFile) { replay("point_file", check_point_file_bytes); }

}  // namespace
