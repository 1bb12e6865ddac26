// Reading the timing log back in tests.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

// The labels of the log's lines, in order. A line that is not of the form
// "label: S sekundi M milisekundi" (S, M >= 0) is given as "bad: <line>".
inline std::vector<std::string> log_labels(const std::string& log) {
    std::vector<std::string> labels;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(": ");
        long seconds = -1;
        long millis = -1;
        int used = 0;
        const bool timing = colon != std::string::npos &&
                            std::sscanf(line.c_str() + colon + 1, "%ld sekundi %ld milisekundi%n", &seconds, &millis, &used) == 2 &&
                            line.size() == colon + 1 + static_cast<std::size_t>(used) && seconds >= 0 && millis >= 0 &&
                            millis < 1000;
        labels.push_back(timing ? line.substr(0, colon) : "bad: " + line);
    }
    return labels;
}
