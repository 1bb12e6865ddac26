#include "recording_gl.h"

#include "window_watch.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

GlRecording gl_recording;

namespace {

void (*display_callback)() = nullptr;
void (*reshape_callback)(int, int) = nullptr;
bool in_model_view = true;

const char* primitive(GLenum mode) {
    switch (mode) {
        case GL_POINTS: return "points";
        case GL_LINES: return "lines";
        case GL_LINE_LOOP: return "loop";
        default: return "other";
    }
}

}  // namespace

extern "C" {
void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { gl_recording.clear_colour = {r, g, b, a}; }
void glClear(GLbitfield) { ++gl_recording.clears; }
void glMatrixMode(GLenum mode) { in_model_view = mode == GL_MODELVIEW; }
void glLoadIdentity() {
    if (!in_model_view) return;
    gl_recording.translation = {0, 0, 0};
    gl_recording.scale = 1.0;
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    if (!in_model_view) return;
    gl_recording.translation[0] += x;
    gl_recording.translation[1] += y;
    gl_recording.translation[2] += z;
}
void glScaled(GLdouble x, GLdouble, GLdouble) {
    if (in_model_view) gl_recording.scale *= x;
}
void glGetIntegerv(GLenum what, GLint* values) {
    if (what != GL_MAX_VIEWPORT_DIMS) return;
    values[0] = gl_recording.viewport_limit[0];
    values[1] = gl_recording.viewport_limit[1];
}
void glViewport(GLint x, GLint y, GLsizei w, GLsizei h) { gl_recording.viewport = {x, y, w, h}; }
void glPushMatrix() { ++gl_recording.matrix_depth; }
void glPopMatrix() { --gl_recording.matrix_depth; }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { gl_recording.colour = {r, g, b}; }
void glPointSize(GLfloat size) { gl_recording.point_size = size; }
void glBegin(GLenum mode) {
    gl_recording.shapes.push_back(DrawnShape{primitive(mode), gl_recording.colour, gl_recording.point_size, {}});
}
void glEnd() {}
void glVertex2f(GLfloat x, GLfloat y) {
    if (gl_recording.shapes.empty()) gl_recording.shapes.push_back(DrawnShape{"outside glBegin", {}, 0, {}});
    gl_recording.shapes.back().vertices.emplace_back(x, y);
}
void glFlush() {}
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble, GLdouble) { gl_recording.perspective = {fovy, aspect}; }

void glutInit(int* argc, char**) {
    gl_recording.glut_argc_seen = *argc;
    *argc = 0;  // GLUT may take options out of its copy of the count
}
void glutSetOption(GLenum what, int value) {
    if (what == GLUT_ACTION_ON_WINDOW_CLOSE) {
        gl_recording.main_loop_returns_on_close = value == GLUT_ACTION_GLUTMAINLOOP_RETURNS;
    }
}
void glutInitDisplayMode(unsigned int mode) { gl_recording.display_mode = mode; }
void glutInitWindowSize(int w, int h) { gl_recording.window_size = {w, h}; }
void glutInitWindowPosition(int x, int y) { gl_recording.window_position = {x, y}; }
int glutCreateWindow(const char* title) {
    gl_recording.window_title = title;
    return 1;
}
void glutDisplayFunc(void (*callback)()) { display_callback = callback; }
void glutReshapeFunc(void (*callback)(int, int)) { reshape_callback = callback; }
// Like GLUT: a reshape before the first picture; then the window is closed.
void glutMainLoop() {
    gl_recording.main_loop_entered = true;
    if (reshape_callback) reshape_callback(1024, 700);
    if (display_callback) display_callback();
}
void glutSwapBuffers() { ++gl_recording.frames_shown; }
void glutReshapeWindow(int w, int h) { gl_recording.reshape_asked = {w, h}; }
void glutKeyboardFunc(void (*)(unsigned char, int, int)) {}
void glutSpecialFunc(void (*)(int, int, int)) {}
void glutMouseFunc(void (*)(int, int, int, int)) {}
void glutMotionFunc(void (*)(int, int)) {}
void glutMouseWheelFunc(void (*)(int, int, int, int)) {}
void glutTimerFunc(unsigned int, void (*)(int), int) {}
void glutPostRedisplay() { ++gl_recording.redisplays_asked; }
void gluOrtho2D(GLdouble, GLdouble, GLdouble, GLdouble) {}
void glRecti(GLint, GLint, GLint, GLint) {}
void glEnable(GLenum) {}
void glDisable(GLenum) {}
void glBlendFunc(GLenum, GLenum) {}
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat) { gl_recording.colour = {r, g, b}; }
void glRasterPos2i(GLint, GLint) {}
void glutBitmapString(void*, const unsigned char* text) { gl_recording.text.emplace_back(reinterpret_cast<const char*>(text)); }
void* glutBitmap8By13 = nullptr;
}

void watch_window() { gl_recording.window_watched = true; }
