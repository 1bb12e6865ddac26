#include "peer_timing.h"

#include "bench_files.h"
#include "hull_monotone_chain.h"
#include "peer_hulls.h"
#include "point_families.h"
#include "point_order.h"
#include "progress_line.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<PeerEntry> all_peers() {
    std::vector<PeerEntry> peers;
#ifdef HULL_BENCH_CGAL
    for (PeerEntry& peer : cgal_peers()) peers.push_back(std::move(peer));
#endif
#ifdef HULL_BENCH_QHULL
    for (PeerEntry& peer : qhull_peers()) peers.push_back(std::move(peer));
#endif
    return peers;
}

double thread_seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// The project's own contenders in the same frame as the peers.
class ChainStep : public PeerHull {
public:
    void prepare(const std::vector<Point>& points) override {
        sorted_ = points;
        hull_.resize(2 * points.size() + 2);
    }
    void run() override { h_ = hull_monotone_chain(sorted_.data(), hull_.data(), static_cast<std::int32_t>(sorted_.size())); }
    std::vector<Point> vertices() const override { return {hull_.begin(), hull_.begin() + h_}; }

private:
    std::vector<Point> sorted_, hull_;
    std::int32_t h_ = 0;
};

template <bool Qsort>
class ChainWhole : public PeerHull {
public:
    void prepare(const std::vector<Point>& points) override {
        input_ = points;
        work_.resize(points.size());
        hull_.resize(2 * points.size() + 2);
    }
    void run() override {
        std::copy(input_.begin(), input_.end(), work_.begin());
        if constexpr (Qsort) {
            std::qsort(work_.data(), work_.size(), sizeof(Point), compare_points);
        } else {
            std::sort(work_.begin(), work_.end(),
                      [](const Point& a, const Point& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
        }
        h_ = hull_monotone_chain(work_.data(), hull_.data(), static_cast<std::int32_t>(work_.size()));
    }
    std::vector<Point> vertices() const override { return {hull_.begin(), hull_.begin() + h_}; }

private:
    std::vector<Point> input_, work_, hull_;
    std::int32_t h_ = 0;
};

template <class Hull>
std::unique_ptr<PeerHull> make() {
    return std::make_unique<Hull>();
}

std::set<std::pair<float, float>> positions(const std::vector<Point>& points) {
    std::set<std::pair<float, float>> set;
    for (const Point& p : points) set.insert({p.x, p.y});
    return set;
}

[[noreturn]] void stop(const std::string& message) {
    std::fprintf(stderr, "Greska: %s\n", message.c_str());
    remove_bench_files();
    std::exit(1);
}

void time_contenders(benchmark::State& state, Family family, std::uint32_t seed) {
    const MeasurementUnderway underway;
    const auto n = static_cast<std::int32_t>(state.range(0));
    const std::vector<Point> unsorted = make_points(family, n, seed);
    const std::vector<Point> sorted = sorted_points(unsorted);
    std::vector<PeerEntry> entries{{"chain_step", true, make<ChainStep>},
                                   {"chain_qsort", false, make<ChainWhole<true>>},
                                   {"chain_std_sort", false, make<ChainWhole<false>>}};
    for (PeerEntry& peer : all_peers()) entries.push_back(std::move(peer));
    const std::string set_name = std::string(family_name(family)) + ", n=" + std::to_string(n) + ", seme " +
                                 std::to_string(seed);

    std::vector<std::unique_ptr<PeerHull>> hulls;
    std::set<std::pair<float, float>> expected;
    for (const PeerEntry& entry : entries) {
        hulls.push_back(entry.make());
        try {
            hulls.back()->prepare(entry.step ? sorted : unsorted);
            hulls.back()->run();
        } catch (const std::exception& error) {
            stop(std::string(entry.name) + " na skupu " + set_name + ": " + error.what());
        }
        const auto found = positions(hulls.back()->vertices());
        if (hulls.size() == 1) {
            expected = found;
        } else if (found != expected) {
            stop(std::string(entry.name) + " daje " + std::to_string(found.size()) + " temena, a omotac projekta " +
                 std::to_string(expected.size()) + ", ili druga, na skupu " + set_name);
        }
    }

    // Calls per timing, a few milliseconds each, so that a moment of other
    // load on the machine does not decide a round: a hull step of 1000
    // points takes a few microseconds, a whole hull of 20001 a few
    // milliseconds.
    const auto calls = [&](const PeerEntry& entry) { return std::max(1, (entry.step ? 1000000 : 20000) / n); };
    std::vector<std::vector<double>> seconds(entries.size());
    std::size_t round = 0;
    for (auto _ : state) {
        double total = 0.0;
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const std::size_t c = (k + round) % entries.size();
            const int count = calls(entries[c]);
            const double start = thread_seconds();
            for (int call = 0; call < count; ++call) {
                hulls[c]->run();
                benchmark::ClobberMemory();
            }
            const double elapsed = thread_seconds() - start;
            seconds[c].push_back(elapsed / count);
            total += elapsed;
        }
        state.SetIterationTime(total);
        ++round;
    }
    // Each contender's least round: other load on the machine only ever
    // adds time to a round, never takes it away, so the least is the
    // figure least disturbed by it, alike for every contender.
    for (std::size_t c = 0; c < entries.size(); ++c) {
        const std::vector<double>& times = seconds[c];
        state.counters[std::string(entries[c].name) + "_seconds"] =
            times.empty() ? 0.0 : *std::min_element(times.begin(), times.end());
    }
    state.counters["hull_vertices"] = static_cast<double>(expected.size());
}

}  // namespace

bool have_peers() {
    return !all_peers().empty();
}

void register_peer_benchmarks(std::uint32_t seeds, int rounds, int passes) {
    for (int pass = 1; pass <= passes; ++pass) {
        const std::string pass_part = pass == 1 ? "" : "/pass=" + std::to_string(pass);
        for (const Family family : kAllFamilies) {
            for (const std::int32_t n : {1000, 5000, 20001}) {
                for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
                    const std::string name = "peers/" + std::string(family_name(family)) + "/seed=" +
                                             std::to_string(seed) + pass_part;
                    benchmark::RegisterBenchmark(name.c_str(), time_contenders, family, seed)
                        ->Arg(n)
                        ->Iterations(rounds)
                        ->Unit(benchmark::kMillisecond)
                        ->UseManualTime();
                }
            }
        }
    }
}
