// CGAL's planar hulls with exact predicates (filtered, exact where the
// filter cannot decide), on the floats widened to double.
#include "peer_hulls.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/ch_graham_andrew.h>
#include <CGAL/convex_hull_2.h>

#include <iterator>

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using CgalPoint = Kernel::Point_2;

class CgalHull : public PeerHull {
public:
    void prepare(const std::vector<Point>& points) override {
        input_.clear();
        input_.reserve(points.size());
        for (const Point& p : points) input_.emplace_back(p.x, p.y);
        output_.reserve(points.size());
    }
    std::vector<Point> vertices() const override {
        std::vector<Point> result;
        for (const CgalPoint& p : output_) result.push_back(Point{static_cast<float>(p.x()), static_cast<float>(p.y())});
        return result;
    }

protected:
    std::vector<CgalPoint> input_;
    std::vector<CgalPoint> output_;
};

class ConvexHull2 : public CgalHull {
public:
    void run() override {
        output_.clear();
        CGAL::convex_hull_2(input_.begin(), input_.end(), std::back_inserter(output_));
    }
};

class GrahamAndrew : public CgalHull {
public:
    void run() override {
        output_.clear();
        CGAL::ch_graham_andrew(input_.begin(), input_.end(), std::back_inserter(output_));
    }
};

// The two chains of Andrew's scan on points already sorted as CGAL sorts
// them (x, then y: the project's order), as ch_graham_andrew runs it after
// its sort: from the first point to the last and back.
class AndrewScan : public CgalHull {
public:
    void run() override {
        output_.clear();
        auto out = std::back_inserter(output_);
        out = CGAL::ch_graham_andrew_scan(input_.begin(), input_.end(), out, Kernel());
        CGAL::ch_graham_andrew_scan(input_.rbegin(), input_.rend(), out, Kernel());
    }
};

template <class Hull>
std::unique_ptr<PeerHull> make() {
    return std::make_unique<Hull>();
}

}  // namespace

std::vector<PeerEntry> cgal_peers() {
    return {{"cgal_convex_hull_2", false, make<ConvexHull2>},
            {"cgal_graham_andrew", false, make<GrahamAndrew>},
            {"cgal_andrew_scan", true, make<AndrewScan>}};
}
