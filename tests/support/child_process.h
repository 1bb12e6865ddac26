// Starting the real programs from tests: in a given directory, with a given
// display (or none), standard error kept in a file.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

class ChildProcess {
public:
    // Starts program with args in dir; DISPLAY is set to display, or removed
    // when display is empty. stdin is /dev/null; stderr goes to stderr_path.
    ChildProcess(const std::string& program, const std::vector<std::string>& args, const std::filesystem::path& dir,
                 const std::string& display, const std::filesystem::path& stderr_path) {
        pid_ = fork();
        if (pid_ != 0) return;
        if (chdir(dir.c_str()) != 0) _exit(127);
        if (display.empty()) unsetenv("DISPLAY"); else setenv("DISPLAY", display.c_str(), 1);
        const int in = open("/dev/null", O_RDONLY);
        const int err = open(stderr_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, STDIN_FILENO);
        dup2(err, STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    ~ChildProcess() {
        if (running()) stop();
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool running() {
        if (status_ >= 0) return false;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
        status_ = status;
        return false;
    }

    // Waits up to timeout for the process to end; its exit status, or -1.
    int wait_for_exit(std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (running() && std::chrono::steady_clock::now() < deadline) usleep(10'000);
        if (running()) return -1;
        return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
    }

    // Ends the process (SIGTERM, then SIGKILL) and returns how it ended.
    int stop() {
        if (running()) kill(pid_, SIGTERM);
        int code = wait_for_exit(std::chrono::seconds(5));
        if (code < 0) {
            kill(pid_, SIGKILL);
            code = wait_for_exit(std::chrono::seconds(5));
        }
        return code;
    }

    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int status_ = -1;
};

// Polls until predicate() holds or the timeout passes.
template <class Predicate>
bool wait_until(Predicate predicate, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!predicate()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        usleep(20'000);
    }
    return true;
}
