#include "palette.h"
#include "scene.h"
#include "support/recording_gl.h"
#include "support/scene_reset.h"
#include "viewer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_scene();
        gl_recording.clear();
    }
    void TearDown() override { reset_scene(); }
};

TEST_F(ViewerTest, SetColorUsesPaletteAndIgnoresUnknownCodes) {
    set_color(4);
    set_color(10);
    set_color(-1);
    set_color(7);
    EXPECT_EQ(recorded(), "glColor3f 1 0.5 0; glColor3f 0.5 0 0.5");
}

TEST_F(ViewerTest, OpensTheWindowAndPassesTheCommandLine) {
    char program[] = "hull_brute";
    char option[] = "-sync";
    char* argv[] = {program, option, nullptr};
    show_scene(2, argv);
    EXPECT_EQ(gl_recording.glut_argc_seen, 2);
    EXPECT_EQ(recorded("glut"),
              "glutInit; glutSetOption; glutInitDisplayMode 18; glutInitWindowSize 1024 700; "
              "glutInitWindowPosition 100 50; glutCreateWindow 'Geometrija - prikaz zadatka'; "
              "glutMainLoop; glutSwapBuffers");
    EXPECT_EQ(recorded("glClearColor"), "glClearColor 0.9 0.9 0.8 0");
}

TEST_F(ViewerTest, ReshapeSetsViewportProjectionAndCamera) {
    add_point(Point{0, 0, 9}, 2);
    add_point(Point{100, 50, 9}, 2);
    char* argv[] = {nullptr};
    show_scene(0, argv);
    gl_recording.clear();
    on_reshape(500, 0);
    EXPECT_EQ(recorded("glViewport"), "glViewport 0 0 500 1");
    EXPECT_EQ(recorded("gluPerspective"), "gluPerspective 45 500");
    // The camera looks at the centre of the bounds.
    const std::string translate = recorded("glTranslatef");
    EXPECT_EQ(translate.rfind("glTranslatef -50 -25 -", 0), 0u) << translate;
}

TEST_F(ViewerTest, HugeScenesReachOpenGLScaledDown) {
    add_point(Point{-3e38f, -3e38f, 9}, 2);
    add_point(Point{3e38f, 3e38f, 9}, 2);
    char* argv[] = {nullptr};
    show_scene(0, argv);
    gl_recording.clear();
    on_reshape(1024, 700);
    // A power of two shrinks the scene; translation and clipping planes are
    // given in the shrunk units.
    const std::string scaled = recorded("glScaled");
    ASSERT_EQ(scaled.rfind("glScaled ", 0), 0u);
    const double shrink = std::stod(scaled.substr(9));
    EXPECT_GT(shrink, 0.0);
    EXPECT_LT(shrink, 1e-30);
    const std::string translate = recorded("glTranslatef");
    const double distance = -std::stod(translate.substr(translate.rfind(' ')));
    EXPECT_GT(distance, 1.0) << translate;
    EXPECT_LT(distance, 16777216.0) << translate;
}

TEST_F(ViewerTest, DrawsSegmentsThenPointsOnTop) {
    add_point(Point{1, 2, 9}, 2);
    add_segment(Segment{Point{1, 2, 9}, Point{3, 4, 9}, 9}, 0);
    on_display();
    EXPECT_EQ(recorded(),
              "glClear 16640; glPushMatrix; "
              "glPointSize 4; glColor3f 1 0 0; glBegin lines; glVertex2f 1 2; glVertex2f 3 4; glEnd; "
              "glBegin points; glVertex2f 1 2; glVertex2f 3 4; glEnd; "
              "glColor3f 0 0 1; glPointSize 4; glBegin points; glVertex2f 1 2; glEnd; "
              "glPopMatrix; glFlush; glutSwapBuffers");
}

TEST_F(ViewerTest, DrawsCirclesAndLinesFirst) {
    scene_circles.push_back(Circle{Point{0, 0, 9}, 2.0f, 1});
    scene_lines.push_back(Line{Point{1, 1, 9}, Point{0.5f, 0, 9}, 3});
    on_display();
    const std::string calls = recorded();
    EXPECT_NE(calls.find("glColor3f 0 1 0; glBegin loop; glVertex2f 2 0;"), std::string::npos);
    EXPECT_NE(calls.find("glColor3f 1 1 0; glBegin lines; glVertex2f 51 1; glVertex2f -49 1; glEnd"), std::string::npos);
    EXPECT_LT(calls.find("loop"), calls.find("glColor3f 1 1 0"));
    int loop_vertices = 0;
    for (const std::string& call : gl_recording.calls) loop_vertices += call.rfind("glVertex2f", 0) == 0;
    EXPECT_EQ(loop_vertices, 100 + 2);
}

}  // namespace
