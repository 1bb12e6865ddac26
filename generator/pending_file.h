// The point file while it is written. It takes the user's name only once it
// is whole, in one step that replaces any earlier file: a reader never sees
// half a file, and a run that fails or is ended keeps the earlier one.
#pragma once

#include <cstdio>
#include <string>

namespace gen {

// What stands in the way of the point file taking the name `path`, found
// before anything is written.
enum class TargetProblem {
    none,
    // fopen(path, "w") would fail: a folder of that name, a file the user
    // may not write, a missing folder.
    uncreatable,
    // Another user's file (or link) in a sticky folder, such as /tmp: only
    // its owner or the folder's may replace it.
    foreign,
};
TargetProblem check_target(const std::string& path);

enum class CommitResult { ok, write_failed, name_failed };

// One at a time per process: the signal handlers know a single named file.
class PendingFile {
public:
    // Where the file system offers them, an unnamed file of the folder of
    // `path`: whatever ends the run, nothing of it stays. Elsewhere, or with
    // `named_only`, a file ".NAME.XXXXXX" beside `path`, created exclusively
    // (no existing file or link is ever opened), removed on failure and,
    // through remove_pending_at_signal, on a signal; one that SIGKILL left
    // is removed by the next run (remove_abandoned_hidden_files). Either gets
    // the permissions a newly created file gets (0666 less the umask).
    // is_open() tells if it worked.
    explicit PendingFile(const std::string& path, bool named_only = false);
    ~PendingFile() { abandon(); }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool is_open() const { return stream_ != nullptr; }
    std::FILE* stream() const { return stream_; }

    // Writes out what is buffered and puts the file in place of `path`.
    // Failing, it leaves nothing of its own and `path` as it was.
    CommitResult commit();

    // Closes and removes the file, if it is still open.
    void abandon();

private:
    std::string path_;
    std::FILE* stream_ = nullptr;
    bool named_ = false;
};

// Removes the named file being written, if there is one: for a SignalGuard
// (signal_guard.h) of the generator, so that a signal that ends the run
// leaves nothing of it. Async-signal-safe.
void remove_pending_at_signal();

}  // namespace gen
