#include "program_run.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ProgramRun::ProgramRun(const std::string& program, const std::filesystem::path& folder, const std::string& display,
                       const std::function<void()>& in_child, const std::vector<std::string>& arguments) {
    const std::string out = (folder / "stdout.txt").string();
    const std::string err = (folder / "stderr.txt").string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the tests
        if (chdir(folder.c_str()) != 0) _exit(126);
        const int in = open("/dev/null", O_RDONLY);
        const int out_fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err_fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out_fd < 0 || err_fd < 0) _exit(126);
        dup2(in, STDIN_FILENO);
        dup2(out_fd, STDOUT_FILENO);
        dup2(err_fd, STDERR_FILENO);
        setenv("DISPLAY", display.c_str(), 1);
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
        // In the sanitizer build: Mesa's GL driver, loaded and unloaded at run
        // time, leaves its buffers allocated at exit, and LeakSanitizer would
        // blame the program for them. Only the programs started here run
        // without leak detection; every other check stays on.
        const char* asan = std::getenv("ASAN_OPTIONS");
        const std::string asan_options = (asan != nullptr && *asan != '\0' ? std::string(asan) + ":" : "") + "detect_leaks=0";
        setenv("ASAN_OPTIONS", asan_options.c_str(), 1);
        if (in_child) in_child();
        execv(program.c_str(), argv.data());
        _exit(127);
    }
}

ProgramRun::~ProgramRun() {
    if (running()) {
        kill(pid_, SIGKILL);
        wait4(pid_, &status_, 0, nullptr);
    }
}

bool ProgramRun::running() {
    if (pid_ < 0) return false;
    struct rusage usage {};
    if (wait4(pid_, &status_, WNOHANG, &usage) == 0) return true;
    peak_kb_ = usage.ru_maxrss;
    pid_ = -1;
    return false;
}

bool ProgramRun::wait_for_exit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void ProgramRun::terminate() {
    if (pid_ > 0) kill(pid_, SIGTERM);
}

void ProgramRun::send(int signal_number) {
    if (pid_ > 0) kill(pid_, signal_number);
}

bool ProgramRun::exited_normally() const { return WIFEXITED(status_); }
int ProgramRun::exit_status() const { return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1; }
int ProgramRun::signal_number() const { return WIFSIGNALED(status_) ? WTERMSIG(status_) : 0; }
long ProgramRun::peak_memory_kb() const { return peak_kb_; }
