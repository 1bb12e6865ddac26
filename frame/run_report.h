// What a hull program tells a user who runs it by hand at a terminal. When
// standard output is not a terminal (./run, scripts and tests read it) these
// print nothing.
#pragma once

#include <cstdint>
#include <string>

// The line appended to the log (with its newline) and the hull's vertex count.
void report_run(const std::string& log_line, std::int32_t hull_vertices);

// How to end the program once its window is up.
void report_window_opening();
