// The inputs the fuzzers kept (fuzz/corpus/TARGET), for replaying them in
// the ordinary build.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct FuzzInput {
    std::filesystem::path file;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<FuzzInput> kept_fuzz_inputs(const std::string& target) {
    std::vector<FuzzInput> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(HULL_FUZZ_CORPUS) / target)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.push_back({entry.path(), {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    return inputs;
}
