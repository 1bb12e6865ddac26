// A private X server (Xvfb, Mesa's software renderer) for one test program.
#pragma once

#include <stdexcept>
#include <string>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

class VirtualDisplay {
public:
    VirtualDisplay() {
        int fds[2];
        if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb writes the display number it chose once it accepts clients.
        char number[32] = {};
        ssize_t got = 0;
        while (got < static_cast<ssize_t>(sizeof number) - 1) {
            const ssize_t r = read(fds[0], number + got, sizeof number - 1 - static_cast<std::size_t>(got));
            if (r <= 0) break;
            got += r;
            if (number[got - 1] == '\n') break;
        }
        close(fds[0]);
        if (got <= 1) {
            stop();
            throw std::runtime_error("Xvfb did not start");
        }
        name_ = ":" + std::string(number, static_cast<std::size_t>(got - 1));
    }
    ~VirtualDisplay() { stop(); }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // The DISPLAY value, e.g. ":3".
    const std::string& name() const { return name_; }

private:
    void stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    pid_t pid_ = -1;
    std::string name_;
};
