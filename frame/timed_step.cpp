#include "timed_step.h"

#include "point_file.h"
#include "point_order.h"
#include "progress.h"
#include "stopwatch.h"
#include "timing_log.h"

#include <chrono>
#include <cstdlib>
#include <utility>

std::int32_t run_benchmark(const HullProgram& program, Point* points, Point* hull, std::int32_t point_capacity,
                           const char* point_file_name, const char* log_name, TimedStep* measured) {
    PointFile file(point_file_name);
    TimingLog log(log_name);

    const Stopwatch stopwatch;
    const PointFileHeader header = file.read_header(point_capacity);
    read_points(file, points, header.n);
    std::qsort(points, static_cast<std::size_t>(header.n), sizeof(Point), compare_points);
    std::int32_t h = 0;
    start_progress(header.repetitions);
    const Stopwatch::Duration runs_started = stopwatch.elapsed();
    for (std::int32_t run = 0; run < header.repetitions; ++run) {
        note_run_started(run);
        h = program.hull(points, hull, header.n);
    }
    const Stopwatch::Duration whole = stopwatch.elapsed();
    finish_progress();

    const auto whole_ms = std::chrono::duration_cast<std::chrono::milliseconds>(whole).count();
    std::string line = format_log_line(format_label(program.label_format, header.n), whole_ms);
    log.append_and_close(line);
    file.close();
    if (measured != nullptr) *measured = {std::move(line), header.repetitions, whole, whole - runs_started};
    return h;
}
