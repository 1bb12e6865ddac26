#include "qconvex_runner.h"

#include "launch.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <sstream>

QconvexResult qconvex_vertices(const std::string& qconvex, const std::vector<Point>& points) {
    QconvexResult result;
    std::string input = "2\n" + std::to_string(points.size()) + "\n";
    for (const Point& p : points) {
        // 17 significant digits read back as the same double, which is the float itself.
        char line[64];
        std::snprintf(line, sizeof line, "%.17g %.17g\n", double(p.x), double(p.y));
        input += line;
    }
    launch::Command command;
    command.program = qconvex;
    command.arguments = {"Fx"};
    command.input = launch::Stream::text(input);
    command.output = launch::Stream::capture();
    command.errors = launch::Stream::capture();
    // Only bounds a qconvex that hangs; it takes milliseconds.
    const launch::Result run = launch::run(command, std::chrono::minutes(5));
    if (!run.ending.started) {
        result.error = "qconvex could not be run: " + std::string(std::strerror(run.ending.start_error));
        return result;
    }
    if (!run.in_time || !run.ending.exited || run.ending.status != 0) {
        result.error = (run.ending.exited ? "qconvex exited with status " + std::to_string(run.ending.status)
                                          : std::string("qconvex did not exit")) +
                       ": " + run.errors + run.output;
        return result;
    }
    std::istringstream text(run.output);
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
