#include "straightforward_driver.h"

#include "point_order.h"
#include "straightforward_brute_force.h"
#include "straightforward_monotone_chain.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

const StraightforwardProgram kStraightforwardBrute{"n^3(n=%d)", 10000, hull_brute_force_straightforward};
const StraightforwardProgram kStraightforwardChain{"n*logn(n=%d)", kStraightforwardChainCapacity,
                                                   hull_monotone_chain_straightforward};

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void fail(const char* file_name, const std::string& problem) {
    throw std::runtime_error(std::string("Greska: ") + file_name + ": " + problem);
}

}  // namespace

std::int32_t straightforward_run(const StraightforwardProgram& program, Point* points, Point* hull,
                                 std::list<Point>& drawn, const char* point_file_name, const char* log_name) {
    const File input(std::fopen(point_file_name, "r"));
    if (!input) fail(point_file_name, "ne mogu da otvorim datoteku.");

    const auto start = std::chrono::steady_clock::now();
    int n = 0;
    int repetitions = 0;
    if (std::fscanf(input.get(), "%d %d", &n, &repetitions) != 2) fail(point_file_name, "nema broja tacaka i ponavljanja.");
    if (n < 0 || n > program.capacity) fail(point_file_name, "broj tacaka " + std::to_string(n) + " je van opsega.");
    if (repetitions < 1) fail(point_file_name, "broj ponavljanja " + std::to_string(repetitions) + " je manji od 1.");
    for (int i = 0; i < n; ++i) {
        Point p;
        if (std::fscanf(input.get(), "%f %f", &p.x, &p.y) != 2) {
            fail(point_file_name, "tacka " + std::to_string(i + 1) + " od " + std::to_string(n) + " nije procitana.");
        }
        drawn.push_back(Point{p.x, p.y, 2});
        points[i] = p;
    }
    std::qsort(points, static_cast<std::size_t>(n), sizeof(Point), compare_points);
    std::int32_t h = 0;
    for (int run = 0; run < repetitions; ++run) h = program.hull(points, hull, n);
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();

    const File log(std::fopen(log_name, "a"));
    if (!log) fail(log_name, "ne mogu da otvorim datoteku za dopisivanje.");
    char label[16];
    std::snprintf(label, sizeof label, program.label_format, n);
    std::fprintf(log.get(), "%-8s: %3ld sekundi %5ld milisekundi\n", label, static_cast<long>(elapsed / 1000),
                 static_cast<long>(elapsed % 1000));
    return h;
}
