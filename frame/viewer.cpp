#include "viewer.h"

#include "camera.h"
#include "palette.h"
#include "scene.h"
#include "window_watch.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 700;
constexpr int kWindowX = 100;
constexpr int kWindowY = 50;
constexpr const char* kWindowTitle = "Geometrija - prikaz zadatka";
constexpr float kPointSize = 4.0f;
constexpr int kCircleVertices = 100;
constexpr double kCircleStep = 0.06283185307179587;  // 2 pi / 100
constexpr double kLineReach = 100.0;

// The box of the scene as show_scene found it; every reshape frames the
// camera on it.
Box framed;
// The camera of the last reshape, which says how positions reach OpenGL.
CameraView camera{0, 0, 1, 0.5, 2, 1, 0, 0, 1};

// A position of the scene as OpenGL gets it: relative to the camera's
// origin and in its units, computed in double.
void vertex(double x, double y) {
    glVertex2f(static_cast<float>((x - camera.origin_x) / camera.scale),
               static_cast<float>((y - camera.origin_y) / camera.scale));
}

// The largest drawable the renderer is asked to hold. A software renderer
// keeps colour, back and depth buffers of the whole window in memory (about
// 8 bytes a pixel), and past its viewport limit it fails outright. The bound
// on the area leaves room for a 5K screen; a larger window is shrunk back.
constexpr int kMostDrawableSide = 8192;
constexpr long long kMostDrawablePixels = 4096LL * 4096LL;
int most_side = kMostDrawableSide;  // lowered to the renderer's viewport limit
// Whether the window is larger than that bound now: until it has been
// shrunk back, nothing is drawn into it.
bool oversized = false;

void draw_circles() {
    for (const Circle& c : scene_circles) {
        set_color(c.color);
        glBegin(GL_LINE_LOOP);
        for (int i = 0; i < kCircleVertices; ++i) {
            const double angle = i * kCircleStep;
            vertex(c.center.x + c.radius * std::cos(angle), c.center.y + c.radius * std::sin(angle));
        }
        glEnd();
    }
}

void draw_lines() {
    for (const Line& l : scene_lines) {
        set_color(l.color);
        glBegin(GL_LINES);
        vertex(l.origin.x + kLineReach * l.direction.x, l.origin.y + kLineReach * l.direction.y);
        vertex(l.origin.x - kLineReach * l.direction.x, l.origin.y - kLineReach * l.direction.y);
        glEnd();
    }
}

void draw_segments() {
    for (const Segment& s : scene_segments) {
        glPointSize(kPointSize);
        set_color(s.color);
        glBegin(GL_LINES);
        vertex(s.a.x, s.a.y);
        vertex(s.b.x, s.b.y);
        glEnd();
        glBegin(GL_POINTS);
        vertex(s.a.x, s.a.y);
        vertex(s.b.x, s.b.y);
        glEnd();
    }
}

void draw_points() {
    for (const Point& p : scene_points) {
        set_color(p.color);
        glPointSize(kPointSize);
        glBegin(GL_POINTS);
        vertex(p.x, p.y);
        glEnd();
    }
}

struct WindowSize {
    int width;
    int height;
};

// The largest size up to width x height that the renderer holds: sides at
// most most_side_length, area at most kMostDrawablePixels.
WindowSize bounded_window_size(int width, int height, int most_side_length) {
    const int side = std::max(most_side_length, 1);
    WindowSize size{std::min(width, side), std::min(height, side)};
    const long long area = static_cast<long long>(std::max(size.width, 1)) * std::max(size.height, 1);
    if (area > kMostDrawablePixels) {
        // Shrunk on both sides alike, so the window keeps its shape.
        const double shrink = std::sqrt(static_cast<double>(kMostDrawablePixels) / static_cast<double>(area));
        size.width = std::max(1, static_cast<int>(size.width * shrink));
        size.height = std::max(1, static_cast<int>(size.height * shrink));
    }
    return size;
}

}  // namespace

void show_scene(int argc, char** argv) {
    int glut_argc = argc;
    glutInit(&glut_argc, argv);
    // Closing the window hands control back to the caller instead of ending
    // the process from inside the toolkit.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kWindowWidth, kWindowHeight);
    glutInitWindowPosition(kWindowX, kWindowY);
    glutCreateWindow(kWindowTitle);
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);

    GLint viewport_limit[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport_limit);
    most_side = kMostDrawableSide;
    if (viewport_limit[0] > 0) most_side = std::min(most_side, viewport_limit[0]);
    if (viewport_limit[1] > 0) most_side = std::min(most_side, viewport_limit[1]);
    oversized = false;
    framed = framed_box();
    camera = frame_camera(framed.lower, framed.upper, kWindowWidth, kWindowHeight);
    watch_window();

    glutDisplayFunc(on_display);
    glutReshapeFunc(on_reshape);
    glutMainLoop();
}

void on_reshape(int width, int height) {
    if (height == 0) height = 1;
    const WindowSize bounded = bounded_window_size(width, height, most_side);
    oversized = bounded.width != width || bounded.height != height;
    if (oversized) {
        // The window system is asked for the bounded size; its answer comes
        // back as another reshape, which frames the camera for it.
        glutReshapeWindow(bounded.width, bounded.height);
        return;
    }
    camera = frame_camera(framed.lower, framed.upper, width, height);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    // All lengths in units of camera.scale (1 for ordinary scenes).
    gluPerspective(kFieldOfViewDegrees, camera.aspect, camera.near_plane / camera.scale,
                   camera.far_plane / camera.scale);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(static_cast<float>(-(camera.center_x - camera.origin_x) / camera.scale),
                 static_cast<float>(-(camera.center_y - camera.origin_y) / camera.scale),
                 static_cast<float>(-camera.distance / camera.scale));
}

void on_display() {
    if (oversized) return;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    draw_circles();
    draw_lines();
    draw_segments();
    draw_points();
    glPopMatrix();
    glFlush();
    glutSwapBuffers();
}
