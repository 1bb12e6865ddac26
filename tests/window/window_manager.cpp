#include "window_manager.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The X server's built-in font only: a virtual server has no other fonts,
// and twm ends when it cannot open one it is told to use.
constexpr const char* kConfig =
    "TitleFont \"fixed\"\nResizeFont \"fixed\"\nMenuFont \"fixed\"\nIconFont \"fixed\"\nIconManagerFont \"fixed\"\n";

}  // namespace

WindowManager::WindowManager(const VirtualDisplay& display) {
    std::string path = (std::filesystem::temp_directory_path() / "twmrc-XXXXXX").string();
    const int fd = mkstemp(path.data());
    if (fd < 0) throw std::runtime_error("cannot write twm's configuration");
    config_ = path;
    const std::string text = kConfig;
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    if (!written) {
        stop();
        throw std::runtime_error("cannot write twm's configuration");
    }

    pid_ = fork();
    if (pid_ < 0) {
        stop();
        throw std::runtime_error("fork failed");
    }
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive the tests
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        setenv("LC_ALL", "C", 1);  // one font for one character set
        execlp("twm", "twm", "-f", path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!display.managed()) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            stop();
            throw std::runtime_error("twm ended at once (is it installed?)");
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            stop();
            throw std::runtime_error("twm did not take over the screen");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

WindowManager::~WindowManager() { stop(); }

void WindowManager::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
    if (!config_.empty()) std::remove(config_.c_str());
    config_.clear();
}
