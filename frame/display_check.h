// Whether the window can be opened at all: the X display that the viewer
// would use, tried before the window toolkit is started, so that its
// absence, a display without OpenGL, or one that never answers can be
// explained in the programs' own words.
#pragma once

#include <string>

struct _XDisplay;  // Xlib's Display

// Empty if the window toolkit can open its window on the display it will
// use: the one named by the last "-display NAME" of the command line (the
// toolkit's own option), else by DISPLAY; otherwise why not, as part of a
// message ("promenljiva DISPLAY nije postavljena (nema ekrana)"). The
// command line is read as the toolkit reads it: its options -display NAME,
// -geometry WxH+X+Y, -iconic, -direct, -indirect, -gldebug and -sync, and
// nothing else. The display must accept a connection, answer within
// kDisplayAnswerSeconds, offer GLX with a double-buffered RGB visual with
// depth, and give an OpenGL context of the kind the toolkit will ask for
// (direct unless -indirect; only direct with -direct). The trial runs in a
// child process, so that a display that never answers, or a graphics
// library that fails with its own messages, stops neither the program nor
// its output. On success the program's own connection is open and the
// bound of display_bound.h runs.
std::string display_problem(int argc, char** argv);

inline constexpr int kDisplayAnswerSeconds = 10;

// The connection to the display that a successful display_problem opened
// and keeps open until the process ends, or nullptr. Keeping it means the
// server never loses its last client between the check and the toolkit's
// own connection (an X server with no client resets itself and may refuse
// the next connection meanwhile).
_XDisplay* checked_display();
