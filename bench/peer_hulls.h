// Hulls of other geometry libraries, measured beside the project's on the
// same points. Each is built only where its library is installed and the
// benchmark build asks for them (HULL_BENCH_PEERS).
#pragma once

#include "point.h"

#include <memory>
#include <string_view>
#include <vector>

class PeerHull {
public:
    virtual ~PeerHull() = default;
    // Takes the points into the peer's own form before any clock runs: in
    // file order for a whole hull, sorted with compare_points for a hull step.
    virtual void prepare(const std::vector<Point>& points) = 0;
    // The timed call: the hull of the prepared points.
    virtual void run() = 0;
    // The positions of the last run's vertices (no colour).
    virtual std::vector<Point> vertices() const = 0;
};

struct PeerEntry {
    std::string_view name;
    bool step;  // a hull step on sorted points; otherwise a whole hull from the points in file order
    std::unique_ptr<PeerHull> (*make)();
};

// CGAL with exact predicates: "cgal_convex_hull_2" and "cgal_graham_andrew"
// (whole hulls), "cgal_andrew_scan" (ch_graham_andrew_scan, run for both
// chains, on sorted points). Empty where CGAL is not built in.
std::vector<PeerEntry> cgal_peers();

// Qhull's qh_new_qhull (reentrant library): "qhull", a whole hull. Empty
// where Qhull is not built in.
std::vector<PeerEntry> qhull_peers();
