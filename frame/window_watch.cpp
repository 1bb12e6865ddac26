#include "window_watch.h"

#include "display_bound.h"
#include "display_check.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>


namespace {

// How often the watching connection is looked at while the event loop waits.
constexpr unsigned kWatchMilliseconds = 200;

Display* watcher = nullptr;
Window watched = None;
bool window_gone = false;
XErrorHandler earlier_handler = nullptr;

// Once the window is gone, the toolkit's own teardown still names it (it
// destroys the window and its drawable) and draws nothing: the errors that
// brings are expected. Errors of the watching connection only concern the
// watch. Every other error goes to the handler that was there before.
int on_x_error(Display* display, XErrorEvent* error) {
    if (display == watcher) {
        if (error->resourceid == watched) window_gone = true;
        return 0;
    }
    if (window_gone) return 0;
    return earlier_handler != nullptr ? earlier_handler(display, error) : 0;
}

void look_at_window(int) {
    // A round trip: the display still answers.
    XSync(watcher, False);
    display_answered();
    while (!window_gone && XPending(watcher) > 0) {
        XEvent event;
        XNextEvent(watcher, &event);
        if (event.type == DestroyNotify && event.xdestroywindow.window == watched) window_gone = true;
    }
    if (window_gone) {
        glutLeaveMainLoop();
        return;
    }
    glutTimerFunc(kWatchMilliseconds, look_at_window, 0);
}

}  // namespace

void watch_window() {
    watcher = checked_display();
    watched = glXGetCurrentDrawable();  // the toolkit draws straight into its X window
    if (watcher == nullptr || watched == None) return;
    window_opened();
    earlier_handler = XSetErrorHandler(on_x_error);
    XSelectInput(watcher, watched, StructureNotifyMask);
    // A window destroyed before this point shows as an error of the request.
    XSync(watcher, False);
    display_answered();
    glutTimerFunc(kWatchMilliseconds, look_at_window, 0);
}
