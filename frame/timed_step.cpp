#include "timed_step.h"

#include "point_file.h"
#include "point_order.h"
#include "progress.h"
#include "stopwatch.h"
#include "timing_log.h"

#include <cstdlib>

std::int32_t run_benchmark(const HullProgram& program, Point* points, Point* hull, std::int32_t point_capacity,
                           const char* point_file_name, const char* log_name, std::string* appended_line) {
    PointFile file(point_file_name);
    TimingLog log(log_name);

    const Stopwatch stopwatch;
    const PointFileHeader header = file.read_header(point_capacity);
    read_points(file, points, header.n);
    std::qsort(points, static_cast<std::size_t>(header.n), sizeof(Point), compare_points);
    std::int32_t h = 0;
    start_progress(header.repetitions);
    for (std::int32_t run = 0; run < header.repetitions; ++run) {
        note_run_started(run);
        h = program.hull(points, hull, header.n);
    }
    const std::int64_t elapsed_ms = stopwatch.elapsed_ms();
    finish_progress();

    const std::string line = format_log_line(format_label(program.label_format, header.n), elapsed_ms);
    log.append_and_close(line);
    file.close();
    if (appended_line != nullptr) *appended_line = line;
    return h;
}
