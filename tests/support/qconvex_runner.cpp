#include "qconvex_runner.h"

#include "scratch_dir.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>

extern char** environ;

namespace {

// Runs "program Fx" with standard input, output and error on the given
// files, without a shell: no path becomes command text. Returns the exit
// status, or -1 when the program could not be started or did not exit.
int run_qconvex_fx(const std::string& program, const std::string& input, const std::string& output,
                   const std::string& errors) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string name = program;
    char option[] = "Fx";
    char* argv[] = {name.data(), option, nullptr};
    pid_t child = 0;
    const int started = posix_spawn(&child, program.c_str(), &files, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    if (started != 0) return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace

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
    const int status = run_qconvex_fx(qconvex, input, (dir / "output").string(), (dir / "errors").string());
    if (status != 0) {
        result.error = (status < 0 ? "qconvex could not be run or did not exit: "
                                   : "qconvex exited with status " + std::to_string(status) + ": ") +
                       dir.read("errors") + dir.read("output");
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
