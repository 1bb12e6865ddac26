#include "recording_gl.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <sstream>

GlRecording gl_recording;

namespace {

void (*display_callback)() = nullptr;
void (*reshape_callback)(int, int) = nullptr;

template <class... Args>
void record(const char* name, Args... args) {
    std::ostringstream call;
    call << name;
    ((call << ' ' << args), ...);
    gl_recording.calls.push_back(call.str());
}

const char* primitive(GLenum mode) {
    switch (mode) {
        case GL_POINTS: return "points";
        case GL_LINES: return "lines";
        case GL_LINE_LOOP: return "loop";
        default: return "other";
    }
}

}  // namespace

std::string recorded(const std::string& prefix) {
    std::string text;
    for (const std::string& call : gl_recording.calls) {
        if (call.rfind(prefix, 0) != 0) continue;
        text += (text.empty() ? "" : "; ") + call;
    }
    return text;
}

extern "C" {
void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { record("glClearColor", r, g, b, a); }
void glClear(GLbitfield mask) { record("glClear", mask); }
void glMatrixMode(GLenum mode) { record("glMatrixMode", mode == GL_PROJECTION ? "projection" : "modelview"); }
void glLoadIdentity() { record("glLoadIdentity"); }
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) { record("glTranslatef", x, y, z); }
void glScaled(GLdouble x, GLdouble y, GLdouble z) { record("glScaled", x, y, z); }
void glViewport(GLint x, GLint y, GLsizei w, GLsizei h) { record("glViewport", x, y, w, h); }
void glPushMatrix() { record("glPushMatrix"); }
void glPopMatrix() { record("glPopMatrix"); }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { record("glColor3f", r, g, b); }
void glPointSize(GLfloat size) { record("glPointSize", size); }
void glBegin(GLenum mode) { record("glBegin", primitive(mode)); }
void glEnd() { record("glEnd"); }
void glVertex2f(GLfloat x, GLfloat y) { record("glVertex2f", x, y); }
void glFlush() { record("glFlush"); }
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble, GLdouble) { record("gluPerspective", fovy, aspect); }

void glutInit(int* argc, char**) {
    gl_recording.glut_argc_seen = *argc;
    *argc = 0;  // GLUT may take options out of its copy of the count
    record("glutInit");
}
void glutSetOption(GLenum, int) { record("glutSetOption"); }
void glutInitDisplayMode(unsigned int mode) { record("glutInitDisplayMode", mode); }
void glutInitWindowSize(int w, int h) { record("glutInitWindowSize", w, h); }
void glutInitWindowPosition(int x, int y) { record("glutInitWindowPosition", x, y); }
int glutCreateWindow(const char* title) {
    record("glutCreateWindow", std::string("'") + title + "'");
    return 1;
}
void glutDisplayFunc(void (*callback)()) { display_callback = callback; }
void glutReshapeFunc(void (*callback)(int, int)) { reshape_callback = callback; }
// Like GLUT: a reshape before the first picture; then the window is closed.
void glutMainLoop() {
    record("glutMainLoop");
    if (reshape_callback) reshape_callback(1024, 700);
    if (display_callback) display_callback();
}
void glutSwapBuffers() { record("glutSwapBuffers"); }
}
