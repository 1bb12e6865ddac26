#include "scene.h"
#include "support/scene_reset.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace {

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override { reset_scene(); }
    void TearDown() override { reset_scene(); }

    static void expect_bounds(float min_x, float min_y, float max_x, float max_y) {
        EXPECT_EQ(scene_min.x, min_x);
        EXPECT_EQ(scene_min.y, min_y);
        EXPECT_EQ(scene_max.x, max_x);
        EXPECT_EQ(scene_max.y, max_y);
    }
    static void expect_segment(const Segment& s, float ax, float ay, float bx, float by) {
        EXPECT_EQ(s.a.x, ax);
        EXPECT_EQ(s.a.y, ay);
        EXPECT_EQ(s.b.x, bx);
        EXPECT_EQ(s.b.y, by);
        EXPECT_EQ(s.color, 0);
    }
};

// Points go to the point list only and outlines to the segment list only:
// the viewer draws the points over the segments, so a point filed as a
// segment (or the other way) would be drawn in the wrong place of the order.
TEST_F(SceneTest, EmptySceneKeepsStartBoundsAndEachAdditionGoesToItsOwnList) {
    expect_bounds(1024, 700, 0, 0);
    EXPECT_TRUE(scene_points.empty());
    EXPECT_TRUE(scene_segments.empty());
    add_point(Point{1, 2, 9}, 2);
    EXPECT_EQ(scene_points.size(), 1u);
    EXPECT_TRUE(scene_segments.empty());
    add_outline(std::vector<Point>{{1, 2, 9}, {3, 4, 9}}.data(), 2);
    EXPECT_EQ(scene_points.size(), 1u);
    EXPECT_EQ(scene_segments.size(), 2u);
}

TEST_F(SceneTest, AddPointStoresGivenColourAndWidensOnlyPastTheBounds) {
    add_point(Point{3, 4, 5}, 2);
    ASSERT_EQ(scene_points.size(), 1u);
    EXPECT_EQ(scene_points.front().x, 3);
    EXPECT_EQ(scene_points.front().y, 4);
    EXPECT_EQ(scene_points.front().color, 2);
    expect_bounds(3, 4, 3, 4);  // one position moves both corners

    reset_scene();
    add_point(Point{2000, 900, 9}, 2);
    expect_bounds(1024, 700, 2000, 900);  // start values are not infinities
}

TEST_F(SceneTest, AddSegmentRecoloursAndKeepsEndpointColours) {
    add_segment(Segment{Point{10, 20, 7}, Point{5, 30, 8}, 4}, 0);
    expect_bounds(5, 20, 10, 30);
    ASSERT_EQ(scene_segments.size(), 1u);
    EXPECT_EQ(scene_segments.front().color, 0);
    EXPECT_EQ(scene_segments.front().a.color, 7);
    EXPECT_EQ(scene_segments.front().b.color, 8);
}

TEST_F(SceneTest, OutlineIsClosedChainInGivenOrder) {
    const std::vector<Point> triangle{{0, 0, 9}, {10, 0, 9}, {0, 10, 9}};
    add_outline(triangle.data(), 3);
    ASSERT_EQ(scene_segments.size(), 3u);
    auto it = scene_segments.begin();
    expect_segment(*it++, 0, 0, 10, 0);
    expect_segment(*it++, 10, 0, 0, 10);
    expect_segment(*it++, 0, 10, 0, 0);
}

TEST_F(SceneTest, ShortOutlines) {
    const std::vector<Point> pair{{1, 2, 9}, {3, 4, 9}};
    add_outline(pair.data(), 2);
    ASSERT_EQ(scene_segments.size(), 2u);
    expect_segment(scene_segments.front(), 1, 2, 3, 4);
    expect_segment(scene_segments.back(), 3, 4, 1, 2);

    for (std::int32_t count : {1, 0, -3}) {
        reset_scene();
        add_outline(pair.data(), count);
        ASSERT_EQ(scene_segments.size(), 1u) << count;
        expect_segment(scene_segments.front(), 1, 2, 1, 2);
        expect_bounds(1, 2, 1, 2);
    }
}

}  // namespace
