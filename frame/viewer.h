// The window that shows the scene: points in their colours over the hull
// outline, framed so that everything the scene holds is in view. The user
// may look closer and step through the algorithm's work:
//   mouse wheel, + and -   zoom (the wheel about the cursor, the keys about
//                          the window's centre)
//   left drag, arrow keys  pan
//   0                      the opening framing again
//   s                      the first step, then each next one
//   b                      one step back
//   p                      play the steps at a steady pace, until p again
//   e                      the end: the picture the window opened with
// The steps are recorded by one untimed run of the algorithm, made at the
// first s (or p, or b). Until the first key or wheel event the picture is
// the opening one.
#pragma once

#include "step_record.h"

#include <cstdint>

// Opens the 1024 x 700 window "Geometrija - prikaz zadatka" at (100, 50),
// takes the camera's framing from the box of the scene (framed_box) and runs
// the GLUT event loop. Returns only if the event loop does: when the window
// is closed, or destroyed by another client (window_watch.h).
// GLUT may take its own options out of the copy of argc it is given.
void show_scene(int argc, char** argv);

// The run whose steps the window shows: recorded on the n sorted points,
// its hull written into hull (room for 2n elements). Without it, stepping
// says that there are no steps.
struct StepSource {
    StepLog::Recorded recorded = nullptr;
    const Point* points = nullptr;
    Point* hull = nullptr;
    std::int32_t n = 0;
};
void offer_steps(const StepSource& source);

// GLUT reshape callback: viewport, projection and camera for the new size.
// A size past what the renderer can hold (sides past its viewport limit or
// 8192, more than 4096 x 4096 pixels) is not drawn at: the window is asked
// to shrink back to the bound, keeping its shape, instead.
void on_reshape(int width, int height);

// GLUT display callback: circles, lines, segments, then points, so points
// lie on top of the outline. Draws nothing while the window is oversized.
void on_display();

// GLUT input callbacks: keys, arrow keys, mouse buttons, dragging, wheel.
void on_key(unsigned char key, int x, int y);
void on_special_key(int key, int x, int y);
void on_mouse(int button, int state, int x, int y);
void on_drag(int x, int y);
void on_wheel(int wheel, int direction, int x, int y);
