// Elapsed time of a run, from a monotonic clock (unaffected by changes of the
// wall clock or the turn of an hour).
#pragma once

#include <chrono>

class Stopwatch {
public:
    using Duration = std::chrono::steady_clock::duration;

    Stopwatch() : start_(std::chrono::steady_clock::now()) {}

    Duration elapsed() const { return std::chrono::steady_clock::now() - start_; }

private:
    std::chrono::steady_clock::time_point start_;
};
