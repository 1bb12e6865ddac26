#include "viewer.h"

#include "camera.h"
#include "palette.h"
#include "scene.h"
#include "scene_vertex.h"
#include "step_picture.h"
#include "window_watch.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
// The camera that says how positions reach OpenGL: the opening framing for
// the window's size, moved by the user's look once there is one.
CameraView opening{0, 0, 1, 0.5, 2, 1, 0, 0, 1};
CameraView camera = opening;
std::optional<CameraLook> look;
int window_width = 1024;
int window_height = 700;

// Zoom of a wheel notch and of + and -, and the share of the window's
// height an arrow key pans.
constexpr double kZoomStep = 1.25;
constexpr double kPanShare = 0.125;

// Stepping: the run to record, its steps once recorded, the step shown
// (none: the opening picture), and whether they play.
StepSource step_source;
std::optional<StepLog> steps;
std::optional<std::int32_t> shown_step;
bool no_steps_said = false;  // stepping was asked for, and there are no steps
bool playing = false;
unsigned play_round = 0;     // a play's timer calls of an earlier play are stale
constexpr unsigned kPlayMilliseconds = 400;
constexpr const char* kKeys =
    "s korak  b nazad  p pusti/stani  e kraj  + - tocak: uvelicanje  strelice, levi taster: pomeranje  0: pocetak";

// Where a left drag was last seen; none while no drag is on.
std::optional<std::pair<int, int>> drag_from;

void vertex(double x, double y) { scene_vertex(camera, x, y); }

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

// The camera of the opening framing or of the look, as OpenGL's projection
// and model-view matrices.
void place_camera() {
    const int width = window_width;
    const int height = window_height;
    camera = look ? closer_camera(opening, *look) : opening;

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

// The look, started from the opening framing at the first zoom or pan.
CameraLook& current_look() {
    if (!look) look = CameraLook{1.0, opening.center_x, opening.center_y};
    return *look;
}

void change_look(const CameraLook& changed) {
    look = changed;
    place_camera();
    glutPostRedisplay();
}

// Zooms by factor about the window pixel (x, y) (from the top left).
void zoom_at(double factor, int x, int y) {
    change_look(zoomed_look(current_look(), camera, window_height, factor, x + 0.5 - window_width * 0.5,
                            window_height * 0.5 - (y + 0.5)));
}

void pan_by(double right, double up) { change_look(panned_look(current_look(), camera, window_height, right, up)); }

// Records the steps at the first asking; whether there are any.
bool have_steps() {
    if (!steps) {
        steps.emplace();
        if (step_source.recorded != nullptr) {
            steps->record(step_source.recorded, step_source.points, step_source.hull, step_source.n);
        }
        report_steps(*steps);
    }
    no_steps_said = steps->steps() == 0;
    return !no_steps_said;
}

void show_step(std::optional<std::int32_t> step) {
    shown_step = step;
    glutPostRedisplay();
}

void play_on(int round) {
    if (!playing || static_cast<unsigned>(round) != play_round) return;
    if (shown_step && *shown_step + 1 < steps->steps()) {
        show_step(*shown_step + 1);
        glutTimerFunc(kPlayMilliseconds, play_on, round);
    } else {
        playing = false;
    }
}

void step_key(unsigned char key) {
    const bool was_playing = playing;
    playing = false;
    ++play_round;
    if (key == 'e') {
        no_steps_said = false;
        show_step(std::nullopt);
        return;
    }
    if (!have_steps()) {
        show_step(std::nullopt);
        return;
    }
    const std::int32_t last = steps->steps() - 1;
    switch (key) {
        case 's':
            if (!shown_step) show_step(0);
            else show_step(*shown_step < last ? std::optional<std::int32_t>(*shown_step + 1) : std::nullopt);
            break;
        case 'b': show_step(shown_step ? std::max(*shown_step - 1, 0) : last); break;
        case 'p':
            if (was_playing) break;
            playing = true;
            if (!shown_step || *shown_step == last) show_step(0);
            glutTimerFunc(kPlayMilliseconds, play_on, static_cast<int>(play_round));
            break;
    }
}

}  // namespace

void offer_steps(const StepSource& source) { step_source = source; }

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
    opening = frame_camera(framed.lower, framed.upper, kWindowWidth, kWindowHeight);
    camera = opening;
    look.reset();
    steps.reset();
    shown_step.reset();
    no_steps_said = playing = false;
    drag_from.reset();
    watch_window();

    glutDisplayFunc(on_display);
    glutReshapeFunc(on_reshape);
    glutKeyboardFunc(on_key);
    glutSpecialFunc(on_special_key);
    glutMouseFunc(on_mouse);
    glutMotionFunc(on_drag);
    glutMouseWheelFunc(on_wheel);
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
    window_width = width;
    window_height = height;
    opening = frame_camera(framed.lower, framed.upper, width, height);
    place_camera();
}

void on_display() {
    if (oversized) return;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    std::vector<std::string> words;
    if (shown_step) {
        const StepState state = steps->state_after(*shown_step);
        draw_step_scene(state, camera, window_height);
        words = {steps->words(*shown_step), steps->count_words(state, *shown_step)};
    } else {
        draw_circles();
        draw_lines();
        draw_segments();
        draw_points();
        if (no_steps_said) words = {"ovaj algoritam ne javlja svoje korake"};
    }
    glPopMatrix();
    if (!words.empty()) draw_words(words, kKeys, window_width, window_height);
    glFlush();
    glutSwapBuffers();
}

void on_key(unsigned char key, int, int) {
    switch (key) {
        case '+':
        case '=': zoom_at(kZoomStep, window_width / 2, window_height / 2); break;
        case '-':
        case '_': zoom_at(1.0 / kZoomStep, window_width / 2, window_height / 2); break;
        case '0':
            look.reset();
            place_camera();
            glutPostRedisplay();
            break;
        case 's':
        case 'b':
        case 'p':
        case 'e': step_key(key); break;
        case 'S':
        case 'B':
        case 'P':
        case 'E': step_key(static_cast<unsigned char>(key - 'A' + 'a')); break;
    }
}

void on_special_key(int key, int, int) {
    const double step = window_height * kPanShare;
    switch (key) {
        case GLUT_KEY_LEFT: pan_by(-step, 0); break;
        case GLUT_KEY_RIGHT: pan_by(step, 0); break;
        case GLUT_KEY_UP: pan_by(0, step); break;
        case GLUT_KEY_DOWN: pan_by(0, -step); break;
    }
}

void on_mouse(int button, int state, int x, int y) {
    if (button != GLUT_LEFT_BUTTON) return;
    if (state == GLUT_DOWN) drag_from = std::pair{x, y};
    else drag_from.reset();
}

void on_drag(int x, int y) {
    if (!drag_from) return;
    // The scene follows the pointer.
    const auto [from_x, from_y] = *drag_from;
    if (x == from_x && y == from_y) return;
    drag_from = std::pair{x, y};
    pan_by(from_x - x, y - from_y);
}

void on_wheel(int, int direction, int x, int y) {
    zoom_at(direction > 0 ? kZoomStep : 1.0 / kZoomStep, x, y);
}
