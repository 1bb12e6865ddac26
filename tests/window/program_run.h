// One run of a hull program as the tests start it: in a folder of its own, on
// a given X display, with standard input from /dev/null and its output kept
// in folder/stdout.txt and folder/stderr.txt.
#pragma once

#include "launch.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class ProgramRun : public launch::Process {
public:
    // DISPLAY=display; in_child, if given, runs in the new process just
    // before the program (to set a limit, say).
    ProgramRun(const std::string& program, const std::filesystem::path& folder, const std::string& display,
               const std::function<void()>& in_child = {}, const std::vector<std::string>& arguments = {});

    bool wait_for_exit(std::chrono::milliseconds timeout) { return wait_for(timeout); }
    void terminate() { send(SIGTERM); }

    // How it ended, once running() is false.
    bool exited_normally() const { return ending().exited; }
    int exit_status() const { return ending().status; }
    int signal_number() const { return ending().signal; }
    long peak_memory_kb() const { return ending().peak_kb; }
};
