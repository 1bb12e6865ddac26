// The window that shows the scene: points in their colours over the hull
// outline, framed so that everything the scene holds is in view.
#pragma once

// Opens the 1024 x 700 window "Geometrija - prikaz zadatka" at (100, 50),
// takes the camera's framing from the box of the scene (framed_box) and runs
// the GLUT event loop. Returns only if the event loop does: when the window
// is closed, or destroyed by another client (window_watch.h).
// GLUT may take its own options out of the copy of argc it is given.
void show_scene(int argc, char** argv);

// GLUT reshape callback: viewport, projection and camera for the new size.
// A size past what the renderer can hold (sides past its viewport limit or
// 8192, more than 4096 x 4096 pixels) is not drawn at: the window is asked
// to shrink back to the bound, keeping its shape, instead.
void on_reshape(int width, int height);

// GLUT display callback: circles, lines, segments, then points, so points
// lie on top of the outline. Draws nothing while the window is oversized.
void on_display();

