#include "bench_scope.h"

bool find_scope(std::string_view name, BenchScope& scope) {
    const std::vector<std::int32_t> hull_sizes{10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20001};
    const std::vector<std::int32_t> stage_sizes{10, 100, 1000, 10000, 20001};
    if (name == "quick") {
        scope = BenchScope{"quick", hull_sizes, stage_sizes, 0.05, 2.0, 200'000, 1, 3, 20};
        return true;
    }
    if (name == "full") {
        scope = BenchScope{"full", hull_sizes, stage_sizes, 0.5, 5.0, 1'000'000, 3, 5, 50};
        return true;
    }
    return false;
}
