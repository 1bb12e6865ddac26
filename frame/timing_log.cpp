#include "timing_log.h"

#include "file_kind.h"
#include "input_error.h"
#include "signal_guard.h"
#include "unnamed_file.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

std::string format_label(const char* label_format, std::int32_t n) {
    char label[16];
    std::snprintf(label, sizeof label, label_format, n);
    return label;
}

std::string format_log_line(const std::string& label, std::int64_t elapsed_ms) {
    const long seconds = static_cast<long>(elapsed_ms / 1000);
    const long millis = static_cast<long>(elapsed_ms % 1000);
    char line[128];
    std::snprintf(line, sizeof line, "%-8s: %3ld sekundi %5ld milisekundi\n", label.c_str(), seconds, millis);
    return line;
}

namespace {

// O_NONBLOCK: opening a FIFO without a reader fails at once instead of waiting.
constexpr int kAppendFlags = O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// How long a run waits for a lock on the log. Runs hold their locks only for
// one write; a lock held longer is some other program's.
constexpr auto kLockWait = std::chrono::seconds(5);
constexpr auto kLockRetry = std::chrono::milliseconds(10);

// Opens the log to append the line, for reading too where the user may read
// it (the last byte tells whether the log ends its last line); a log that can
// only be written is opened for writing alone.
int open_to_append(const char* name, int create_flags) {
    const int read_write = (kAppendFlags & ~O_WRONLY) | O_RDWR;
    const int fd = ::open(name, read_write | create_flags, 0666);
    if (fd >= 0 || errno != EACCES) return fd;
    return ::open(name, kAppendFlags | create_flags, 0666);
}

// Tries take until it succeeds, for at most kLockWait; false if it fails
// otherwise (no locks on this file system) or the time is up.
template <class Take>
bool take_within_wait(Take take) {
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (!take()) {
        if (errno != EWOULDBLOCK && errno != EAGAIN && errno != EACCES && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kLockRetry);
    }
    return true;
}

// Takes the locks of the log, each waited for at most kLockWait. The whole
// file's flock, which other programs may take too (a user's script that
// reads the log whole, say), is waited for as a courtesy; past the wait the
// line goes on without it. Then a lock of the kind only these runs take on
// the log (an open file description lock, which a flock does not stand in
// the way of), so that the runs add their lines one at a time even while
// another program holds the flock. True if the runs' own lock is held.
bool lock_log(int fd) {
    take_within_wait([fd] { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; });
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return take_within_wait([fd, &whole] { return ::fcntl(fd, F_OFD_SETLK, &whole) == 0; });
}

// Whether the log of the given status has a last line without its newline
// (edited by hand, or written by another program). A log opened for writing
// alone (the user may write it, not read it) is read through a second
// descriptor, for which its owner lends himself the right to read for that
// moment, every signal held meanwhile so that its mode is put back; a log
// that cannot be read at all counts as ending in one.
bool ends_mid_line(int fd, const struct stat& st) {
    if (st.st_size == 0) return false;
    char last = '\n';
    if (::pread(fd, &last, 1, st.st_size - 1) == 1) return last != '\n';
    if (errno != EBADF || st.st_uid != ::geteuid()) return false;
    int reader = -1;
    {
        const SignalsHeld held;
        if (::fchmod(fd, (st.st_mode & 07777) | S_IRUSR) != 0) return false;
        reader = ::open(descriptor_path(fd).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        ::fchmod(fd, st.st_mode & 07777);
    }
    const bool mid_line = reader >= 0 && ::pread(reader, &last, 1, st.st_size - 1) == 1 && last != '\n';
    if (reader >= 0) ::close(reader);
    return mid_line;
}

// Where a file of this name would come into being: the name itself or, for
// a link to a missing file, the link's target.
std::string creation_path(const std::string& name) {
    struct stat st {};
    if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(name.c_str(), target, sizeof target - 1);
    if (length <= 0) return name;
    const std::string link(target, static_cast<std::size_t>(length));
    return link.front() == '/' ? link : folder_of(name) + "/" + link;
}

// Whether a file of size bytes may grow by the line: asked before writing,
// so that a full disk or the file size limit refuses the line whole instead
// of cutting it.
bool room_for(int fd, off_t size, const std::string& line) {
    const auto end = static_cast<unsigned long long>(size) + line.size();
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && end > limit.rlim_cur) return false;
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, size, static_cast<off_t>(line.size())) == 0) return true;
    return errno != ENOSPC && errno != EDQUOT && errno != EFBIG;  // other errors: the file system has no such call
}

bool write_whole(int fd, const std::string& line) {
    ssize_t written;
    do {
        written = ::write(fd, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(line.size());
}

}  // namespace

TimingLog::TimingLog(std::string name) : name_(std::move(name)) {
    struct stat st {};
    if (::stat(name_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) fail_open();
        if (!S_ISREG(st.st_mode)) fail_kind(st.st_mode);
        // Opening a regular file for appending, without creating it, changes nothing.
        const int fd = ::open(name_.c_str(), kAppendFlags);
        if (fd < 0) fail_open();
        ::close(fd);
        return;
    }
    if (errno != ENOENT) fail_open();
    const std::string folder = folder_of(creation_path(name_));
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) fail_open();
}

void TimingLog::fail_open() const {
    throw InputError("Greska: ne mogu da otvorim datoteku " + printable(name_) + " za dopisivanje.");
}

void TimingLog::fail_write() const {
    throw InputError("Greska: upis u datoteku " + printable(name_) + " nije uspeo.");
}

void TimingLog::fail_kind(mode_t mode) const {
    throw InputError("Greska: " + printable(name_) + ": to nije obicna datoteka nego " + non_regular_kind(mode) +
                     ", u nju se ne dopisuje.");
}

void TimingLog::append_and_close(const std::string& line) {
    // Another run may create the log between the tries below; then the
    // line is appended to that run's file.
    for (int round = 0; round < 3; ++round) {
        const int fd = open_to_append(name_.c_str(), 0);
        if (fd >= 0) {
            write_line(fd, line);
            return;
        }
        if (errno != ENOENT) fail_open();
        if (create_holding(line)) return;
    }
    fail_open();
}

// Appends the line to the open log and closes it. A last line without its
// newline gets one, in the same write, so the new line never joins it.
//
// The last byte is read under the runs' own lock, which every run that
// appends to the log takes: otherwise two runs could both find the newline
// missing and each add one. Every line a run appends ends in a newline, so
// only a run that goes on without that lock (a file system without locks,
// or another program holding it for long) could add an empty line; none
// ever joins or loses one.
void TimingLog::write_line(int fd, const std::string& line) const {
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!regular) {
        ::close(fd);
        fail_kind(st.st_mode);
    }
    // The size as it is under the lock, where the line will start.
    if (lock_log(fd) && ::fstat(fd, &st) != 0) {
        ::close(fd);
        fail_write();
    }
    const std::string text = ends_mid_line(fd, st) ? "\n" + line : line;
    const bool written = room_for(fd, st.st_size, text) && write_whole(fd, text);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) fail_write();
}

// Creates the missing log holding the line; false if another run created
// it first. Where the file system offers it, the line goes into an unnamed
// file of the log's folder that gets the log's name only once it holds the
// line: a run ended at any moment leaves no log at all rather than an empty one.
bool TimingLog::create_holding(const std::string& line) const {
    const auto create_by_name = [&] {
        const int fd = open_to_append(name_.c_str(), O_CREAT);
        if (fd < 0) fail_open();
        write_line(fd, line);
        return true;
    };
    // A link to a missing file: the log lives where the user points it.
    if (creation_path(name_) != name_) return create_by_name();

    const int fd = open_unnamed_file(folder_of(name_), 0666);
    if (fd < 0) {
        if (lacks_unnamed_files(errno)) return create_by_name();
        fail_open();
    }
    if (!room_for(fd, 0, line) || !write_whole(fd, line)) {
        ::close(fd);
        fail_write();
    }
    const int linked = link_unnamed_file(fd, name_);
    const int link_error = errno;
    ::close(fd);
    if (linked == 0) return true;
    if (link_error == EEXIST) return false;
    if (link_error == ENOENT) return create_by_name();  // no /proc to name the file by
    fail_open();
}
