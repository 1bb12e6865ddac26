#include "launch.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace launch {
namespace {

[[noreturn]] void fail(const std::string& what) { throw std::system_error(errno, std::generic_category(), what); }

void close_fd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// One standard stream as the new process gets it: the descriptor to put in
// place (-1: the caller's own stays, kClosed: none), and the caller's end.
constexpr int kClosed = -2;
struct Prepared {
    int child = -1;
    int caller = -1;
};

int unnamed_file_holding(const std::string& bytes) {
    const int fd = ::memfd_create("launch", MFD_CLOEXEC);
    if (fd < 0) fail("memfd_create");
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            ::close(fd);
            fail("write");
        }
        done += static_cast<std::size_t>(wrote);
    }
    ::lseek(fd, 0, SEEK_SET);
    return fd;
}

Prepared prepare(const Stream& stream, bool is_input) {
    const int direction = is_input ? O_RDONLY : O_WRONLY;
    Prepared p;
    switch (stream.kind()) {
        case Stream::Kind::inherit: return p;
        case Stream::Kind::closed: p.child = kClosed; return p;
        case Stream::Kind::null: p.child = ::open("/dev/null", direction | O_CLOEXEC); break;
        case Stream::Kind::file:
            p.child = ::open(stream.value().c_str(), is_input ? O_RDONLY | O_CLOEXEC : O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                             0644);
            break;
        case Stream::Kind::text:
            if (!is_input) throw std::invalid_argument("launch: Stream::text is for the input only");
            return {unnamed_file_holding(stream.value()), -1};
        case Stream::Kind::capture:
            if (is_input) throw std::invalid_argument("launch: Stream::capture is for output only");
            p.child = ::memfd_create("launch", MFD_CLOEXEC);
            if (p.child >= 0) p.caller = ::fcntl(p.child, F_DUPFD_CLOEXEC, 0);
            break;
        case Stream::Kind::pipe: {
            int ends[2];
            if (::pipe2(ends, O_CLOEXEC) != 0) fail("pipe2");
            p.child = is_input ? ends[0] : ends[1];
            p.caller = is_input ? ends[1] : ends[0];
            return p;
        }
    }
    if (p.child < 0) fail("launch: " + (stream.value().empty() ? std::string("stream") : stream.value()));
    return p;
}

// The caller's environment with the command's changes.
std::vector<std::string> environment_of(const Command& command) {
    std::vector<std::string> entries;
    for (char** e = environ; *e != nullptr; ++e) entries.emplace_back(*e);
    for (const auto& [name, value] : command.environment) {
        const std::string prefix = name + "=";
        std::erase_if(entries, [&](const std::string& entry) { return entry.compare(0, prefix.size(), prefix) == 0; });
        if (value) entries.push_back(prefix + *value);
    }
    return entries;
}

std::vector<char*> pointers_to(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The new process, up to the program: only calls that are safe after fork.
[[noreturn]] void become(const Command& command, const Prepared (&streams)[3], pid_t parent, int report, char** argv,
                         char** envp) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);  // the caller is gone already
    if (command.own_process_group) ::setpgid(0, 0);
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    for (int signal_number = 1; signal_number < NSIG; ++signal_number) {
        if (signal_number != SIGKILL && signal_number != SIGSTOP) ::sigaction(signal_number, &default_action, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    // Out of the way of 0, 1 and 2 first, so that no stream takes another's place.
    int sources[3];
    for (int fd = 0; fd < 3; ++fd) {
        sources[fd] = streams[fd].child >= 0 ? ::fcntl(streams[fd].child, F_DUPFD_CLOEXEC, 3) : streams[fd].child;
    }
    for (int fd = 0; fd < 3; ++fd) {
        if (sources[fd] == kClosed) ::close(fd);
        if (sources[fd] >= 0) ::dup2(sources[fd], fd);
    }
    if (command.folder.empty() || ::chdir(command.folder.c_str()) == 0) {
        if (command.in_child) command.in_child();
        ::execvpe(command.program.c_str(), argv, envp);
    }
    const int error = errno;
    const ssize_t ignored = ::write(report, &error, sizeof error);
    (void)ignored;
    ::_exit(127);
}

std::string read_whole(int fd) {
    std::string text;
    if (fd < 0) return text;
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return text;
        text.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
}

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); }

}  // namespace

Process::Process(const Command& command) : own_group_(command.own_process_group) {
    std::vector<std::string> words{command.name.empty() ? command.program : command.name};
    words.insert(words.end(), command.arguments.begin(), command.arguments.end());
    std::vector<char*> argv = pointers_to(words);
    std::vector<std::string> entries = environment_of(command);
    std::vector<char*> envp = pointers_to(entries);

    Prepared streams[3];
    int report[2] = {-1, -1};
    const auto close_all = [&] {
        for (Prepared& p : streams) {
            if (p.child >= 0) ::close(p.child);
            if (p.caller >= 0) ::close(p.caller);
        }
        close_fd(report[0]);
        close_fd(report[1]);
    };
    try {
        streams[0] = prepare(command.input, true);
        streams[1] = prepare(command.output, false);
        streams[2] = prepare(command.errors, false);
        if (::pipe2(report, O_CLOEXEC) != 0) fail("pipe2");
    } catch (...) {
        close_all();
        throw;
    }
    const pid_t parent = ::getpid();
    started_ = std::chrono::steady_clock::now();
    pid_ = ::fork();
    if (pid_ == 0) become(command, streams, parent, report[1], argv.data(), envp.data());
    if (pid_ < 0) {
        const int error = errno;
        close_all();
        errno = error;
        fail("fork");
    }
    if (own_group_) ::setpgid(pid_, pid_);  // so that signals reach the group from the start
    for (Prepared& p : streams) close_fd(p.child);
    close_fd(report[1]);
    start_report_ = report[0];
    ::fcntl(start_report_, F_SETFL, O_NONBLOCK);
    const auto caller_end = [](const Stream& stream, int fd) { return stream.kind() == Stream::Kind::pipe ? fd : -1; };
    input_fd_ = streams[0].caller;
    output_fd_ = caller_end(command.output, streams[1].caller);
    errors_fd_ = caller_end(command.errors, streams[2].caller);
    if (command.output.kind() == Stream::Kind::capture) captured_output_ = streams[1].caller;
    if (command.errors.kind() == Stream::Kind::capture) captured_errors_ = streams[2].caller;
    pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));  // -1 on kernels without it
}

Process::~Process() {
    kill();
    for (int* fd : {&pidfd_, &start_report_, &input_fd_, &output_fd_, &errors_fd_, &captured_output_, &captured_errors_}) {
        close_fd(*fd);
    }
}

void Process::close_input() { close_fd(input_fd_); }
void Process::close_output() { close_fd(output_fd_); }

bool Process::reap(bool block) {
    if (pid_ < 0) return true;
    int status = 0;
    rusage usage{};
    pid_t got;
    do {
        got = ::wait4(pid_, &status, block ? 0 : WNOHANG, &usage);
    } while (got < 0 && errno == EINTR);
    if (got == 0) return false;
    ending_.wall_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    pid_ = -1;
    if (got < 0) return true;  // reaped elsewhere: nothing is known of its end
    ending_.exited = WIFEXITED(status);
    ending_.status = ending_.exited ? WEXITSTATUS(status) : -1;
    ending_.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    ending_.cpu_seconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    ending_.peak_kb = usage.ru_maxrss;
    int error = 0;
    ending_.started = ::read(start_report_, &error, sizeof error) != static_cast<ssize_t>(sizeof error);
    ending_.start_error = ending_.started ? 0 : error;
    return true;
}

bool Process::running() { return !reap(false); }

bool Process::wait_for(std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!reap(false)) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        if (pidfd_ >= 0) {
            pollfd ended{pidfd_, POLLIN, 0};
            ::poll(&ended, 1, static_cast<int>(std::min<long long>(left.count(), 1000)));
        } else {
            std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(10)));
        }
    }
    return true;
}

void Process::wait() { reap(true); }

void Process::send(int signal_number) const {
    if (pid_ > 0) ::kill(own_group_ ? -pid_ : pid_, signal_number);
}

void Process::kill() {
    send(SIGKILL);
    reap(true);
}

std::string Process::output() const { return read_whole(captured_output_); }
std::string Process::errors() const { return read_whole(captured_errors_); }

Result run(const Command& command, std::chrono::milliseconds bound) {
    Process process(command);
    Result result;
    result.in_time = process.wait_for(bound);
    if (!result.in_time) process.kill();
    result.ending = process.ending();
    result.output = process.output();
    result.errors = process.errors();
    return result;
}

}  // namespace launch
