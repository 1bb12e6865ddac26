// hull_bench: times the project's hull algorithms per call, the programs'
// other stages and whole timed steps, and the hulls of other libraries on
// the same point sets (measurements.h); scripts/bench runs it.
//
//   hull_bench [--scope=quick|full|targets|docs] [Google Benchmark options]
//   hull_bench --dump_points=FAMILY:N     (the points as qconvex reads them)
//   hull_bench --help                     (these options, then Google Benchmark's)
#include "measurements.h"
#include "point_families.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <sched.h>

namespace {

constexpr std::string_view kScopeOption = "--scope=";
constexpr std::string_view kDumpOption = "--dump_points=";

void print_help() {
    std::printf(
        "Upotreba: hull_bench [--scope=quick|full|targets|docs] [opcije Google Benchmark-a]\n"
        "          hull_bench --dump_points=FAMILIJA:N   (N tacaka familije kako ih cita qconvex)\n"
        "  quick (podrazumevano) svako merenje jednom; targets samo ono sto porede ciljevi brzine,\n"
        "  svako 5 puta (racuna se najmanje); docs oba; full kao docs, duze po velicini.\n"
        "  Familije: %s.\n\nOpcije Google Benchmark-a:\n",
        family_names().c_str());
    benchmark::PrintDefaultHelp();
}

int dump_points(std::string_view request) {
    const std::size_t colon = request.find(':');
    Family family{};
    std::int32_t n = -1;
    if (colon != std::string_view::npos) {
        const std::string_view count = request.substr(colon + 1);
        const auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), n);
        if (ec != std::errc() || end != count.data() + count.size()) n = -1;
    }
    if (colon == std::string_view::npos || !parse_family(request.substr(0, colon), family) || n < 0 ||
        n > kCurveCapacity) {
        std::fprintf(stderr, "Greska: --dump_points=%.*s: ocekujem FAMILIJA:N (%s; 0 <= N <= %d).\n",
                     static_cast<int>(request.size()), request.data(), family_names().c_str(), kCurveCapacity);
        return 1;
    }
    std::fputs(qconvex_text(family, n).c_str(), stdout);
    return 0;
}

// The processor's model name from /proc/cpuinfo ("" where there is none).
std::string cpu_model() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        const std::size_t colon = line.find(':');
        if (!line.starts_with("model name") || colon == std::string::npos) continue;
        const std::size_t start = line.find_first_not_of(" \t", colon + 1);
        return start == std::string::npos ? std::string() : line.substr(start);
    }
    return {};
}

// Processors this process may run on, as nproc counts them.
int usable_processors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    return sched_getaffinity(0, sizeof set, &set) == 0 ? CPU_COUNT(&set) : 0;
}

}  // namespace

bool find_scope(std::string_view name, Scope& scope) {
    const Scope scopes[] = {
        {"quick", true, 0.05, 2000, 1, false},
        {"targets", false, 0.05, 2000, 5, true},
        {"docs", true, 0.05, 2000, 5, true},
        {"full", true, 0.5, 5000, 5, true},
    };
    for (const Scope& s : scopes) {
        if (s.name == name) scope = s;
    }
    return scope.name == name;
}

int main(int argc, char** argv) {
    Scope scope{};
    find_scope("quick", scope);
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with(kDumpOption)) return dump_points(arg.substr(kDumpOption.size()));
        if (!arg.starts_with(kScopeOption)) {
            rest.push_back(argv[i]);
        } else if (!find_scope(arg.substr(kScopeOption.size()), scope)) {
            std::fprintf(stderr, "Greska: %s: opseg mora biti quick, targets, docs ili full.\n", argv[i]);
            return 1;
        }
    }
    int rest_count = static_cast<int>(rest.size());
    rest.push_back(nullptr);
    benchmark::Initialize(&rest_count, rest.data(), print_help);
    if (benchmark::ReportUnrecognizedArguments(rest_count, rest.data())) return 1;

    // The run's settings and the machine, for the report.
    benchmark::AddCustomContext("opseg", std::string(scope.name));
    std::string families;
    for (const Family family : kAllFamilies) families += std::string(family_name(family)) + " ";
    benchmark::AddCustomContext("familije", families);
    if (const std::string model = cpu_model(); !model.empty()) benchmark::AddCustomContext("procesor", model);
    if (const int processors = usable_processors(); processors > 0) {
        benchmark::AddCustomContext("nproc", std::to_string(processors));
    }
    try {
        register_calls(scope);
        register_steps(scope);
        register_peers(scope);
        register_qconvex(scope);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Greska: %s\n", error.what());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
