#include "qconvex_runner.h"

#include "support/scratch_dir.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>


QconvexResult run_qconvex(const std::string& qconvex, const std::vector<Point>& points) {
    QconvexResult result;
    const ScratchDir dir;
    const std::string input = (dir / "input").string();
    {
        std::FILE* file = std::fopen(input.c_str(), "w");
        if (!file) {
            result.error = "cannot write " + input;
            return result;
        }
        std::fprintf(file, "2\n%zu\n", points.size());
        // 17 significant digits read back as the same double, which is the float itself.
        for (const Point& p : points) std::fprintf(file, "%.17g %.17g\n", double(p.x), double(p.y));
        std::fclose(file);
    }
    const std::string command =
        "'" + qconvex + "' Fx < '" + input + "' > '" + (dir / "output").string() + "' 2> '" + (dir / "errors").string() + "'";
    const int status = std::system(command.c_str());
    if (status != 0) {
        result.error = "qconvex exited with status " + std::to_string(status) + ": " + dir.read("errors") + dir.read("output");
        return result;
    }
    std::istringstream text(dir.read("output"));
    std::size_t count = 0;
    if (!(text >> count)) {
        result.error = "no vertex count in qconvex output";
        return result;
    }
    result.vertices.resize(count);
    for (int& index : result.vertices) {
        if (!(text >> index) || index < 0 || static_cast<std::size_t>(index) >= points.size()) {
            result.error = "bad vertex index in qconvex output";
            return result;
        }
    }
    result.ok = true;
    return result;
}
