// One run of a hull program as the window tests start it: in a folder of its
// own, on a given X display, with standard input from /dev/null and its
// output kept in files of that folder.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

class ProgramRun {
public:
    // Starts program with the arguments in folder with DISPLAY=display;
    // throws std::runtime_error if it cannot be started. Its output goes to
    // folder/stdout.txt and folder/stderr.txt. in_child, if given, runs in the
    // new process just before the program is started (to set a limit, say).
    ProgramRun(const std::string& program, const std::filesystem::path& folder, const std::string& display,
               const std::function<void()>& in_child = {}, const std::vector<std::string>& arguments = {});
    // Kills the program if it is still running.
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool running();

    // Waits until the program has ended or timeout has passed; true if it ended.
    bool wait_for_exit(std::chrono::milliseconds timeout);

    void terminate();  // SIGTERM
    void send(int signal_number);

    // How it ended, once running() is false: exit status or signal number.
    bool exited_normally() const;
    int exit_status() const;
    int signal_number() const;
    // The program's peak resident memory in KB, once running() is false.
    long peak_memory_kb() const;

private:
    pid_t pid_ = -1;
    int status_ = 0;
    long peak_kb_ = 0;
};
