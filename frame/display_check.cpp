#include "display_check.h"

#include "input_error.h"

#include <X11/Xlib.h>

#include <cstdlib>

std::string display_problem() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') return "promenljiva DISPLAY nije postavljena (nema ekrana)";
    Display* display = XOpenDisplay(name);
    if (display == nullptr) return "veza sa ekranom '" + printable(name) + "' nije uspela";
    XCloseDisplay(display);
    return "";
}
