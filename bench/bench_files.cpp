#include "bench_files.h"

#include "generator.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

std::filesystem::path dir;

const std::filesystem::path& files_dir() {
    if (dir.empty()) {
        std::string templ = (std::filesystem::temp_directory_path() / "hull_bench_driver_XXXXXX").string();
        if (!mkdtemp(templ.data())) throw std::runtime_error("ne mogu da napravim privremeni direktorijum " + templ);
        dir = templ;
    }
    return dir;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void cannot_write(const std::filesystem::path& path) {
    throw std::runtime_error("ne mogu da napisem privremenu datoteku " + path.string());
}

// The generator's dialogue with R as its second answer; its prompts go to
// /dev/null.
void write_with_generator(const std::filesystem::path& path, std::int32_t n, std::int32_t repetitions,
                          std::uint32_t seed) {
    std::string answers = std::to_string(n) + "\n" + std::to_string(repetitions) + "\n";
    const File in(fmemopen(answers.data(), answers.size(), "r"));
    const File out(std::fopen("/dev/null", "w"));
    if (!in || !out || gen::run_generator(in.get(), out.get(), path.string(), [seed] { return seed; }) != 0) {
        cannot_write(path);
    }
}

}  // namespace

std::string bench_point_file(Family family, std::int32_t n, std::int32_t repetitions, std::uint32_t seed) {
    const auto path = files_dir() / ("points_" + std::string(family_name(family)) + "_" + std::to_string(n) + "_" +
                                     std::to_string(repetitions) + "_" + std::to_string(seed) + ".test");
    if (std::filesystem::exists(path)) return path.string();
    if (family == Family::random_grid) {
        write_with_generator(path, n, repetitions, seed);
        return path.string();
    }
    const File file(std::fopen(path.c_str(), "w"));
    if (!file) cannot_write(path);
    std::fprintf(file.get(), "%d %d\n", n, repetitions);
    for (const Point& p : make_points(family, n, seed)) {
        std::fprintf(file.get(), "%s %s\n", coordinate_text(family, p.x).c_str(), coordinate_text(family, p.y).c_str());
    }
    if (std::fflush(file.get()) != 0 || std::ferror(file.get())) cannot_write(path);
    return path.string();
}

std::string bench_qconvex_file(Family family, std::int32_t n) {
    const auto path = files_dir() / ("qconvex_" + std::string(family_name(family)) + "_" + std::to_string(n) + ".txt");
    if (std::filesystem::exists(path)) return path.string();
    const File file(std::fopen(path.c_str(), "w"));
    if (!file) cannot_write(path);
    std::fprintf(file.get(), "2\n%d\n", n);
    for (const Point& p : make_points(family, n)) std::fprintf(file.get(), "%.9g %.9g\n", p.x, p.y);
    if (std::fflush(file.get()) != 0 || std::ferror(file.get())) cannot_write(path);
    return path.string();
}

std::string bench_log_file() {
    return (files_dir() / "statistika.out").string();
}

void remove_bench_files() {
    if (dir.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    dir.clear();
}
