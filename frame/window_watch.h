// Keeps the program's life tied to its window when another client takes the
// window away: destroys it (xdotool windowclose, a session manager) or closes
// the program's connection to the display (xkill, the X server ending), or
// when the display stops answering. Without this the window toolkit would
// run on with no window at all, or wait for good.
#pragma once

// Called once the window is created and current: watches it through the
// display check's connection (checked_display) and ends the event loop, as
// closing the window does, when the window is destroyed. A few times a
// second it asks the display for an answer, which keeps the bound of
// display_bound.h from running out; a display that stops answering or a
// connection that breaks ends the program there. Does nothing without a
// checked connection.
void watch_window();
