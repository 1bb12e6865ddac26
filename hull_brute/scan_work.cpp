#include "scan_work.h"

#include <algorithm>

namespace {

// Pairs judged per start point.
constexpr std::int32_t kPairsPerStart = 16;

// A fixed 64-bit mixing function (the finalizer of SplitMix64).
std::uint64_t mix(std::uint64_t z) {
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

std::vector<std::int64_t> estimate_scan_work(const PointColumns& columns, std::int32_t n) {
    std::vector<std::int64_t> cumulative(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
    if (n == 1) cumulative[1] = 1;
    if (n <= 1) return cumulative;
    const std::int32_t pairs = std::min(kPairsPerStart, n - 1);
    for (std::int32_t i = 0; i < n; ++i) {
        std::int64_t scanned = 0;
        for (std::int32_t t = 0; t < pairs; ++t) {
            // Ends drawn over the whole order by a fixed hash of (i, t), so
            // that the pairs of different start points are independent.
            const std::uint64_t draw = mix(static_cast<std::uint64_t>(i) * kPairsPerStart + static_cast<std::uint64_t>(t));
            const auto j = static_cast<std::int32_t>((static_cast<std::uint64_t>(i) + 1 + draw % static_cast<std::uint64_t>(n - 1)) % static_cast<std::uint64_t>(n));
            const std::int32_t stop = columns.first_right(i, j);
            scanned += stop < n ? stop + 1 : n;
        }
        // Every start point costs at least its n pairs.
        cumulative[static_cast<std::size_t>(i) + 1] = cumulative[static_cast<std::size_t>(i)] + n + scanned * (n - 1) / pairs;
    }
    return cumulative;
}
