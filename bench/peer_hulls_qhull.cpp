// Qhull's hull (reentrant library) with its default options, on the floats
// widened to double; the run includes freeing Qhull's memory.
#include "peer_hulls.h"

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

#include <cstdio>
#include <stdexcept>

namespace {

class Qhull : public PeerHull {
public:
    void prepare(const std::vector<Point>& points) override {
        coordinates_.clear();
        for (const Point& p : points) {
            coordinates_.push_back(p.x);
            coordinates_.push_back(p.y);
        }
    }
    void run() override {
        qhT context;
        qhT* qh = &context;
        qh_zero(qh, stderr);
        char options[] = "qhull";
        const int status = qh_new_qhull(qh, 2, static_cast<int>(coordinates_.size() / 2), coordinates_.data(), False,
                                        options, nullptr, stderr);
        vertices_.clear();
        if (status == 0) {
            vertexT* vertex;
            FORALLvertices {
                const int id = qh_pointid(qh, vertex->point);
                vertices_.push_back(Point{static_cast<float>(coordinates_[2 * static_cast<std::size_t>(id)]),
                                          static_cast<float>(coordinates_[2 * static_cast<std::size_t>(id) + 1])});
            }
        }
        qh_freeqhull(qh, !qh_ALL);
        int still_long = 0;
        int total_long = 0;
        qh_memfreeshort(qh, &still_long, &total_long);
        if (status != 0) throw std::runtime_error("qh_new_qhull nije izracunao omotac (status " + std::to_string(status) + ")");
    }
    std::vector<Point> vertices() const override { return vertices_; }

private:
    std::vector<coordT> coordinates_;
    std::vector<Point> vertices_;
};

std::unique_ptr<PeerHull> make_qhull() {
    return std::make_unique<Qhull>();
}

}  // namespace

std::vector<PeerEntry> qhull_peers() {
    return {{"qhull", false, make_qhull}};
}
