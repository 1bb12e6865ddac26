#include "hull_check.h"

#include "exact_reference.h"
#include "float_steps.h"
#include "hull_brute_force.h"
#include "hull_chan.h"
#include "hull_graham.h"
#include "hull_jarvis.h"
#include "hull_ks.h"
#include "hull_monotone_chain.h"
#include "hull_quick.h"
#include "point_order.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Reads the input front to back; past the end every read gives zeros.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t half() {
        const std::uint32_t high = byte();
        return high << 8 | byte();
    }
    std::uint32_t word() {
        std::uint32_t w = 0;
        for (int i = 0; i < 4; ++i) w = (w << 8) | byte();
        return w;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A float of the given bits; infinities and NaNs lose their top exponent
// bit and so become finite numbers of the same sign and significand.
float finite_float(std::uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    if (std::isfinite(f)) return f;
    bits &= ~(1u << 30);
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// The point at parameter t on the line through a and b, evaluated in double
// and rounded to float: near the line, usually not exactly on it.
Point on_line(const Point& a, const Point& b, double t) {
    const double x = a.x + t * (static_cast<double>(b.x) - a.x);
    const double y = a.y + t * (static_cast<double>(b.y) - a.y);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    return Point{std::isfinite(fx) ? fx : a.x, std::isfinite(fy) ? fy : a.y, 9};
}

std::string describe(const Point& p) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.9g, %.9g)", static_cast<double>(p.x), static_cast<double>(p.y));
    return text;
}

std::string describe(const Point* p, std::size_t count) {
    std::string text = "[";
    for (std::size_t i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += describe(p[i]);
    }
    return text + "]";
}

bool same_sequence(const std::vector<Point>& a, const std::vector<Point>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), same_position);
}

bool has_repeated_position(const Point* p, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (same_position(p[i], p[j])) return true;
        }
    }
    return false;
}

bool all_from(const Point* p, std::size_t count, const std::vector<Point>& sorted) {
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::binary_search(sorted.begin(), sorted.end(), p[i], [](const Point& a, const Point& b) {
                return compare_points(&a, &b) < 0;
            })) {
            return false;
        }
    }
    return true;
}

// "who: what detail", built from a std::string so no temporary is prepended to.
std::string fault(const char* who, const char* what, const std::string& detail) {
    std::string text(who);
    text += ": ";
    text += what;
    text += ' ';
    text += detail;
    return text;
}

std::string check_brute(const std::vector<Point>& sorted, const std::vector<Point>& expected) {
    constexpr const char* kWho = "hull_brute_force";
    const auto n = static_cast<std::int32_t>(sorted.size());
    std::vector<Point> hull(sorted.size() + 1);  // the documented room, n + 1
    const std::int32_t h = hull_brute_force(sorted.data(), hull.data(), n);
    const std::string got = "got h = " + std::to_string(h);
    if (h < 0 || h > n) return fault(kWho, "vertex count out of range,", got);
    if (n == 0) return h == 0 ? "" : fault(kWho, "empty set,", got);
    const auto count = static_cast<std::size_t>(h);
    const std::string polygon = describe(hull.data(), count + 1);
    if (!same_position(hull[count], hull[0])) return fault(kWho, "no closing copy of the first vertex:", polygon);
    if (!same_position(hull[0], sorted[0])) return fault(kWho, "does not start at the least point:", polygon);
    if (!all_from(hull.data(), count, sorted)) return fault(kWho, "a vertex is not an input point:", polygon);
    const std::string wanted = describe(expected.data(), expected.size()) + " expected, got " + polygon;
    if (expected.size() <= 2) {
        // One position or one line: exactly the ends, nothing in between.
        if (same_sequence(std::vector<Point>(hull.begin(), hull.begin() + h), expected)) return "";
        return fault(kWho, "degenerate set,", wanted);
    }
    if (has_repeated_position(hull.data(), count)) return fault(kWho, "a position occurs twice:", polygon);
    if (!same_sequence(corners_of(hull.data(), count), expected)) return fault(kWho, "corners differ,", wanted);
    return "";
}

// One hull whose outline is the monotone chain's: its strict corners
// clockwise from the least point, two copies where all points are equal.
std::string check_outline(const ChainOutlineHull& hull_function, const std::vector<Point>& sorted,
                          const std::vector<Point>& expected) {
    const char* const kWho = hull_function.name;
    const auto n = static_cast<std::int32_t>(sorted.size());
    // The documented room: 2n - 2, at least 1.
    std::vector<Point> hull(static_cast<std::size_t>(std::max<std::int32_t>(1, 2 * n - 2)));
    const std::int32_t h = hull_function.hull(sorted.data(), hull.data(), n);
    const std::string got = "got h = " + std::to_string(h);
    if (h < 0 || h > static_cast<std::int32_t>(hull.size())) return fault(kWho, "vertex count out of range,", got);
    if (n == 0) return h == 0 ? "" : fault(kWho, "empty set,", got);
    const auto count = static_cast<std::size_t>(h);
    const std::string polygon = describe(hull.data(), count);
    if (!all_from(hull.data(), count, sorted)) return fault(kWho, "a vertex is not an input point:", polygon);
    if (expected.size() == 1) {
        // All points equal: once for one point, twice for more.
        const std::size_t copies = n == 1 ? 1 : 2;
        if (count == copies && same_position(hull[0], expected[0]) && same_position(hull[count - 1], expected[0])) {
            return "";
        }
        return fault(kWho, "all points equal, expected one copy for n = 1 and two for more, got", polygon);
    }
    // Clockwise from the least point: the exact counter-clockwise corners
    // read backwards, with nothing inside a straight side.
    std::vector<Point> clockwise{expected[0]};
    clockwise.insert(clockwise.end(), expected.rbegin(), expected.rend() - 1);
    if (same_sequence(std::vector<Point>(hull.begin(), hull.begin() + h), clockwise)) return "";
    return fault(kWho, "differs from the exact hull:", describe(clockwise.data(), clockwise.size()) + " expected, got " + polygon);
}

}  // namespace

std::vector<Point> decode_points(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    std::vector<Point> points;
    while (!in.done() && points.size() < kMaxCheckedPoints) {
        const std::uint8_t op = in.byte();
        Point p;
        switch (op % 7) {
            case 0:  // any finite float pair
                p.x = finite_float(in.word());
                p.y = finite_float(in.word());
                break;
            case 1:  // a grid point, as the generator writes them
                p.x = static_cast<float>(in.byte());
                p.y = static_cast<float>(in.byte());
                break;
            case 2:
            case 3: {  // near the line through two earlier points
                if (points.empty()) {
                    p.x = static_cast<float>(static_cast<std::int8_t>(in.byte()));
                    p.y = static_cast<float>(static_cast<std::int8_t>(in.byte()));
                    break;
                }
                const Point& a = points[in.byte() % points.size()];
                const Point& b = points[in.byte() % points.size()];
                const double t = static_cast<std::int8_t>(in.byte()) / 32.0;
                p = on_line(a, b, t);
                const std::uint8_t nudge = in.byte();
                p.x = nudged(p.x, (nudge & 7) - 3);
                p.y = nudged(p.y, ((nudge >> 3) & 7) - 3);
                break;
            }
            case 4: {  // a repeat of an earlier point, or the origin
                if (!points.empty()) p = points[in.byte() % points.size()];
                break;
            }
            case 6: {  // an integer point of a wider grid, up to 2^25
                const int shift = in.byte() % 10;
                p.x = static_cast<float>(in.half() << shift);
                p.y = static_cast<float>(in.half() << shift);
                break;
            }
            default: {  // small significands at any scale, 2^-149 up to 2^127
                const int scale = in.byte() % 20;
                const int exponent = -149 + scale * 14;
                p.x = std::ldexp(static_cast<float>(static_cast<std::int8_t>(in.byte())), exponent);
                const float y = static_cast<float>(static_cast<std::int8_t>(in.byte()));
                p.y = std::ldexp(y, exponent + in.byte() % 3 - 1);
                if (!std::isfinite(p.x)) p.x = 0.0f;
                if (!std::isfinite(p.y)) p.y = 0.0f;
                break;
            }
        }
        p.color = 9;
        points.push_back(p);
    }
    return points;
}

const ChainOutlineHull kChainOutlineHulls[6] = {
    {"hull_monotone_chain", hull_monotone_chain, false}, {"hull_graham", hull_graham, false},
    {"hull_jarvis", hull_jarvis, true},  {"hull_quick", hull_quick, false},
    {"hull_chan", hull_chan, false},     {"hull_ks", hull_ks, false},
};

std::string check_hulls(std::vector<Point> points, CheckedHulls which) {
    if (!points.empty()) std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
    const std::vector<Point> expected = reference_extreme_points(points);
    std::string problem = which == CheckedHulls::all ? check_brute(points, expected) : "";
    for (const ChainOutlineHull& hull : kChainOutlineHulls) {
        if (!problem.empty()) break;
        if (which == CheckedHulls::near_linear && hull.output_sensitive_quadratic) continue;
        problem = check_outline(hull, points, expected);
    }
    if (problem.empty()) return "";
    return problem + "\n  input (sorted): " + describe(points.data(), points.size());
}
