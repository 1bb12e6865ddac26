#include "run_report.h"

#include "file_names.h"
#include "turn.h"

#include <cstdio>
#include <unistd.h>

namespace {

bool at_terminal() { return isatty(STDOUT_FILENO) != 0; }

}  // namespace

void report_run(const std::string& log_line, const Point* hull, std::int32_t h) {
    if (!at_terminal()) return;
    std::printf("Dopisan red u %s: %s", kTimingLogName, log_line.c_str());
    std::printf("Broj tacaka na obrisu omotaca: %d\n", static_cast<int>(h));
    std::printf("Broj temena (uglova) omotaca: %d\n", static_cast<int>(count_corners(hull, h)));
    std::fflush(stdout);
}

std::int32_t count_corners(const Point* hull, std::int32_t h) {
    if (h <= 2) return h;
    std::int32_t corners = 0;
    for (std::int32_t i = 0; i < h; ++i) {
        corners += turn_sign(hull[(i + h - 1) % h], hull[i], hull[(i + 1) % h]) != 0;
    }
    return corners;
}

void report_window_opening() {
    if (!at_terminal()) return;
    std::puts("Prozor \"Geometrija - prikaz zadatka\" se otvara; za kraj ga zatvorite.");
    std::fflush(stdout);
}
