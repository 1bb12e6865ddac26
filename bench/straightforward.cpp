#include "straightforward.h"

#include "point_order.h"
#include "timing_log.h"
#include "turn.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

std::int32_t hull_brute_force_straightforward(const Point* points, Point* hull, std::int32_t n) {
    if (n <= 0) return 0;

    // An ordered pair (i, j) of distinct positions is a hull edge when no
    // other point lies strictly to its right; from each i the edge with the
    // least j is kept.
    std::vector<std::int32_t> next(static_cast<std::size_t>(n), -1);
    bool any_rejected = false;
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j) {
            if (j == i) continue;
            bool rejected = false;
            for (std::int32_t k = 0; k < n && !rejected; ++k) {
                rejected = k != i && k != j && plain_right_turn(points[i], points[j], points[k]) == 1;
            }
            if (rejected) {
                any_rejected = true;
            } else if (next[i] < 0 && !same_position(points[i], points[j])) {
                next[i] = j;
            }
        }
    }

    // All points on one line: its two ends, or the one position.
    if (!any_rejected) {
        hull[0] = points[0];
        if (same_position(points[0], points[n - 1])) {
            hull[1] = points[0];
            return 1;
        }
        hull[1] = points[n - 1];
        hull[2] = points[0];
        return 2;
    }

    // Follow the kept edges from points[0] until the chain closes, at most n steps.
    std::int32_t h = 0;
    std::int32_t current = 0;
    do {
        hull[h++] = points[current];
        current = next[current];
    } while (current > 0 && h < n);
    hull[h] = hull[0];
    return h;
}

namespace {

// One chain of Andrew's scan over points[first], points[first + step], ...
// (count points) into chain; returns its length.
std::int32_t scan_chain(const Point* points, std::int32_t first, std::int32_t step, std::int32_t count, Point* chain) {
    std::int32_t k = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        chain[k++] = points[first + i * step];
        while (k > 2 && !plain_right_turn(chain[k - 3], chain[k - 2], chain[k - 1])) {
            chain[k - 2] = chain[k - 1];
            --k;
        }
    }
    return k;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void fail(const char* file_name, const std::string& problem) {
    throw std::runtime_error(std::string("Greska: ") + file_name + ": " + problem);
}

}  // namespace

std::int32_t hull_monotone_chain_straightforward(const Point* points, Point* hull, std::int32_t n) {
    if (n <= 0) return 0;
    if (n == 1) {
        hull[0] = points[0];
        return 1;
    }
    std::array<Point, kStraightforwardChainCapacity> scratch;
    // The upper chain left to right at the front of hull, the lower one
    // right to left in scratch, which adds it without its two ends.
    const std::int32_t k = scan_chain(points, 0, 1, n, hull);
    const std::int32_t m = scan_chain(points, n - 1, -1, n, scratch.data());
    for (std::int32_t t = 1; t <= m - 2; ++t) hull[k + t - 1] = scratch[t];
    return k + m - 2;
}

std::int32_t straightforward_run(const HullProgram& program, std::int32_t capacity, Point* points, Point* hull,
                                 std::list<Point>& drawn, const char* point_file_name, const char* log_name) {
    const File input(std::fopen(point_file_name, "r"));
    if (!input) fail(point_file_name, "ne mogu da otvorim datoteku.");

    const auto start = std::chrono::steady_clock::now();
    int n = 0;
    int repetitions = 0;
    if (std::fscanf(input.get(), "%d %d", &n, &repetitions) != 2 || n < 0 || n > capacity || repetitions < 1) {
        fail(point_file_name, "prvi red nije \"n R\" sa 0 <= n <= " + std::to_string(capacity) + " i R >= 1.");
    }
    for (int i = 0; i < n; ++i) {
        Point p;
        if (std::fscanf(input.get(), "%f %f", &p.x, &p.y) != 2) {
            fail(point_file_name, "tacka " + std::to_string(i + 1) + " nije procitana.");
        }
        drawn.push_back(Point{p.x, p.y, 2});
        points[i] = p;
    }
    std::qsort(points, static_cast<std::size_t>(n), sizeof(Point), compare_points);
    std::int32_t h = 0;
    for (int run = 0; run < repetitions; ++run) h = program.hull(points, hull, n);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    const File log(std::fopen(log_name, "a"));
    if (!log) fail(log_name, "ne mogu da otvorim datoteku za dopisivanje.");
    const auto elapsed_ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    std::fputs(format_log_line(format_label(program.label_format, n), elapsed_ms).c_str(), log.get());
    return h;
}
