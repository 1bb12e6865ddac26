#include "scan_work.h"

#include "turn.h"

#include <algorithm>

namespace {

// Points of the sample every pair is scanned against: the first kHead points
// in sort order one by one (where most scans stop), then kSpread points
// evenly spaced over the rest; a scan that stops between two sampled points
// is taken to stop halfway.
constexpr std::int32_t kHead = 16;
constexpr std::int32_t kSpread = 96;
// Pairs judged per start point.
constexpr std::int32_t kPairsPerStart = 16;

const StartPointsAsWork* active = nullptr;

// A fixed 64-bit mixing function (the finalizer of SplitMix64).
std::uint64_t mix(std::uint64_t z) {
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

std::vector<std::int64_t> estimate_scan_work(const Point* points, std::int32_t n) {
    std::vector<std::int64_t> cumulative(static_cast<std::size_t>(n) + 1, 0);
    if (n <= 0) return cumulative;

    // Sample positions in ascending order; the work up to a sampled point is
    // its position, and a scan that meets no sampled point runs to n.
    std::vector<std::int32_t> sample;
    for (std::int32_t k = 0; k < std::min(n, kHead); ++k) sample.push_back(k);
    if (n > kHead) {
        for (std::int32_t t = 0; t < kSpread; ++t) {
            const auto k = static_cast<std::int32_t>(kHead + static_cast<std::int64_t>(n - kHead) * t / kSpread);
            if (k > sample.back()) sample.push_back(k);
        }
    }

    if (n == 1) return {0, 1};
    const std::int32_t pairs = std::min(kPairsPerStart, n - 1);
    for (std::int32_t i = 0; i < n; ++i) {
        std::int64_t scanned = 0;
        for (std::int32_t t = 0; t < pairs; ++t) {
            // Ends drawn over the whole order by a fixed hash of (i, t), so
            // that the pairs of different start points are independent.
            const std::uint64_t draw = mix(static_cast<std::uint64_t>(i) * kPairsPerStart + static_cast<std::uint64_t>(t));
            const auto j = static_cast<std::int32_t>((static_cast<std::uint64_t>(i) + 1 + draw % static_cast<std::uint64_t>(n - 1)) % static_cast<std::uint64_t>(n));
            if (j == i) continue;
            // The first sampled point strictly right: the scan met its first
            // point right somewhere after the sampled point before it.
            std::int64_t stop = n;
            std::int32_t before = -1;
            for (const std::int32_t k : sample) {
                if (k != i && k != j && plain_turn_sign(points[i], points[j], points[k]) < 0) {
                    stop = (static_cast<std::int64_t>(before) + 1 + k + 1 + 1) / 2;
                    break;
                }
                before = k;
            }
            scanned += stop;
        }
        // Every start point costs at least its n pairs.
        cumulative[static_cast<std::size_t>(i) + 1] =
            cumulative[static_cast<std::size_t>(i)] + n + scanned * (n - 1) / pairs;
    }
    return cumulative;
}

StartPointsAsWork::StartPointsAsWork(std::vector<std::int64_t> cumulative_work)
    : cumulative_(std::move(cumulative_work)), outer_(progress_listener) {
    active = this;
    progress_listener = translate;
}

StartPointsAsWork::~StartPointsAsWork() {
    progress_listener = outer_;
    active = nullptr;
}

void StartPointsAsWork::translate(std::int64_t done, std::int64_t total) {
    const std::vector<std::int64_t>& work = active->cumulative_;
    const auto last = static_cast<std::int64_t>(work.size()) - 1;
    if (total != last || done < 0 || done > last) return;
    active->outer_(work[static_cast<std::size_t>(done)], work.back());
}
