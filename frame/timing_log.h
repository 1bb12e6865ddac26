// The timing log: one line per run of a hull program, appended, never
// truncated, e.g. "n^3(n=1000):   2 sekundi   345 milisekundi".
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

// The run's label from the program's label format ("n^3(n=%d)") and n.
std::string format_label(const char* label_format, std::int32_t n);

// "%-8s: %3ld sekundi %5ld milisekundi\n" of the label and the elapsed time.
std::string format_log_line(const std::string& label, std::int64_t elapsed_ms);

// The log of one run. Nothing is created, opened for long or ever removed:
// the constructor only checks that a line could be appended, and the line
// is appended in one write at the end. So a run that fails, is interrupted
// or crashes before its line leaves every file as it was, and runs that
// share the log never lose each other's lines.
class TimingLog {
public:
    // Checks, without creating or changing anything and without waiting on
    // a special file, that the log can take a line: an existing log must be
    // a regular file open for appending (a link to one is followed), for a
    // missing one the folder it would be created in must be writable.
    // InputError if not.
    explicit TimingLog(std::string name);

    // Appends the line with one write, after asking for room for all of it;
    // if the log's last line lacks its newline, the write starts with one
    // (however many runs wait for the log together, only one adds it). The
    // one log whose end cannot be seen is another user's that the user may
    // write but not read: there a last line without its newline is joined.
    // Every byte already in the log stays.
    // A missing log is created holding the line, so it never exists empty
    // (on file systems without unnamed files, and through a link to a
    // missing file, it is created by name just before the write).
    // InputError if the line cannot be written whole.
    void append_and_close(const std::string& line);

private:
    [[noreturn]] void fail_open() const;
    [[noreturn]] void fail_write() const;
    [[noreturn]] void fail_kind(mode_t mode) const;
    void write_line(int fd, const std::string& line) const;
    bool create_holding(const std::string& line) const;

    std::string name_;
};
