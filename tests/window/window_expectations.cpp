#include "window_expectations.h"

#include "camera.h"
#include "scene.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <sstream>

namespace {

enum class Shade { background, blue, red, other };

// The window's three colours: clear colour (0.9, 0.9, 0.8), points (0, 0, 1),
// outline (1, 0, 0). A little slack for the rounding of the clear colour.
Shade shade_of(const std::uint8_t* rgb) {
    auto near = [&](int r, int g, int b) {
        return std::abs(rgb[0] - r) <= 2 && std::abs(rgb[1] - g) <= 2 && std::abs(rgb[2] - b) <= 2;
    };
    if (near(230, 230, 204)) return Shade::background;
    if (near(0, 0, 255)) return Shade::blue;
    if (near(255, 0, 0)) return Shade::red;
    return Shade::other;
}

// Blue and red may lie this far (in pixels) from the spot they belong to:
// a 4-pixel point spans two pixels either side of its position.
constexpr int kMarkReach = 3;
// A found pixel may be this far from its expected pixel.
constexpr int kSlack = 2;

struct Problems {
    std::vector<std::string> list;
    int dropped = 0;
    template <class... Parts>
    void add(const Parts&... parts) {
        if (list.size() >= 12) {
            ++dropped;
            return;
        }
        std::ostringstream text;
        (text << ... << parts);
        list.push_back(text.str());
    }
    std::vector<std::string> done() {
        if (dropped > 0) list.push_back("... and " + std::to_string(dropped) + " more");
        return list;
    }
};

std::string describe(Point p) {
    std::ostringstream text;
    text << "(" << p.x << ", " << p.y << ")";
    return text.str();
}

std::string describe(PicturePosition q) {
    std::ostringstream text;
    text << "pixel (" << std::floor(q.x) << ", " << std::floor(q.y) << ")";
    return text.str();
}

double distance_to_segment(double x, double y, PicturePosition a, PicturePosition b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

class PictureCheck {
public:
    PictureCheck(const Picture& picture, const ShownScene& scene) : picture_(picture), scene_(scene) {
        for (const Point& p : scene.points) marks_.push_back(expected_position(scene, p, picture.width, picture.height));
        for (const Point& p : scene.hull) corners_.push_back(expected_position(scene, p, picture.width, picture.height));
    }

    std::vector<std::string> run() {
        check_palette();
        check_points();
        check_hull_vertices();
        check_hull_edges();
        check_no_stray_blue();
        check_no_stray_red();
        return problems_.done();
    }

private:
    Shade shade(int x, int y) const { return shade_of(picture_.at(x, y)); }

    // Pixels of the shade in the square of the given reach around position q.
    int count_near(PicturePosition q, int reach, Shade wanted) const {
        const int cx = static_cast<int>(std::floor(q.x));
        const int cy = static_cast<int>(std::floor(q.y));
        int count = 0;
        for (int y = std::max(cy - reach, 0); y <= std::min(cy + reach, picture_.height - 1); ++y)
            for (int x = std::max(cx - reach, 0); x <= std::min(cx + reach, picture_.width - 1); ++x)
                if (shade(x, y) == wanted) ++count;
        return count;
    }

    void check_palette() {
        int others = 0;
        for (int y = 0; y < picture_.height; ++y) {
            for (int x = 0; x < picture_.width; ++x) {
                if (shade(x, y) != Shade::other) continue;
                if (others++ == 0) {
                    const std::uint8_t* c = picture_.at(x, y);
                    problems_.add("pixel (", x, ", ", y, ") has colour (", int{c[0]}, ", ", int{c[1]}, ", ",
                                  int{c[2]}, "), none of background, blue, red");
                }
            }
        }
        if (others > 1) problems_.add(others, " pixels in all have a colour outside the palette");
        if (shade(0, 0) != Shade::background || shade(picture_.width - 1, picture_.height - 1) != Shade::background)
            problems_.add("the picture's corners are not background");
    }

    void check_points() {
        for (std::size_t i = 0; i < marks_.size(); ++i) {
            const PicturePosition q = marks_[i];
            // A 4-pixel mark must fit whole.
            if (q.x < 2 || q.y < 2 || q.x > picture_.width - 2 || q.y > picture_.height - 2) {
                problems_.add("point ", describe(scene_.points[i]), " lies out of view, at ", describe(q));
            } else if (count_near(q, kSlack, Shade::blue) < 6) {
                problems_.add("point ", describe(scene_.points[i]), " has no blue mark at ", describe(q));
            }
        }
    }

    // Points are drawn last, so at a hull vertex the blue mark hides the red
    // end of both edges.
    void check_hull_vertices() {
        for (std::size_t i = 0; i < corners_.size(); ++i) {
            if (count_near(corners_[i], 1, Shade::blue) < 9 || count_near(corners_[i], 1, Shade::red) > 0)
                problems_.add("hull vertex ", describe(scene_.hull[i]), " is not blue over red at ",
                              describe(corners_[i]));
        }
    }

    // Samples each edge a quarter, a half and three quarters along, where no
    // point's mark covers it.
    void check_hull_edges() {
        if (corners_.size() < 2) return;
        for (std::size_t i = 0; i < corners_.size(); ++i) {
            const PicturePosition a = corners_[i];
            const PicturePosition b = corners_[(i + 1) % corners_.size()];
            for (double t : {0.25, 0.5, 0.75}) {
                const PicturePosition s{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
                const bool covered = std::any_of(marks_.begin(), marks_.end(), [&](PicturePosition m) {
                    return std::hypot(m.x - s.x, m.y - s.y) < 5.0;
                });
                if (!covered && count_near(s, kSlack, Shade::red) == 0)
                    problems_.add("no red on the hull edge ", describe(scene_.hull[i]), "-",
                                  describe(scene_.hull[(i + 1) % corners_.size()]), " near ", describe(s));
            }
        }
    }

    void check_no_stray_blue() {
        int strays = 0;
        for (int y = 0; y < picture_.height; ++y) {
            for (int x = 0; x < picture_.width; ++x) {
                if (shade(x, y) != Shade::blue) continue;
                const bool near_point = std::any_of(marks_.begin(), marks_.end(), [&](PicturePosition m) {
                    return std::abs(std::floor(m.x) - x) <= kMarkReach && std::abs(std::floor(m.y) - y) <= kMarkReach;
                });
                if (!near_point && strays++ == 0)
                    problems_.add("blue pixel (", x, ", ", y, ") is near no input point");
            }
        }
        if (strays > 1) problems_.add(strays, " blue pixels in all are near no input point");
    }

    void check_no_stray_red() {
        int strays = 0;
        for (int y = 0; y < picture_.height; ++y) {
            for (int x = 0; x < picture_.width; ++x) {
                if (shade(x, y) != Shade::red) continue;
                bool near_edge = false;
                for (std::size_t i = 0; i < corners_.size() && !near_edge; ++i)
                    near_edge = distance_to_segment(x + 0.5, y + 0.5, corners_[i],
                                                    corners_[(i + 1) % corners_.size()]) <= kMarkReach;
                if (!near_edge && strays++ == 0) problems_.add("red pixel (", x, ", ", y, ") is near no hull edge");
            }
        }
        if (strays > 1) problems_.add(strays, " red pixels in all are near no hull edge");
    }

    const Picture& picture_;
    const ShownScene& scene_;
    std::vector<PicturePosition> marks_;
    std::vector<PicturePosition> corners_;
    Problems problems_;
};

}  // namespace

PicturePosition expected_position(const ShownScene& scene, Point p, int width, int height) {
    Box box{{1024.0f, 700.0f}, {0.0f, 0.0f}};
    if (!scene.points.empty()) box.lower = box.upper = scene.points.front();
    for (const Point& q : scene.points) widen(box, q);
    const CameraView view = frame_camera(box.lower, box.upper, width, height);
    const double half_height = view.distance * std::tan(22.5 * std::numbers::pi / 180.0);
    const double x_ndc = (p.x - view.center_x) / (half_height * view.aspect);
    const double y_ndc = (p.y - view.center_y) / half_height;
    return {(x_ndc + 1.0) / 2.0 * width, (1.0 - y_ndc) / 2.0 * height};
}

std::vector<std::string> picture_problems(const Picture& picture, const ShownScene& scene) {
    return PictureCheck(picture, scene).run();
}
