// The timing log: one line per run of a hull program, appended, never
// truncated, e.g. "n^3(n=1000):   2 sekundi   345 milisekundi".
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The run's label from the program's label format ("n^3(n=%d)") and n.
std::string format_label(const char* label_format, std::int32_t n);

// "%-8s: %3ld sekundi %5ld milisekundi\n" of the label and the elapsed time.
std::string format_log_line(const std::string& label, std::int64_t elapsed_ms);

// The log opened for appending. A file that this run created and left empty
// is removed again if the run ends without a line, so a failed run leaves
// no trace behind.
class TimingLog {
public:
    // InputError if the file cannot be opened for appending.
    explicit TimingLog(std::string name);
    ~TimingLog();
    TimingLog(const TimingLog&) = delete;
    TimingLog& operator=(const TimingLog&) = delete;

    // Appends the line and closes the log; InputError if either fails.
    void append_and_close(const std::string& line);

private:
    std::string name_;
    std::FILE* file_ = nullptr;
    bool created_ = false;
};
