// hull_bench: times both hull algorithms per call, on the same sorted points,
// over growing n and several point families, and the driver's other stages.
//
//   hull_bench [--profile=quick|full] [Google Benchmark options]
//   hull_bench --targets [Google Benchmark options]   (only what the speed targets compare)
//   hull_bench --dump_points=FAMILY:N     (the points as qconvex reads them)
#include "bench_profile.h"
#include "driver_timing.h"
#include "hull_timing.h"
#include "point_families.h"
#include "stage_timing.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kProfileOption = "--profile=";
constexpr std::string_view kDumpOption = "--dump_points=";
constexpr std::string_view kTargetsOption = "--targets";

// Writes "2", n, then "x y" per point: the input format of qconvex.
int dump_points(std::string_view request) {
    const std::size_t colon = request.find(':');
    Family family{};
    std::int32_t n = -1;
    if (colon != std::string_view::npos) {
        const std::string_view count = request.substr(colon + 1);
        const auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), n);
        if (ec != std::errc() || end != count.data() + count.size()) n = -1;
    }
    if (colon == std::string_view::npos || !parse_family(request.substr(0, colon), family) || n < 0) {
        std::fprintf(stderr, "Greska: --dump_points=%.*s: ocekujem FAMILIJA:N (random, circle ili disc; N >= 0).\n",
                     static_cast<int>(request.size()), request.data());
        return 1;
    }
    if (family == Family::circle && n > kCircleCapacity) {
        std::fprintf(stderr, "Greska: --dump_points=%.*s: circle ima najvise %d tacaka.\n",
                     static_cast<int>(request.size()), request.data(), kCircleCapacity);
        return 1;
    }
    std::printf("2\n%d\n", n);
    for (const Point& p : make_points(family, n)) std::printf("%.9g %.9g\n", p.x, p.y);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    BenchProfile profile;
    find_profile("quick", profile);
    bool targets_only = false;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with(kDumpOption)) return dump_points(arg.substr(kDumpOption.size()));
        if (arg == kTargetsOption) {
            targets_only = true;
            continue;
        }
        if (arg.starts_with(kProfileOption)) {
            if (!find_profile(arg.substr(kProfileOption.size()), profile)) {
                std::fprintf(stderr, "Greska: %s: profil mora biti quick ili full.\n", argv[i]);
                return 1;
            }
            continue;
        }
        rest.push_back(argv[i]);
    }
    int rest_count = static_cast<int>(rest.size());
    rest.push_back(nullptr);
    benchmark::Initialize(&rest_count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(rest_count, rest.data())) return 1;

    char limit[128];
    std::snprintf(limit, sizeof limit, "velicine ciji je procenjeni poziv duzi od %.1f s se izostavljaju",
                  profile.cubic_call_limit_seconds);
    benchmark::AddCustomContext("profil", targets_only ? std::string("targets") : std::string(profile.name));
    if (!targets_only) benchmark::AddCustomContext("brute_force", limit);
    try {
        if (targets_only) {
            register_target_benchmarks();
        } else {
            register_hull_benchmarks(profile);
            register_stage_benchmarks(profile);
            register_driver_benchmarks(profile);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Greska: %s\n", error.what());
        remove_stage_files();
        remove_driver_files();
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    remove_stage_files();
    remove_driver_files();
    return 0;
}
