// A window manager (twm) on the display the window tests run on, for the
// cases that must hold under one as on a bare server: it reparents the
// programs' windows into frames of its own and closes them by the protocol.
#pragma once

#include "virtual_display.h"

#include <string>
#include <sys/types.h>

class WindowManager {
public:
    // Starts twm on the display and waits until it manages the screen.
    // Throws std::runtime_error if it does not (twm missing, say).
    explicit WindowManager(const VirtualDisplay& display);
    ~WindowManager();  // ends twm
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

private:
    void stop();

    pid_t pid_ = -1;
    std::string config_;
};
