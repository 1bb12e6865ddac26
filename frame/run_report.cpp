#include "run_report.h"

#include "file_names.h"
#include "turn.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

bool at_terminal() { return isatty(STDOUT_FILENO) != 0; }

// The value with the given decimals, a decimal comma for the point.
std::string decimal(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string shown = text;
    for (char& c : shown) c = c == '.' ? ',' : c;
    return shown;
}

std::string milliseconds(Stopwatch::Duration time) {
    return decimal(std::chrono::duration<double, std::milli>(time).count(), 3) + " ms";
}

}  // namespace

std::string describe_times(const TimedStep& measured) {
    const Stopwatch::Duration reading = measured.whole - measured.hull_runs;
    const double one_run_us =
        std::chrono::duration<double, std::micro>(measured.hull_runs).count() / std::max(measured.repetitions, 1);
    const std::string r = std::to_string(measured.repetitions);
    return "Mereno ukupno " + milliseconds(measured.whole) + ": citanje i sortiranje " + milliseconds(reading) +
           ", omotac (R = " + r + ") " + milliseconds(measured.hull_runs) + "\n" +
           "Jedno racunanje omotaca: " + decimal(one_run_us, 2) + " mikrosekundi (prosek za R = " + r + ")\n";
}

void report_run(const TimedStep& measured, const Point* hull, std::int32_t h) {
    if (!at_terminal()) return;
    std::printf("Dopisan red u %s: %s", kTimingLogName, measured.log_line.c_str());
    std::fputs(describe_times(measured).c_str(), stdout);
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
