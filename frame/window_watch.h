// Keeps the program's life tied to its window when another client takes the
// window away: destroys it (xdotool windowclose, a session manager) or closes
// the program's connection to the display (xkill, the X server ending).
// Without this the window toolkit would run on with no window at all.
#pragma once

// Called once the window is created and current: watches it through the
// display check's connection (checked_display) and ends the event loop, as
// closing the window does, when the window is destroyed. A connection to
// the display that breaks ends the program at once with status 0, as a
// closed window does, without the Xlib's own message. Does nothing without
// a checked connection.
void watch_window();
