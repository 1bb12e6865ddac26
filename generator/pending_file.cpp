#include "pending_file.h"

#include "signal_guard.h"
#include "unnamed_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gen {
namespace {

// The named file being written, kept where a signal handler can reach it
// without allocating: its name, and whether it exists and is ours. Signals
// are held while the two change together, so a handler never sees a name
// half-written or a file that has already been renamed to the user's name.
char temp_path[PATH_MAX];
volatile std::sig_atomic_t temp_exists = 0;

mode_t current_umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Creates ".NAME.XXXXXX" beside `path`. mkstemp opens with O_CREAT | O_EXCL,
// so it never opens an existing file or follows a link, and concurrent runs
// each get a file of their own. The file gets the permissions a newly
// created file would get, not mkstemp's 0600; should the file system refuse
// them, the points are still written.
int create_named(const std::string& path) {
    const std::string name = hidden_name_template(path);
    if (name.size() >= sizeof temp_path) return -1;
    int fd;
    {
        const SignalsHeld held;
        std::memcpy(temp_path, name.c_str(), name.size() + 1);
        fd = ::mkstemp(temp_path);
        if (fd < 0) return -1;
        temp_exists = 1;
    }
    (void)::fchmod(fd, 0666 & ~current_umask());
    return fd;
}

void remove_named() {
    const SignalsHeld held;
    ::unlink(temp_path);
    temp_exists = 0;
}

// Puts the finished named file in place of `path` in one atomic step.
bool rename_named(const std::string& path) {
    const SignalsHeld held;
    const bool ok = std::rename(temp_path, path.c_str()) == 0;
    if (!ok) ::unlink(temp_path);
    temp_exists = 0;
    return ok;
}

// Whether `path` could be opened for writing the way fopen(path, "w") would,
// but without creating or truncating it. A missing file is fine: the
// pending file in its folder has already shown that the folder is
// writable. O_NONBLOCK keeps a FIFO without a reader from hanging us.
bool writable(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == ENOENT;
}

// In a sticky folder only the owner of a name, the owner of the folder or
// the superuser may replace it; rename refuses everyone else.
bool foreign(const std::string& path) {
    struct stat target {};
    struct stat folder {};
    if (::lstat(path.c_str(), &target) != 0 || ::stat(folder_of(path).c_str(), &folder) != 0) return false;
    const uid_t me = ::geteuid();
    return (folder.st_mode & S_ISVTX) != 0 && target.st_uid != me && folder.st_uid != me && me != 0;
}

}  // namespace

TargetProblem check_target(const std::string& path) {
    if (!writable(path)) return TargetProblem::uncreatable;
    if (foreign(path)) return TargetProblem::foreign;
    return TargetProblem::none;
}

PendingFile::PendingFile(const std::string& path, bool named_only) : path_(path) {
    remove_abandoned_hidden_files(path);
    int fd = -1;
    if (!named_only) {
        fd = open_unnamed_file(folder_of(path), 0666);
        if (fd < 0 && !lacks_unnamed_files(errno)) return;
    }
    if (fd < 0) {
        fd = create_named(path);
        if (fd < 0) return;
        named_ = true;
    }
    // Held while this run lives: the file is not abandoned (a file system
    // without locks only keeps the next runs from removing it).
    ::flock(fd, LOCK_EX | LOCK_NB);
    stream_ = ::fdopen(fd, "w");
    if (stream_ == nullptr) {
        ::close(fd);
        if (named_) remove_named();
    }
}

void PendingFile::abandon() {
    if (stream_ == nullptr) return;
    std::fclose(stream_);
    stream_ = nullptr;
    if (named_) remove_named();
}

CommitResult PendingFile::commit() {
    std::FILE* const stream = stream_;
    stream_ = nullptr;
    if (named_) {
        // fclose writes out the buffered tail, which is where a full disk
        // usually shows up.
        if (std::fclose(stream) != 0) {
            remove_named();
            return CommitResult::write_failed;
        }
        return rename_named(path_) ? CommitResult::ok : CommitResult::name_failed;
    }
    // The unnamed file is named while it is still open, and vanishes with
    // its descriptor when that fails.
    const bool written = std::fflush(stream) == 0;
    const bool named = written && replace_with_unnamed_file(::fileno(stream), path_) == 0;
    const bool closed = std::fclose(stream) == 0;
    if (!written) return CommitResult::write_failed;
    if (!named) return CommitResult::name_failed;
    return closed ? CommitResult::ok : CommitResult::write_failed;
}

void remove_pending_at_signal() {
    if (temp_exists) ::unlink(temp_path);
}

}  // namespace gen
