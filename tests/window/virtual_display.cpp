#include "virtual_display.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Windows may vanish between a query and the next request (the program under
// test ends, or is being resized): such errors are expected and only make
// the request report failure. Xlib's default handler would end the process.
int x_errors = 0;
int count_x_error(Display*, XErrorEvent*) {
    ++x_errors;
    return 0;
}

// Errors raised by the requests made inside `body`, after a round trip.
template <class Body>
bool without_x_errors(Display* display, Body body) {
    XSync(display, False);
    const int before = x_errors;
    body();
    XSync(display, False);
    return x_errors == before;
}

// Reads "N\n" from the descriptor the server announces its display on.
std::string read_display_number(int fd) {
    std::string text;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 15000) <= 0) break;  // no word from the server in 15 s
        char c;
        if (read(fd, &c, 1) != 1 || c == '\n') break;
        text += c;
    }
    return text;
}

unsigned channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0) ++shift;
    const unsigned long value = (pixel & mask) >> shift;
    const unsigned long max = mask >> shift;
    return static_cast<unsigned>((value * 255 + max / 2) / max);
}

}  // namespace

VirtualDisplay::VirtualDisplay(int width, int height) {
    int announce[2];
    if (pipe(announce) != 0) throw std::runtime_error("pipe failed");
    const std::string fd_text = std::to_string(announce[1]);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";

    server_pid_ = fork();
    if (server_pid_ < 0) throw std::runtime_error("fork failed");
    if (server_pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive the tests
        close(announce[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", fd_text.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(announce[1]);
    const std::string number = read_display_number(announce[0]);
    close(announce[0]);
    if (number.empty()) {
        shut_down();
        throw std::runtime_error("Xvfb did not announce a display (is it installed?)");
    }
    name_ = ":" + number;
    XSetErrorHandler(count_x_error);
    display_ = XOpenDisplay(name_.c_str());
    if (display_ == nullptr) {
        shut_down();
        throw std::runtime_error("cannot connect to the virtual display " + name_);
    }
}

VirtualDisplay::~VirtualDisplay() { shut_down(); }

void VirtualDisplay::shut_down() {
    if (display_ != nullptr) XCloseDisplay(display_);
    display_ = nullptr;
    if (server_pid_ > 0) {
        kill(server_pid_, SIGTERM);
        waitpid(server_pid_, nullptr, 0);
    }
    server_pid_ = -1;
}

WindowId VirtualDisplay::find_window(const std::string& title) const {
    Window root_return = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = None;
    without_x_errors(display_, [&] {
        if (XQueryTree(display_, DefaultRootWindow(display_), &root_return, &parent, &children, &count) == 0) return;
        for (unsigned i = 0; i < count && found == None; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display_, children[i], &attributes) == 0 ||
                attributes.map_state != IsViewable)
                continue;
            char* name = nullptr;
            if (XFetchName(display_, children[i], &name) != 0 && name != nullptr) {
                if (title == name) found = children[i];
                XFree(name);
            }
        }
    });
    if (children != nullptr) XFree(children);
    return found;
}

std::optional<WindowGeometry> VirtualDisplay::geometry(WindowId window) const {
    WindowGeometry g;
    const bool ok = without_x_errors(display_, [&] {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, window, &attributes) == 0) return;
        Window child;
        XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &g.x, &g.y, &child);
        g.width = attributes.width;
        g.height = attributes.height;
    });
    if (!ok || g.width == 0) return std::nullopt;
    return g;
}

std::optional<Picture> VirtualDisplay::grab(WindowId window) const {
    XImage* image = nullptr;
    XWindowAttributes attributes{};
    without_x_errors(display_, [&] {
        if (XGetWindowAttributes(display_, window, &attributes) == 0) return;
        image = XGetImage(display_, window, 0, 0, static_cast<unsigned>(attributes.width),
                          static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    });
    if (image == nullptr) return std::nullopt;

    Picture picture;
    picture.width = image->width;
    picture.height = image->height;
    picture.rgb.resize(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3);
    std::uint8_t* out = picture.rgb.data();
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            *out++ = static_cast<std::uint8_t>(channel(pixel, image->red_mask));
            *out++ = static_cast<std::uint8_t>(channel(pixel, image->green_mask));
            *out++ = static_cast<std::uint8_t>(channel(pixel, image->blue_mask));
        }
    }
    XDestroyImage(image);
    return picture;
}

void VirtualDisplay::resize(WindowId window, int width, int height) const {
    XResizeWindow(display_, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(display_, False);
}

void VirtualDisplay::request_close(WindowId window) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
}
