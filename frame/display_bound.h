// Every wait on the display is bounded, and a display that fails the
// program is told in the program's own words: from the program's own
// connection on, through the window toolkit's connection, the window's
// creation and every picture, to the window's end.
//
// The display must answer within kDisplayAnswerSeconds (display_check.h),
// counted from its last answer (the window watch asks it a few times a
// second), the time the program itself spends computing not counted; past
// that the program says so and ends with status 1. A lost
// connection, and an error of the window toolkit, end it too. While the
// window is being opened each of these is told as the window that cannot
// be opened (status 1, the log line already written); once it is open, as
// the window lost: a display that stops answering with status 1, a lost
// connection with kLostDisplayStatus.
#pragma once

#include <string>

// The exit status when the connection to the display is lost while the
// window is open (the X server ended, or another client such as xkill
// closed the connection).
inline constexpr int kLostDisplayStatus = 3;

// Starts the bound, before the program's own connection to the display
// shown_name (as a message shows it) is made.
void start_display_bound(const std::string& shown_name);

// The display has answered: the bound counts from now.
void display_answered();

// The window is open: from now on a failure is the window lost.
void window_opened();

// The window has ended: the waits ahead are the user's (the console pause).
// A connection lost from now on ends the program quietly, with status 0.
void stop_display_bound();
