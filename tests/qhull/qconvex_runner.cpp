#include "qconvex_runner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// A temporary file of our own, removed when it goes out of scope.
class TempFile {
public:
    explicit TempFile(const char* stem) {
        std::string pattern = (std::filesystem::temp_directory_path() / stem).string() + "_XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd >= 0) {
            ::close(fd);
            path_ = pattern;
        }
    }
    ~TempFile() {
        if (!path_.empty()) std::remove(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string read_file(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

QconvexResult run_qconvex(const std::string& qconvex, const std::vector<Point>& points) {
    QconvexResult result;
    TempFile input("qhull_in");
    TempFile output("qhull_out");
    TempFile errors("qhull_err");
    if (input.path().empty() || output.path().empty() || errors.path().empty()) {
        result.error = "cannot create temporary files";
        return result;
    }
    {
        std::FILE* file = std::fopen(input.path().c_str(), "w");
        if (!file) {
            result.error = "cannot write " + input.path();
            return result;
        }
        std::fprintf(file, "2\n%zu\n", points.size());
        // 17 significant digits read back as the same double, which is the float itself.
        for (const Point& p : points) std::fprintf(file, "%.17g %.17g\n", double(p.x), double(p.y));
        std::fclose(file);
    }
    const std::string command =
        "'" + qconvex + "' Fx < '" + input.path() + "' > '" + output.path() + "' 2> '" + errors.path() + "'";
    const int status = std::system(command.c_str());
    if (status != 0) {
        result.error = "qconvex exited with status " + std::to_string(status) + ": " + read_file(errors.path()) +
                       read_file(output.path());
        return result;
    }
    std::istringstream text(read_file(output.path()));
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
