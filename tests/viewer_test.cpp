#include "camera.h"
#include "palette.h"
#include "scene.h"
#include "support/recording_gl.h"
#include "support/scene_reset.h"
#include "viewer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

const Rgb3 kRed{1, 0, 0};
const Rgb3 kBlue{0, 0, 1};

using Vertex = std::pair<float, float>;

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_scene();
        gl_recording.clear();
    }
    void TearDown() override { reset_scene(); }

    // The shapes of one kind in one colour, in drawing order.
    static std::vector<DrawnShape> shapes(const std::string& kind, const Rgb3& colour) {
        std::vector<DrawnShape> found;
        for (const DrawnShape& s : gl_recording.shapes) {
            if (s.kind == kind && s.colour == colour) found.push_back(s);
        }
        return found;
    }
    // Index of the first and one past the last shape in the colour.
    static std::pair<std::size_t, std::size_t> span(const Rgb3& colour) {
        std::size_t first = gl_recording.shapes.size(), last = 0;
        for (std::size_t i = 0; i < gl_recording.shapes.size(); ++i) {
            if (gl_recording.shapes[i].colour != colour) continue;
            first = std::min(first, i);
            last = i + 1;
        }
        return {first, last};
    }
};

TEST_F(ViewerTest, SetColorUsesPaletteAndIgnoresUnknownCodes) {
    set_color(4);
    EXPECT_EQ(gl_recording.colour, (Rgb3{1, 0.5f, 0}));
    set_color(10);
    set_color(-1);
    EXPECT_EQ(gl_recording.colour, (Rgb3{1, 0.5f, 0}));
    set_color(7);
    EXPECT_EQ(gl_recording.colour, (Rgb3{0.5f, 0, 0.5f}));
}

// The window itself (title, size, place, colours) is checked on a real
// display by tests/window; here what cannot be seen there.
TEST_F(ViewerTest, PassesTheCommandLineAndReshapeSetsViewportProjectionAndCamera) {
    add_point(Point{0, 0, 9}, 2);
    add_point(Point{100, 50, 9}, 2);
    char program[] = "hull_brute";
    char option[] = "-sync";
    char* argv[] = {program, option, nullptr};
    show_scene(2, argv);
    EXPECT_EQ(gl_recording.glut_argc_seen, 2);
    // Closing the window returns from the event loop to the console pause.
    EXPECT_TRUE(gl_recording.main_loop_returns_on_close);
    on_reshape(500, 0);
    EXPECT_EQ(gl_recording.viewport, (std::array<int, 4>{0, 0, 500, 1}));
    EXPECT_EQ(gl_recording.perspective, (std::array<double, 2>{45, 500}));
    // The camera looks at the centre of the bounds from the framing distance.
    const CameraView view = frame_camera(Point{0, 0, 9}, Point{100, 50, 9}, 500, 1);
    EXPECT_EQ(gl_recording.translation,
              (std::array<float, 3>{-50, -25, static_cast<float>(-view.distance)}));
}

// A window past the renderer's viewport limit, past 8192 a side or past
// 4096 x 4096 pixels is asked to shrink to the bound and not drawn into.
TEST_F(ViewerTest, OversizedWindowsAreShrunkBackAndNotDrawn) {
    const struct {
        int limit;
        std::array<int, 2> size;
        std::array<int, 2> asked;  // {-1, -1}: none, the window is drawn
    } cases[] = {{16384, {1024, 700}, {-1, -1}},     {16384, {32767, 32767}, {4096, 4096}},
                 {16384, {16384, 100}, {8192, 100}}, {2048, {3000, 100}, {2048, 100}}};
    for (const auto& c : cases) {
        gl_recording.clear();
        gl_recording.viewport_limit = {c.limit, c.limit};
        char* argv[] = {nullptr};
        show_scene(0, argv);
        gl_recording.clears = 0;
        on_reshape(c.size[0], c.size[1]);
        on_display();
        EXPECT_EQ(gl_recording.reshape_asked, c.asked) << c.size[0] << "x" << c.size[1];
        EXPECT_EQ(gl_recording.clears, c.asked[0] < 0 ? 1 : 0) << c.size[0] << "x" << c.size[1];
    }
}

TEST_F(ViewerTest, HugeScenesReachOpenGLScaledDown) {
    add_point(Point{-3e38f, -3e38f, 9}, 2);
    add_point(Point{3e38f, 3e38f, 9}, 2);
    char* argv[] = {nullptr};
    show_scene(0, argv);
    on_reshape(1024, 700);
    on_display();
    // The scene is shrunk on its way to OpenGL: points, translation and
    // clipping planes are all given in the shrunk units.
    const double distance = -gl_recording.translation[2];
    EXPECT_GT(distance, 1.0);
    EXPECT_LT(distance, 16777216.0);
    for (const DrawnShape& shape : gl_recording.shapes) {
        for (const auto& [x, y] : shape.vertices) EXPECT_LT(std::max(std::fabs(x), std::fabs(y)), 16777216.0f);
    }
}

// What the programs show: the hull outline in red, its vertices marked, and
// every input point in blue, drawn after (so over) the whole outline.
TEST_F(ViewerTest, DrawsTheOutlineInRedAndThePointsInBlueOverIt) {
    const std::vector<Point> points{{0, 0, 9}, {10, 0, 9}, {4, 3, 9}, {0, 10, 9}};
    for (const Point& p : points) add_point(p, 2);
    const std::vector<Point> hull{points[0], points[1], points[3]};
    add_outline(hull.data(), 3);
    char* argv[] = {nullptr};
    show_scene(0, argv);
    on_reshape(1024, 700);
    gl_recording.clear();
    on_display();

    const std::vector<DrawnShape> edges = shapes("lines", kRed);
    ASSERT_EQ(edges.size(), 3u);
    const Vertex expected_edges[][2] = {{{0, 0}, {10, 0}}, {{10, 0}, {0, 10}}, {{0, 10}, {0, 0}}};
    std::set<Vertex> marked;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        EXPECT_EQ(edges[i].vertices, (std::vector<Vertex>{expected_edges[i][0], expected_edges[i][1]})) << "edge " << i;
    }
    for (const DrawnShape& ends : shapes("points", kRed)) {
        EXPECT_EQ(ends.point_size, 4.0f);
        marked.insert(ends.vertices.begin(), ends.vertices.end());
    }
    EXPECT_EQ(marked, (std::set<Vertex>{{0, 0}, {10, 0}, {0, 10}}));

    std::vector<Vertex> blue;
    for (const DrawnShape& dots : shapes("points", kBlue)) {
        EXPECT_EQ(dots.point_size, 4.0f);
        blue.insert(blue.end(), dots.vertices.begin(), dots.vertices.end());
    }
    EXPECT_EQ(blue, (std::vector<Vertex>{{0, 0}, {10, 0}, {4, 3}, {0, 10}}));
    EXPECT_LE(span(kRed).second, span(kBlue).first) << "a point drawn before the outline is finished";

    // Nothing else is drawn; the frame is cleared first and shown at the end.
    EXPECT_EQ(shapes("lines", kRed).size() + shapes("points", kRed).size() + shapes("points", kBlue).size(),
              gl_recording.shapes.size());
    EXPECT_EQ(gl_recording.clears, 1);
    EXPECT_EQ(gl_recording.frames_shown, 1);
    EXPECT_EQ(gl_recording.matrix_depth, 0);
}

// s goes from the opening picture to the first step and on, past the last
// back to the opening picture; b goes back (from the end to the last
// step); e ends. The words of the step shown stand first; a program with
// no recorded run says so.
TEST_F(ViewerTest, StepKeysWalkTheRecordedSteps) {
    const Point points[3] = {{0, 0, 9}, {4, 0, 9}, {0, 4, 9}};
    for (const Point& p : points) add_point(p, 2);
    Point hull[6];
    const StepLog::Recorded three_pushes = [](const Point* p, Point*, std::int32_t, StepRecorder& steps) {
        for (int i = 0; i < 3; ++i) steps.push(p[i]);
        return std::int32_t{3};
    };
    char* argv[] = {nullptr};
    const struct {
        const StepLog::Recorded recorded;
        unsigned char key;
        const char* words;  // "": the opening picture, without words
    } presses[] = {
        {three_pushes, 's', "korak 1/3: tacka (0, 0) stavljena na stek"},
        {three_pushes, 'S', "korak 2/3: tacka (4, 0) stavljena na stek"},
        {three_pushes, 'b', "korak 1/3: tacka (0, 0) stavljena na stek"},
        {three_pushes, 'e', ""},
        {three_pushes, 'b', "korak 3/3: tacka (0, 4) stavljena na stek"},
        {three_pushes, 's', ""},
        {nullptr, 's', "ovaj algoritam ne javlja svoje korake"},
        {nullptr, 'e', ""},
    };
    StepLog::Recorded shown = presses[0].recorded;
    offer_steps({shown, points, hull, 3});
    show_scene(0, argv);
    for (const auto& press : presses) {
        if (press.recorded != shown) {
            shown = press.recorded;
            offer_steps({shown, points, hull, 3});
            show_scene(0, argv);
        }
        gl_recording.text.clear();
        on_key(press.key, 0, 0);
        on_display();
        EXPECT_EQ(gl_recording.text.empty() ? "" : gl_recording.text.front(), press.words) << press.key;
    }
    offer_steps({});
}

TEST_F(ViewerTest, EmptySceneShowsAClearedFrameOnly) {
    on_display();
    EXPECT_TRUE(gl_recording.shapes.empty());
    EXPECT_EQ(gl_recording.clears, 1);
    EXPECT_EQ(gl_recording.frames_shown, 1);
}

}  // namespace
