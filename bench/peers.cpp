// The project's hulls beside the libraries' on the same point sets: every
// family at 1000, 5000 and 20001 points, one set per seed. Google Benchmark
// times each contender on each set by itself; a run with
// --benchmark_enable_random_interleaving interleaves them all.
#include "measurements.h"
#include "peers.h"
#include "point_families.h"
#include "point_order.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace {

constexpr std::int32_t kPeerSizes[] = {1000, 5000, 20001};
constexpr double kPeerMinSeconds = 0.005;

using Positions = std::vector<std::pair<float, float>>;

Positions positions(const std::vector<Point>& points) {
    Positions result;
    for (const Point& p : points) result.emplace_back(p.x, p.y);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

struct PointSet {
    std::vector<Point> file_order;
    std::vector<Point> sorted;
    Positions corners;  // of the project's monotone chain, which every contender must give
};

const PointSet& point_set(Family family, std::int32_t n, std::uint32_t seed) {
    static std::map<std::tuple<Family, std::int32_t, std::uint32_t>, PointSet> sets;
    auto [it, made] = sets.try_emplace({family, n, seed});
    if (made) {
        PointSet& set = it->second;
        set.file_order = make_points(family, n, seed);
        set.sorted = sorted_points(set.file_order);
        std::vector<Point> hull(2 * static_cast<std::size_t>(n) + 2);
        hull.resize(static_cast<std::size_t>(kHullChain.hull(set.sorted.data(), hull.data(), n)));
        set.corners = positions(hull);
    }
    return it->second;
}

// The project's algorithms that are not cubic, its whole hulls, then the
// libraries' built in.
std::size_t project_contender_count = 0;

std::vector<Contender> contenders() {
    std::vector<Contender> all;
    for (const Algorithm& algorithm : kAlgorithms) {
        if (algorithm.growth != Growth::cubic) {
            all.push_back({algorithm.name, Input::sorted, algorithm.growth, project_hull(algorithm.hull, Sort::none)});
        }
    }
    all.push_back({"chain_qsort", Input::file_order, Growth::n_log_n, project_hull(kHullChain.hull, Sort::qsort)});
    all.push_back({"chain_std_sort", Input::file_order, Growth::n_log_n, project_hull(kHullChain.hull, Sort::std_sort)});
    project_contender_count = all.size();
#ifdef HULL_BENCH_CGAL
    for (Contender& contender : cgal_contenders()) all.push_back(std::move(contender));
#endif
#ifdef HULL_BENCH_QHULL
    for (Contender& contender : qhull_contenders()) all.push_back(std::move(contender));
#endif
    return all;
}

// A contender whose vertices are not the project's, as a set of positions,
// is marked with an error that names the set and a point that differs, and
// its figure is left out: the report lists such sets (CGAL's ch_eddy and
// ch_bykat keep a point inside a side of some of the generator's sets).
void time_contender(benchmark::State& state, const Contender* contender, Family family, std::uint32_t seed) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    const PointSet& set = point_set(family, n, seed);
    const Positions found = positions(contender->time(state, contender->input == Input::sorted ? set.sorted : set.file_order));
    if (found != set.corners && !state.error_occurred()) {
        Positions odd;
        std::set_symmetric_difference(found.begin(), found.end(), set.corners.begin(), set.corners.end(),
                                      std::back_inserter(odd));
        char message[256];
        std::snprintf(message, sizeof message,
                      "%.*s na skupu %.*s, n=%d, seme %u: %zu temena umesto %zu projektovih, razlikuje se (%.9g, %.9g)",
                      static_cast<int>(contender->name.size()), contender->name.data(),
                      static_cast<int>(family_name(family).size()), family_name(family).data(), n, seed, found.size(),
                      set.corners.size(), double(odd.front().first), double(odd.front().second));
        state.SkipWithError(message);
    }
    state.counters["hull_vertices"] = static_cast<double>(set.corners.size());
}

}  // namespace

// One of the project's hulls: on the points as given (its hull step), or on
// a copy sorted first as the programs sort (qsort with compare_points) or
// with std::sort (a whole hull from the points in file order).
TimeHull project_hull(HullFunction hull, Sort sort) {
    return [hull, sort](benchmark::State& state, const std::vector<Point>& points) {
        const auto n = static_cast<std::int32_t>(points.size());
        std::vector<Point> work = points;
        std::vector<Point> out(2 * points.size() + 2);
        std::int32_t h = 0;
        for (auto _ : state) {
            if (sort != Sort::none) std::copy(points.begin(), points.end(), work.begin());
            if (sort == Sort::qsort) std::qsort(work.data(), work.size(), sizeof(Point), compare_points);
            if (sort == Sort::std_sort) {
                std::sort(work.begin(), work.end(),
                          [](const Point& a, const Point& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
            }
            h = hull(work.data(), out.data(), n);
            benchmark::DoNotOptimize(h);
            benchmark::ClobberMemory();
        }
        out.resize(static_cast<std::size_t>(h));
        return out;
    };
}

void register_peers(const Scope& scope) {
    // The benchmarks refer to these for as long as the process runs.
    static const std::vector<Contender> all = contenders();
    if (all.size() == project_contender_count) return;  // no library to set the project's hulls beside
    for (const Contender& contender : all) {
        for (const Family family : kAllFamilies) {
            for (const std::int32_t n : kPeerSizes) {
                // An O(n h) hull is left out of a family and size whose set of
                // the fixed seed holds too many vertices.
                if (contender.growth == Growth::n_h &&
                    double(n) * double(point_set(family, n, kFixedSeed).corners.size()) > kOutputSensitiveWork) {
                    continue;
                }
                for (std::uint32_t seed = 1; seed <= kSeedCount; ++seed) {
                    const std::string name =
                        bench_name({"peers", contender.name, family_name(family), "seed=" + std::to_string(seed)});
                    auto* bench = benchmark::RegisterBenchmark(name.c_str(), time_contender, &contender, family, seed);
                    repeat(bench->Arg(n)->Unit(benchmark::kMicrosecond)->MinTime(kPeerMinSeconds), scope.repetitions);
                }
            }
        }
    }
}
