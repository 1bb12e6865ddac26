#include "run_report.h"

#include "file_names.h"

#include <cstdio>
#include <unistd.h>

namespace {

bool at_terminal() { return isatty(STDOUT_FILENO) != 0; }

}  // namespace

void report_run(const std::string& log_line, std::int32_t hull_vertices) {
    if (!at_terminal()) return;
    std::printf("Dopisan red u %s: %s", kTimingLogName, log_line.c_str());
    std::printf("Broj temena omotaca: %d\n", static_cast<int>(hull_vertices));
    std::fflush(stdout);
}

void report_window_opening() {
    if (!at_terminal()) return;
    std::puts("Prozor \"Geometrija - prikaz zadatka\" se otvara; za kraj ga zatvorite.");
    std::fflush(stdout);
}
