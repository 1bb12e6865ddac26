// A stand-in for OpenGL, GLU and GLUT that keeps what the viewer asks for:
// the window it opens, the camera it sets and the shapes it draws, so the
// viewer can be tested without a display. Linked instead of the real libraries
// (and of the window watch, which needs a real display).
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

using Rgb3 = std::array<float, 3>;

// One glBegin .. glEnd: the primitive, the colour and point size in force
// when it began, and its vertices.
struct DrawnShape {
    std::string kind;  // "points", "lines", "loop" or "other"
    Rgb3 colour;
    float point_size;
    std::vector<std::pair<float, float>> vertices;
};

struct GlRecording {
    // The window, as glutInit .. glutCreateWindow set it up.
    int glut_argc_seen = -1;
    unsigned display_mode = 0;
    std::array<int, 2> window_size{-1, -1};
    std::array<int, 2> window_position{-1, -1};
    std::string window_title;
    bool main_loop_returns_on_close = false;
    std::array<float, 4> clear_colour{-1, -1, -1, -1};
    bool main_loop_entered = false;
    bool window_watched = false;  // watch_window was called
    std::array<int, 2> viewport_limit{16384, 16384};  // GL_MAX_VIEWPORT_DIMS
    std::array<int, 2> reshape_asked{-1, -1};       // the last glutReshapeWindow

    // The camera of the last reshape.
    std::array<int, 4> viewport{-1, -1, -1, -1};
    std::array<double, 2> perspective{-1, -1};  // field of view, aspect
    std::array<float, 3> translation{0, 0, 0};  // of the model-view matrix
    double scale = 1.0;                          // its uniform scaling (glScaled), after the translation

    // The picture: the current colour and point size, every shape drawn in
    // order, the frames cleared and shown, and how deep the matrix stack is.
    Rgb3 colour{-1, -1, -1};
    float point_size = 1.0f;
    std::vector<DrawnShape> shapes;
    int clears = 0;
    int frames_shown = 0;
    int matrix_depth = 0;
    std::vector<std::string> text;  // each glutBitmapString
    int redisplays_asked = 0;

    void clear() { *this = GlRecording{}; }
};

extern GlRecording gl_recording;
