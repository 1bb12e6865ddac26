// Elapsed time of a run, from a monotonic clock (unaffected by changes of the
// wall clock or the turn of an hour).
#pragma once

#include <chrono>
#include <cstdint>

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}

    std::int64_t elapsed_ms() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};
