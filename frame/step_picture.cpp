#include "step_picture.h"

#include "palette.h"
#include "scene.h"
#include "scene_vertex.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

namespace {

constexpr ColorCode kRed = 0;
constexpr ColorCode kGreen = 1;
constexpr ColorCode kBlue = 2;
constexpr ColorCode kOrange = 4;
constexpr ColorCode kMagenta = 5;
constexpr ColorCode kCyan = 6;
constexpr ColorCode kPurple = 7;
constexpr ColorCode kWhite = 8;
constexpr ColorCode kBlack = 9;

constexpr float kPointSize = 4.0f;   // every point, as in the opening picture
constexpr float kMarkedSize = 8.0f;  // a point the step names

constexpr int kLineHeight = 13;  // of the 8 x 13 font
constexpr int kMargin = 3;

// Set by draw_step_scene for the helpers while it draws.
const CameraView* current_camera = nullptr;

template <class Points>
void dots(const Points& points, ColorCode color, float size) {
    if (points.empty()) return;
    set_color(color);
    glPointSize(size);
    glBegin(GL_POINTS);
    for (const Point& p : points) scene_vertex(*current_camera, p.x, p.y);
    glEnd();
}

void polyline(const std::vector<Point>& points, ColorCode color, GLenum mode) {
    if (points.empty()) return;
    set_color(color);
    glBegin(mode);
    for (const Point& p : points) scene_vertex(*current_camera, p.x, p.y);
    glEnd();
    dots(points, color, kPointSize);
}

void segments(const std::vector<ShownEdge>& edges, ColorCode color) {
    if (edges.empty()) return;
    set_color(color);
    glBegin(GL_LINES);
    for (const ShownEdge& e : edges) {
        scene_vertex(*current_camera, e.a.x, e.a.y);
        scene_vertex(*current_camera, e.b.x, e.b.y);
    }
    glEnd();
}

void optional_segment(const std::optional<ShownEdge>& edge, ColorCode color) {
    if (edge) segments(std::vector<ShownEdge>{*edge}, color);
}

ColorCode mark_color(StepMark mark) { return mark == StepMark::tested ? kOrange : kMagenta; }

void text_band(const std::vector<std::string>& lines, int top, int width) {
    if (lines.empty()) return;
    const int bottom = top - static_cast<int>(lines.size()) * kLineHeight - 2 * kMargin;
    // White at 70%, so that the scene still shows through.
    const Rgb* white = palette_color(kWhite);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(white->red, white->green, white->blue, 0.7f);
    glRecti(0, bottom, width, top);
    glDisable(GL_BLEND);
    set_color(kBlack);
    int baseline = top - kMargin - kLineHeight + 3;
    for (const std::string& line : lines) {
        glRasterPos2i(kMargin + 2, baseline);
        glutBitmapString(GLUT_BITMAP_8_BY_13, reinterpret_cast<const unsigned char*>(line.c_str()));
        baseline -= kLineHeight;
    }
}

}  // namespace

void draw_step_scene(const StepState& state, const CameraView& camera, int height) {
    current_camera = &camera;
    if (state.divide) {
        const double reach = units_per_pixel(camera, height) * height;
        set_color(kPurple);
        glBegin(GL_LINES);
        scene_vertex(camera, *state.divide, camera.center_y - reach);
        scene_vertex(camera, *state.divide, camera.center_y + reach);
        glEnd();
    }
    for (const std::vector<Point>& polygon : state.polygons) polyline(polygon, kCyan, GL_LINE_LOOP);
    polyline(state.earlier, kCyan, GL_LINE_STRIP);
    segments(state.accepted, kRed);
    segments(state.bridges, kRed);
    polyline(state.stack, kGreen, GL_LINE_STRIP);
    optional_segment(state.candidate, kOrange);
    optional_segment(state.current, kOrange);
    optional_segment(state.pair, kOrange);
    polyline(state.turn, kMagenta, GL_LINE_STRIP);

    dots(scene_points, kBlue, kPointSize);
    // Hollow: white inside a black rim.
    for (const std::vector<Point>* gone : {&state.discarded, &state.dropped}) {
        dots(*gone, kBlack, kMarkedSize - 2.0f);
        dots(*gone, kWhite, kPointSize);
    }
    dots(state.stack, kGreen, kPointSize);
    dots(state.vertices, kRed, kMarkedSize);
    dots(state.pivots, kBlack, kMarkedSize);
    if (state.turn.size() == 3) dots(std::vector<Point>{state.turn[2]}, kOrange, kMarkedSize);
    for (const auto& [point, mark] : state.marked) dots(std::vector<Point>{point}, mark_color(mark), kMarkedSize);
    current_camera = nullptr;
}

void draw_words(const std::vector<std::string>& top, const std::string& bottom, int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, width, 0.0, height);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    text_band(top, height, width);
    if (!bottom.empty()) text_band({bottom}, kLineHeight + 2 * kMargin, width);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
