// A private virtual X server (Xvfb, drawn by Mesa's software renderer) and an
// Xlib connection to it: the window tests look at the programs' windows
// through it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A window's contents, row by row from the top, three bytes (red, green,
// blue) per pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    const std::uint8_t* at(int x, int y) const {
        return &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3];
    }
};

// Xlib's own names (Window, Display, None, ...) are macros and typedefs that
// clash with other headers, so they stay in the .cpp file.
struct _XDisplay;
using WindowId = unsigned long;  // an X window id (XID)
inline constexpr WindowId kNoWindow = 0;

struct WindowGeometry {
    int x = 0;  // top-left corner on the screen
    int y = 0;
    int width = 0;
    int height = 0;
};

class VirtualDisplay {
public:
    // Starts the server on a free display number with one screen of
    // width x height pixels at 24 bits and connects to it. The server ends
    // with this object, or with the process if that ends first.
    // Throws std::runtime_error if either step fails.
    VirtualDisplay(int width, int height);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // The DISPLAY value of the server, e.g. ":3".
    const std::string& name() const { return name_; }

    // A viewable top-level window with exactly this title, or kNoWindow.
    WindowId find_window(const std::string& title) const;

    // Position on the screen and size, or nothing if the window is gone.
    std::optional<WindowGeometry> geometry(WindowId window) const;

    // The window's contents as they are on the screen now, or nothing if the
    // window is gone or not wholly on the screen.
    std::optional<Picture> grab(WindowId window) const;

    void resize(WindowId window, int width, int height) const;

    // Asks the window's client to close it, as a window manager's close
    // button does (WM_DELETE_WINDOW).
    void request_close(WindowId window) const;

private:
    void shut_down();  // disconnects and ends the server, whatever has been started

    pid_t server_pid_ = -1;
    std::string name_;
    _XDisplay* display_ = nullptr;
};
