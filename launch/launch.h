// Starting a program and waiting for it, for the tests and the benchmarks.
//
// The program is started without a shell, so no name or value ever becomes
// command text: its arguments, environment, working folder and standard
// streams are given one by one. It starts with every signal at its default
// action and none blocked, and it is killed if the process that started it
// dies. Its end is waited for within a bound; a Process destroyed while its
// program still runs kills the program (its whole process group, if it has
// one of its own) and reaps it, so nothing is left running.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <sys/types.h>

namespace launch {

// Where one of the program's standard streams comes from or goes.
class Stream {
public:
    enum class Kind { inherit, null, file, text, capture, pipe, closed };

    static Stream inherit() { return Stream(Kind::inherit); }  // the caller's own
    static Stream null() { return Stream(Kind::null); }        // /dev/null
    // Input: read from the file. Output: the file, created or emptied.
    // Opened by the caller, so a relative path is taken from its folder.
    static Stream file(std::filesystem::path path) { return Stream(Kind::file, path.string()); }
    // Input only: these bytes, then the end of the input.
    static Stream text(std::string bytes) { return Stream(Kind::text, std::move(bytes)); }
    // Output only: kept whole, whatever its size, and read back with
    // Process::output() or Process::errors().
    static Stream capture() { return Stream(Kind::capture); }
    // A pipe whose other end the caller holds (Process::input_fd, output_fd).
    static Stream pipe() { return Stream(Kind::pipe); }
    // No descriptor at all: the program starts with it closed.
    static Stream closed() { return Stream(Kind::closed); }

    Kind kind() const { return kind_; }
    const std::string& value() const { return value_; }

private:
    explicit Stream(Kind kind, std::string value = {}) : kind_(kind), value_(std::move(value)) {}
    Kind kind_;
    std::string value_;
};

struct Command {
    // A path; a name without a slash is looked up in PATH.
    std::string program;
    std::vector<std::string> arguments;  // after the program's own name
    std::string name;                    // the program's own name (argv[0]); program when empty
    // Changes to the caller's environment, in order: a variable set to the
    // value, or removed (no value).
    std::vector<std::pair<std::string, std::optional<std::string>>> environment;
    std::filesystem::path folder;  // the working folder; the caller's when empty
    Stream input = Stream::null();
    Stream output = Stream::inherit();
    Stream errors = Stream::inherit();
    // The program leads a process group of its own: signals and the kill at
    // the end reach everything it started that stayed in the group.
    bool own_process_group = false;
    // Runs in the new process once its streams are in place, just before the
    // program replaces it: a limit to set, a terminal to take. Only calls
    // that are safe between fork and exec (no allocation, no locks).
    std::function<void()> in_child;
};

// How the program ended.
struct Ending {
    // Whether the program itself ran; if not, start_error is the errno of
    // the failed start (ENOENT: no such program) and the rest means nothing.
    bool started = false;
    int start_error = 0;
    bool exited = false;        // ended by exit or return, not by a signal
    int status = -1;            // its exit status, if exited
    int signal = 0;             // the signal that ended it, if not exited
    double cpu_seconds = 0.0;   // user and system time of the program
    double wall_seconds = 0.0;  // from its start to its end
    long peak_kb = 0;           // its peak resident memory
};

class Process {
public:
    // Starts the program. std::system_error if no process can be made or a
    // stream cannot be opened; a program that cannot be run shows in
    // ending().started once it has ended.
    explicit Process(const Command& command);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }
    // The caller's ends of Stream::pipe() streams; -1 for other streams.
    int input_fd() const { return input_fd_; }
    int output_fd() const { return output_fd_; }
    int errors_fd() const { return errors_fd_; }
    void close_input();   // the program then reads the end of its input
    void close_output();  // the program's writes to its output pipe then fail (SIGPIPE)

    bool running();
    // Waits until the program has ended, or the bound has passed; true if it ended.
    bool wait_for(std::chrono::milliseconds bound);
    void wait();
    // The signal to the program, or to its process group if it has one.
    void send(int signal_number) const;
    // Kills it (SIGKILL) and waits for its end.
    void kill();

    // How it ended; meaningful once running() is false.
    const Ending& ending() const { return ending_; }
    // What a Stream::capture() stream received.
    std::string output() const;
    std::string errors() const;

private:
    bool reap(bool block);

    pid_t pid_ = -1;
    bool own_group_ = false;
    int pidfd_ = -1;          // becomes readable when the program ends
    int start_report_ = -1;   // the errno of a failed start, written by the new process
    int input_fd_ = -1;
    int output_fd_ = -1;
    int errors_fd_ = -1;
    int captured_output_ = -1;
    int captured_errors_ = -1;
    std::chrono::steady_clock::time_point started_;
    Ending ending_;
};

// The whole run of a command: started, waited for within the bound, killed
// past it.
struct Result {
    bool in_time = false;  // ended within the bound (otherwise killed)
    Ending ending;
    std::string output;  // a captured standard output
    std::string errors;  // a captured standard error
};
Result run(const Command& command, std::chrono::milliseconds bound);

}  // namespace launch
