// A connection to the virtual X server the window tests run on (started by
// tests/window/with_xvfb.sh, which names it in DISPLAY; Mesa's software renderer draws the
// programs' windows): the tests look at, resize and take away those windows
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
    // Connects to the server named by DISPLAY.
    // Throws std::runtime_error if DISPLAY is unset or the connection fails.
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // The DISPLAY value of the server, e.g. ":3".
    const std::string& name() const { return name_; }

    // A viewable window with exactly this title, at any depth below the root
    // (a window manager puts it inside a frame of its own), or kNoWindow.
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

    // Destroys the window from this client, as xdotool windowclose does.
    void destroy(WindowId window) const;

    // Closes the connection of the window's client, as xkill does or the end
    // of a session.
    void kill_client(WindowId window) const;

    // Whether some client (a window manager) manages the top-level windows.
    bool managed() const;

    // The X server's process (the peer of this connection).
    pid_t server_pid() const;

    // Lets every local client connect, without the authorization cookie.
    void open_to_every_client() const;

private:
    std::string name_;
    _XDisplay* display_ = nullptr;
};
