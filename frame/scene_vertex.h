// How a position of the scene reaches OpenGL.
#pragma once

#include "camera.h"

#include <GL/gl.h>

// (x, y) relative to the camera's origin and in its units, computed in
// double (camera.h), as the vertex of the primitive being drawn.
inline void scene_vertex(const CameraView& camera, double x, double y) {
    glVertex2f(static_cast<float>((x - camera.origin_x) / camera.scale),
               static_cast<float>((y - camera.origin_y) / camera.scale));
}
