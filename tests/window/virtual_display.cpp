#include "virtual_display.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <sys/socket.h>
#include <stdexcept>

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

unsigned channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0) ++shift;
    const unsigned long value = (pixel & mask) >> shift;
    const unsigned long max = mask >> shift;
    return static_cast<unsigned>((value * 255 + max / 2) / max);
}

}  // namespace

VirtualDisplay::VirtualDisplay() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0')
        throw std::runtime_error("DISPLAY is not set: run the window tests under tests/window/with_xvfb.sh (as CTest does)");
    name_ = name;
    XSetErrorHandler(count_x_error);
    display_ = XOpenDisplay(name);
    if (display_ == nullptr) throw std::runtime_error("cannot connect to the display " + name_);
}

VirtualDisplay::~VirtualDisplay() { XCloseDisplay(display_); }

namespace {

// Depth-first below parent: the first viewable window with the title.
Window find_below(Display* display, Window parent, const std::string& title) {
    Window root_return = None;
    Window parent_return = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, parent, &root_return, &parent_return, &children, &count) == 0) return None;
    Window found = None;
    for (unsigned i = 0; i < count && found == None; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) == 0 || attributes.map_state != IsViewable)
            continue;
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) != 0 && name != nullptr) {
            if (title == name) found = children[i];
            XFree(name);
        }
        if (found == None) found = find_below(display, children[i], title);
    }
    if (children != nullptr) XFree(children);
    return found;
}

}  // namespace

WindowId VirtualDisplay::find_window(const std::string& title) const {
    Window found = None;
    without_x_errors(display_, [&] { found = find_below(display_, DefaultRootWindow(display_), title); });
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

void VirtualDisplay::destroy(WindowId window) const {
    XDestroyWindow(display_, window);
    XSync(display_, False);
}

void VirtualDisplay::kill_client(WindowId window) const {
    XKillClient(display_, window);
    XSync(display_, False);
}

bool VirtualDisplay::managed() const {
    // Only one client may redirect the root's children: the window manager.
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, DefaultRootWindow(display_), &attributes);
    return (attributes.all_event_masks & SubstructureRedirectMask) != 0;
}

pid_t VirtualDisplay::server_pid() const {
    ucred peer{};
    socklen_t size = sizeof peer;
    getsockopt(ConnectionNumber(display_), SOL_SOCKET, SO_PEERCRED, &peer, &size);
    return peer.pid;
}

void VirtualDisplay::open_to_every_client() const {
    XDisableAccessControl(display_);
    XSync(display_, False);
}
