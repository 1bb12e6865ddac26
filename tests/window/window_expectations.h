// What a hull program's window must show for a point set: where the camera
// rule puts every point, and the checks of a picture of the window against
// that.
#pragma once

#include "point.h"
#include "virtual_display.h"

#include <string>
#include <vector>

struct ShownScene {
    std::vector<Point> points;  // the input points
    std::vector<Point> hull;    // hull vertices in order around it (either way)
};

// Position in the picture, in pixels from its top-left corner (pixel (i, j)
// spans [i, i+1) x [j, j+1)).
struct PicturePosition {
    double x;
    double y;
};

// Where the point lands in a width x height window showing the scene: the
// camera frames the box of the points (frame_camera) with a 45 degree
// perspective; a scene without points keeps the start corners
// (1024, 700)-(0, 0).
PicturePosition expected_position(const ShownScene& scene, Point p, int width, int height);

// Everything that is wrong with the picture as a view of the scene: a point
// out of view or without its blue mark, a hull vertex not drawn blue over
// red, a stretch of hull edge without red, blue or red where nothing should
// be, a colour other than the background, blue and red. Empty if it is right.
std::vector<std::string> picture_problems(const Picture& picture, const ShownScene& scene);
