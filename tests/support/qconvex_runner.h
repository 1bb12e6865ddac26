// Runs Qhull's qconvex on a point set and reads back its hull vertices.
#pragma once

#include "point.h"

#include <string>
#include <vector>

struct QconvexResult {
    bool ok = false;
    std::vector<int> vertices;  // indices into the points given, as "qconvex Fx" prints them
    std::string error;          // qconvex's own messages, or what went wrong running it
};

// Gives the points ("2", n, then "x y" lines, each coordinate printed so that
// it reads back as exactly the same float) to "qconvex Fx" and reads its
// answer. qconvex refuses sets without three non-collinear points.
QconvexResult qconvex_vertices(const std::string& qconvex, const std::vector<Point>& points);
