// Qhull's hull (reentrant library) with its default options, on the floats
// widened to double; each call includes freeing Qhull's memory.
#include "peers.h"

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

#include <cstdio>
#include <string>

namespace {

std::vector<Point> time_qhull(benchmark::State& state, const std::vector<Point>& points) {
    std::vector<coordT> coordinates;
    for (const Point& p : points) coordinates.insert(coordinates.end(), {p.x, p.y});
    std::vector<Point> vertices;
    for (auto _ : state) {
        qhT context;
        qhT* qh = &context;
        qh_zero(qh, stderr);
        char options[] = "qhull";
        const int status = qh_new_qhull(qh, 2, static_cast<int>(points.size()), coordinates.data(), False, options,
                                        nullptr, stderr);
        vertices.clear();
        vertexT* vertex;
        if (status == 0) {
            FORALLvertices {
                const auto id = static_cast<std::size_t>(qh_pointid(qh, vertex->point));
                vertices.push_back(Point{static_cast<float>(coordinates[2 * id]), static_cast<float>(coordinates[2 * id + 1])});
            }
        }
        qh_freeqhull(qh, !qh_ALL);
        int still_long = 0;
        int total_long = 0;
        qh_memfreeshort(qh, &still_long, &total_long);
        if (status != 0) {
            state.SkipWithError(("qh_new_qhull nije izracunao omotac (status " + std::to_string(status) + ")").c_str());
            break;
        }
    }
    return vertices;
}

}  // namespace

std::vector<Contender> qhull_contenders() {
    return {{"qhull", Input::file_order, Growth::n_log_n, time_qhull}};
}
