// The window that shows the scene: points in their colours over the hull
// outline, framed so that the whole bounding box is in view.
#pragma once

// Opens the 1024 x 700 window "Geometrija - prikaz zadatka" at (100, 50),
// takes the camera's framing from the scene's bounds and runs the GLUT event
// loop. Returns only if the event loop does (when the window is closed).
// GLUT may take its own options out of the copy of argc it is given.
void show_scene(int argc, char** argv);

// GLUT reshape callback: viewport, projection and camera for the new size.
void on_reshape(int width, int height);

// GLUT display callback: circles, lines, segments, then points, so points
// lie on top of the outline.
void on_display();
