#include "display_check.h"

#include "input_error.h"

#include <X11/Xlib.h>

#include <cstdlib>

std::string display_problem() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') return "promenljiva DISPLAY nije postavljena (nema ekrana)";
    Display* display = XOpenDisplay(name);
    if (display == nullptr) return "veza sa ekranom '" + printable(name) + "' nije uspela";
    // The connection stays open until the process ends. An X server with no
    // other client resets itself when its last connection closes, and a
    // connection the window toolkit makes right then may be refused.
    static Display* const kept = display;
    (void)kept;
    return "";
}
