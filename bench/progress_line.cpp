#include "progress_line.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kQuietStart = std::chrono::seconds(5);

struct Ticker {
    std::mutex mutex;
    std::condition_variable wake;
    std::thread thread;
    bool stopping = false;
    bool underway = false;
    bool shown = false;
    Clock::time_point started;
    Clock::time_point next_line;
};

Ticker ticker;

void clear_line() {
    if (ticker.shown) {
        std::fprintf(stderr, "\r%40s\r", "");
        std::fflush(stderr);
        ticker.shown = false;
    }
}

void run(bool terminal) {
    std::unique_lock lock(ticker.mutex);
    while (!ticker.stopping) {
        ticker.wake.wait_for(lock, std::chrono::seconds(1));
        if (ticker.stopping || !ticker.underway) continue;
        const Clock::time_point now = Clock::now();
        if (now - ticker.started < kQuietStart) continue;
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now - ticker.started).count();
        if (terminal) {
            std::fprintf(stderr, "\rMerenje traje: %lld min %02lld s ", static_cast<long long>(seconds / 60),
                         static_cast<long long>(seconds % 60));
            std::fflush(stderr);
            ticker.shown = true;
        } else if (now >= ticker.next_line) {
            std::fprintf(stderr, "Merenje traje: %lld min %02lld s\n", static_cast<long long>(seconds / 60),
                         static_cast<long long>(seconds % 60));
            std::fflush(stderr);
            ticker.next_line = now + std::chrono::minutes(1);
        }
    }
    clear_line();
}

}  // namespace

void start_progress_line() {
    const bool terminal = isatty(STDERR_FILENO) != 0;
    ticker.thread = std::thread(run, terminal);
}

void stop_progress_line() {
    {
        const std::lock_guard lock(ticker.mutex);
        ticker.stopping = true;
    }
    ticker.wake.notify_one();
    if (ticker.thread.joinable()) ticker.thread.join();
}

MeasurementUnderway::MeasurementUnderway() {
    const std::lock_guard lock(ticker.mutex);
    ticker.underway = true;
    ticker.started = Clock::now();
    ticker.next_line = ticker.started + std::chrono::minutes(1);
}

MeasurementUnderway::~MeasurementUnderway() {
    const std::lock_guard lock(ticker.mutex);
    ticker.underway = false;
    clear_line();
}
