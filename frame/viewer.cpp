#include "viewer.h"

#include "camera.h"
#include "palette.h"
#include "scene.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

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

// The bounds as show_scene found them; every reshape frames the camera on them.
Point framed_lower;
Point framed_upper;

void draw_circles() {
    for (const Circle& c : scene_circles) {
        set_color(c.color);
        glBegin(GL_LINE_LOOP);
        for (int i = 0; i < kCircleVertices; ++i) {
            const double angle = i * kCircleStep;
            glVertex2f(static_cast<float>(c.center.x + c.radius * std::cos(angle)),
                       static_cast<float>(c.center.y + c.radius * std::sin(angle)));
        }
        glEnd();
    }
}

void draw_lines() {
    for (const Line& l : scene_lines) {
        set_color(l.color);
        glBegin(GL_LINES);
        glVertex2f(static_cast<float>(l.origin.x + kLineReach * l.direction.x),
                   static_cast<float>(l.origin.y + kLineReach * l.direction.y));
        glVertex2f(static_cast<float>(l.origin.x - kLineReach * l.direction.x),
                   static_cast<float>(l.origin.y - kLineReach * l.direction.y));
        glEnd();
    }
}

void draw_segments() {
    for (const Segment& s : scene_segments) {
        glPointSize(kPointSize);
        set_color(s.color);
        glBegin(GL_LINES);
        glVertex2f(s.a.x, s.a.y);
        glVertex2f(s.b.x, s.b.y);
        glEnd();
        glBegin(GL_POINTS);
        glVertex2f(s.a.x, s.a.y);
        glVertex2f(s.b.x, s.b.y);
        glEnd();
    }
}

void draw_points() {
    for (const Point& p : scene_points) {
        set_color(p.color);
        glPointSize(kPointSize);
        glBegin(GL_POINTS);
        glVertex2f(p.x, p.y);
        glEnd();
    }
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

    framed_lower = scene_min;
    framed_upper = scene_max;

    glutDisplayFunc(on_display);
    glutReshapeFunc(on_reshape);
    glutMainLoop();
}

void on_reshape(int width, int height) {
    if (height == 0) height = 1;
    const CameraView view = frame_camera(framed_lower, framed_upper, width, height);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    // All lengths in units of view.scale (1 for ordinary scenes).
    gluPerspective(kFieldOfViewDegrees, view.aspect, view.near_plane / view.scale, view.far_plane / view.scale);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(static_cast<float>(-view.center_x / view.scale), static_cast<float>(-view.center_y / view.scale),
                 static_cast<float>(-view.distance / view.scale));
    if (view.scale != 1.0) {
        const double shrink = 1.0 / view.scale;
        glScaled(shrink, shrink, shrink);
    }
}

void on_display() {
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
