// hull_bench: times both hull algorithms per call, on the same sorted points,
// over growing n and several point families, the driver's other stages, the
// chain's whole step against the straightforward one over many seeds, the
// whole qconvex process, and, where the build has them, CGAL's and Qhull's
// hulls beside the project's.
//
//   hull_bench [--scope=quick|full] [Google Benchmark options]
//   hull_bench --targets [Google Benchmark options]   (only what the speed targets compare)
//   hull_bench --dump_points=FAMILY:N     (the points as qconvex reads them)
//   hull_bench --help                     (these options, then Google Benchmark's)
#include "bench_scope.h"
#include "bench_files.h"
#include "driver_timing.h"
#include "hull_timing.h"
#include "peer_timing.h"
#include "point_families.h"
#include "progress_line.h"
#include "qconvex_timing.h"
#include "seed_timing.h"
#include "stage_timing.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <sched.h>

namespace {

constexpr std::string_view kScopeOption = "--scope=";
constexpr std::string_view kDumpOption = "--dump_points=";
constexpr std::string_view kTargetsOption = "--targets";

// "random, circle ili disc": every family's name, for the messages.
std::string family_names() {
    std::string names;
    const std::size_t count = std::size(kAllFamilies);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) names += i + 1 == count ? " ili " : ", ";
        names += family_name(kAllFamilies[i]);
    }
    return names;
}

// hull_bench's own options; Google Benchmark prints its own after them.
void print_help() {
    std::printf(
        "Upotreba: hull_bench [--scope=quick|full] [opcije Google Benchmark-a]\n"
        "          hull_bench --targets [opcije Google Benchmark-a]\n"
        "          hull_bench --dump_points=FAMILIJA:N\n"
        "\n"
        "  --scope=quick|full       koliko se meri: quick (podrazumevano) kratko po velicini,\n"
        "                           full duze, brute force do 5 s po pozivu i brute driveri\n"
        "                           na 5000 i 10000 tacaka\n"
        "  --targets                samo ono sto porede ciljevi brzine (medijane 5 ponavljanja,\n"
        "                           ceo korak chain-a na 20 semena po 5 parova, druge biblioteke)\n"
        "  --dump_points=FAMILIJA:N ispisuje N tacaka familije (%s) kako ih\n"
        "                           cita qconvex, i zavrsava\n"
        "  --help                   ova poruka, pa opcije Google Benchmark-a\n"
        "\n"
        "Opcije Google Benchmark-a:\n",
        family_names().c_str());
    benchmark::PrintDefaultHelp();
}

// The processor's model name from /proc/cpuinfo ("" where there is none).
std::string cpu_model() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (!line.starts_with("model name")) continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) break;
        const std::size_t start = line.find_first_not_of(" \t", colon + 1);
        return start == std::string::npos ? std::string() : line.substr(start);
    }
    return {};
}

// Processors this process may run on, as nproc counts them.
int usable_processors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 0;
    return CPU_COUNT(&set);
}

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
        std::fprintf(stderr, "Greska: --dump_points=%.*s: ocekujem FAMILIJA:N (%s; N >= 0).\n",
                     static_cast<int>(request.size()), request.data(), family_names().c_str());
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
    BenchScope scope;
    find_scope("quick", scope);
    bool targets_only = false;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with(kDumpOption)) return dump_points(arg.substr(kDumpOption.size()));
        if (arg == kTargetsOption) {
            targets_only = true;
            continue;
        }
        if (arg.starts_with(kScopeOption)) {
            if (!find_scope(arg.substr(kScopeOption.size()), scope)) {
                std::fprintf(stderr, "Greska: %s: opseg mora biti quick ili full.\n", argv[i]);
                return 1;
            }
            continue;
        }
        rest.push_back(argv[i]);
    }
    int rest_count = static_cast<int>(rest.size());
    rest.push_back(nullptr);
    benchmark::Initialize(&rest_count, rest.data(), print_help);
    if (benchmark::ReportUnrecognizedArguments(rest_count, rest.data())) return 1;

    char limit[128];
    std::snprintf(limit, sizeof limit, "velicine ciji je procenjeni poziv duzi od %.1f s se izostavljaju",
                  scope.cubic_call_limit_seconds);
    benchmark::AddCustomContext("opseg", targets_only ? std::string("targets") : std::string(scope.name));
    if (!targets_only) benchmark::AddCustomContext("brute_force", limit);
    // The machine, for the report: scripts/bench names it beside the tables.
    if (const std::string model = cpu_model(); !model.empty()) benchmark::AddCustomContext("procesor", model);
    if (const int processors = usable_processors(); processors > 0) {
        benchmark::AddCustomContext("nproc", std::to_string(processors));
    }
    if (have_peers()) benchmark::AddCustomContext("peers", "da");
    try {
        if (targets_only) {
            register_target_benchmarks();
        } else {
            register_hull_benchmarks(scope);
            register_stage_benchmarks(scope);
            register_driver_benchmarks(scope);
            if (have_qconvex()) register_qconvex_benchmarks(scope.qconvex_runs);
        }
        register_seed_benchmarks(targets_only ? 5 : scope.seed_pairs);
        if (have_peers()) register_peer_benchmarks(kSeedCount, targets_only ? 7 : scope.peer_rounds, targets_only ? 2 : 1);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Greska: %s\n", error.what());
        remove_stage_files();
        remove_bench_files();
        return 1;
    }
    start_progress_line();
    benchmark::RunSpecifiedBenchmarks();
    stop_progress_line();
    benchmark::Shutdown();
    remove_stage_files();
    remove_bench_files();
    return 0;
}
