#include "hull_families.h"

#include "capacities.h"
#include "exact_reference.h"
#include "float_steps.h"
#include "fuzz_inputs.h"
#include "hull_check.h"
#include "point_sets.h"
#include "turn.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

Point pt(double x, double y) { return Point{static_cast<float>(x), static_cast<float>(y), 9}; }

// How a random set is mixed, in sixths of its points: repeats of an earlier
// point, and points at a + t (b - a) on the line through two random points.
// With whole t from -2 to 3 they lie exactly on it wherever the coordinates
// are integers or short binary fractions; with t real from -0.5 to 1.5 they
// are rounded to floats, on the line or a few ulps off.
struct Mix {
    int repeats;
    int on_line;
    bool whole_steps;
};

constexpr Mix kPlain{0, 0, true};
constexpr Mix kRepeats{1, 0, true};
constexpr Mix kRepeatsAndLine{1, 1, true};

template <class Coordinate>
std::vector<Point> mixed_set(std::mt19937& rng, int n, Coordinate coordinate, Mix mix) {
    const Point a = pt(coordinate(), coordinate());
    const Point b = pt(coordinate(), coordinate());
    std::vector<Point> set;
    for (int i = 0; i < n; ++i) {
        const int sixth = std::uniform_int_distribution<int>(0, 5)(rng);
        if (sixth < mix.repeats && !set.empty()) {
            set.push_back(set[std::uniform_int_distribution<std::size_t>(0, set.size() - 1)(rng)]);
        } else if (sixth >= 6 - mix.on_line) {
            const double t = mix.whole_steps ? std::uniform_int_distribution<int>(-2, 3)(rng)
                                             : std::uniform_real_distribution<double>(-0.5, 1.5)(rng);
            set.push_back(pt(a.x + t * (static_cast<double>(b.x) - a.x), a.y + t * (static_cast<double>(b.y) - a.y)));
        } else {
            set.push_back(pt(coordinate(), coordinate()));
        }
    }
    return set;
}

auto grid(std::mt19937& rng, int range, double unit = 1.0) {
    return [&rng, range, unit] { return unit * std::uniform_int_distribution<int>(0, range - 1)(rng); };
}

auto decimal(std::mt19937& rng) {
    return [&rng] { return decimal_coordinate(std::uniform_int_distribution<int>(0, 300000)(rng)); };
}

auto wide_float(std::mt19937& rng) {
    return [&rng] { return std::uniform_real_distribution<float>(-1e6f, 1e6f)(rng); };
}

// Sizes 0 to 40 one by one, then to 120 in steps of 7, then 400 and 3000.
const std::vector<int>& growing_sizes() {
    static const std::vector<int> sizes = [] {
        std::vector<int> n;
        for (int k = 0; k <= 120; k += k < 40 ? 1 : 7) n.push_back(k);
        n.insert(n.end(), {400, 3000});
        return n;
    }();
    return sizes;
}

// Families of sets built to defeat double evaluation, six kinds in turn.
class NearDegenerateSets {
public:
    explicit NearDegenerateSets(unsigned seed) : rng_(seed) {}

    std::vector<Point> next(int n) {
        std::vector<Point> set;
        switch (kind_++ % 6) {
            case 0: {  // points rounded onto one line, up to 2 ulps off
                const Point a = pt(coordinate(), coordinate()), b = pt(coordinate(), coordinate());
                for (int i = 0; i < n; ++i) {
                    const double t = std::uniform_real_distribution<double>(-1.0, 2.0)(rng_);
                    set.push_back(pt(nudged(static_cast<float>(a.x + t * (static_cast<double>(b.x) - a.x)), ulps()),
                                     nudged(static_cast<float>(a.y + t * (static_cast<double>(b.y) - a.y)), ulps())));
                }
                break;
            }
            case 1: {  // the diagonal k, k with tiny offsets at its ends
                for (int i = 0; i < n; ++i) {
                    const float k = static_cast<float>(std::uniform_int_distribution<int>(0, 50)(rng_));
                    const int e = std::uniform_int_distribution<int>(-149, -20)(rng_);
                    const float tiny = i % 3 == 0 ? std::ldexp(1.0f, e) * (i % 2 ? 1.0f : -1.0f) : 0.0f;
                    set.push_back(pt(k + tiny, k));
                }
                break;
            }
            case 2:  // 1e-30 next to 1e30
                for (int i = 0; i < n; ++i) set.push_back(pt(mixed(), mixed()));
                break;
            case 3:  // a generator file: integers 0..299, repeats likely
                for (int i = 0; i < n; ++i) {
                    set.push_back(pt(std::uniform_int_distribution<int>(0, 299)(rng_),
                                     std::uniform_int_distribution<int>(0, 299)(rng_)));
                }
                break;
            case 4: {  // integers on lines through one point, extents from 10^2 to 10^7
                const int scales[] = {300, 5000, 1000000, 20000000};
                const int scale = scales[kind_ / 6 % 4];
                const int directions[][2] = {{1, 0}, {0, 1}, {1, 1}, {2, -1}, {3, 1}};
                for (int i = 0; i < n; ++i) {
                    const int* d = directions[std::uniform_int_distribution<int>(0, 4)(rng_)];
                    const int k = std::uniform_int_distribution<int>(-scale / 4, scale / 4)(rng_);
                    set.push_back(i % 4 == 3 ? pt(std::uniform_int_distribution<int>(0, 2 * scale)(rng_),
                                                  std::uniform_int_distribution<int>(0, 2 * scale)(rng_))
                                             : pt(scale + k * d[0], scale + k * d[1]));
                }
                break;
            }
            default: {  // integers near 2^24 on a few lines through one point
                const float base = 16777216.0f;
                for (int i = 0; i < n; ++i) {
                    const int k = std::uniform_int_distribution<int>(-8, 8)(rng_);
                    const int dir = std::uniform_int_distribution<int>(0, 3)(rng_);
                    set.push_back(pt(base + static_cast<float>(k * (dir % 2 ? 2 : 1)), base - static_cast<float>(k * dir)));
                }
                break;
            }
        }
        return set;
    }

private:
    float coordinate() {
        return std::ldexp(std::uniform_real_distribution<float>(-1.0f, 1.0f)(rng_),
                          std::uniform_int_distribution<int>(-10, 30)(rng_));
    }
    float mixed() {
        const float m = static_cast<float>(std::uniform_int_distribution<int>(-3, 3)(rng_));
        return m * (std::uniform_int_distribution<int>(0, 1)(rng_) ? 1e-30f : 1e30f);
    }
    int ulps() { return std::uniform_int_distribution<int>(-2, 2)(rng_); }

    std::mt19937 rng_;
    unsigned kind_ = 0;
};

// Adds copies of random points of the set, shuffles it and keeps it.
void add_with_copies(PointSets& sets, std::vector<Point> set, std::mt19937& rng, int copies) {
    for (int c = 0; c < copies; ++c) {
        Point copy = set[rng() % set.size()];
        copy.color = static_cast<ColorCode>(rng() % 10);
        set.push_back(copy);
    }
    std::shuffle(set.begin(), set.end(), rng);
    sets.push_back(std::move(set));
}

// The lattice points on the sides of shapes and on a rounded circle.
void add_shape_boundaries(PointSets& sets) {
    std::mt19937 rng(99);
    std::vector<Point> rectangle, diamond, triangle, circle, decimal_circle;
    for (int x = 0; x <= 120; ++x) {
        rectangle.insert(rectangle.end(), {pt(x, 0), pt(x, 40)});  // long vertical columns at its ends
        triangle.insert(triangle.end(), {pt(x, 0), pt(x, 120 - x)});
    }
    for (int y = 1; y < 40; ++y) rectangle.insert(rectangle.end(), {pt(0, y), pt(120, y)});
    for (int y = 1; y < 120; ++y) triangle.push_back(pt(0, y));
    for (int x = -60; x <= 60; ++x) diamond.insert(diamond.end(), {pt(x, 60 - std::abs(x)), pt(x, std::abs(x) - 60)});
    for (int i = 0; i < 400; ++i) {
        const double angle = 2 * 3.14159265358979 * i / 400;
        circle.push_back(pt(std::round(5000 * std::cos(angle)), std::round(5000 * std::sin(angle))));
        decimal_circle.push_back(pt(std::round(150000 * std::cos(angle)) / 1000, std::round(150000 * std::sin(angle)) / 1000));
    }
    for (std::vector<Point>* set : {&rectangle, &diamond, &triangle, &circle, &decimal_circle}) {
        add_with_copies(sets, *set, rng, 20);
    }
}

// Points on one to five lattice lines of any slope, and every fourth set
// the border of a rectangle with its lattice points and its centre.
void add_lattice_lines(PointSets& sets) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> origin(-50, 50);
    std::uniform_int_distribution<int> step(-7, 7);
    std::uniform_int_distribution<int> length(1, 25);
    for (int set = 0; set < 40; ++set) {
        std::vector<Point> points;
        if (set % 4 == 0) {
            const int w = 2 + set, h = 1 + set / 2;
            for (int i = 0; i <= w; ++i) points.insert(points.end(), {pt(i, 0), pt(i, h)});
            for (int j = 1; j < h; ++j) points.insert(points.end(), {pt(0, j), pt(w, j)});
            points.push_back(pt(w / 2, h / 2));
        } else {
            for (int line = 0; line < 1 + set % 5; ++line) {
                const int ox = origin(rng), oy = origin(rng);
                int dx = step(rng), dy = step(rng);
                if (dx == 0 && dy == 0) dx = 1;
                for (int t = length(rng); t >= 0; --t) points.push_back(pt(ox + t * dx, oy + t * dy));
            }
        }
        std::shuffle(points.begin(), points.end(), rng);
        sets.push_back(std::move(points));
    }
}

}  // namespace

PointSets generator_files() {
    std::mt19937 rng(1);
    PointSets sets;
    for (int s = 0; s < 160; ++s) {
        const int n = s < 80 ? s % 61 : 1 + (s * 37) % 300;
        sets.push_back(mixed_set(rng, n, grid(rng, 300), s % 2 ? kRepeatsAndLine : kPlain));
    }
    return sets;
}

PointSets small_grids() {
    std::mt19937 rng(20240611);
    PointSets sets;
    for (const int range : {1, 3, 5, 10}) {
        for (int n = 0; n <= 200; n += n < 60 ? 1 : 10) sets.push_back(mixed_set(rng, n, grid(rng, range), kRepeatsAndLine));
    }
    return sets;
}

PointSets wide_grids() {
    std::mt19937 rng(2024);
    PointSets sets;
    for (const int range : {5000, 10000, 100000, 3000000}) {
        for (int n = 3; n <= 200; n += 5) sets.push_back(mixed_set(rng, n, grid(rng, range), kRepeatsAndLine));
    }
    return sets;
}

PointSets quarter_units() {
    std::mt19937 rng(5);
    PointSets sets;
    for (int n = 1; n <= 60; ++n) sets.push_back(mixed_set(rng, n, grid(rng, 40, 0.25), kRepeatsAndLine));
    // On the sides of a triangle at 81 evenly spaced places, each side
    // spanning a multiple of 10 in x and y, and every fourth point inside.
    const Point corner[3] = {pt(-10.25, -3.5), pt(9.75, -3.5), pt(-0.25, 6.5)};
    std::uniform_int_distribution<int> place(0, 80);
    for (int s = 0; s < 15; ++s) {
        std::vector<Point> points;
        for (int i = 0, n = 3 + (s * 37) % 198; i < n; ++i) {
            const Point& a = corner[i % 3];
            const Point& b = corner[(i + 1) % 3];
            const double t = place(rng) / 80.0;
            points.push_back(i % 4 != 3 ? pt(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y))
                                        : pt(-2 + place(rng) / 16.0, -1 + place(rng) / 32.0));
        }
        sets.push_back(std::move(points));
    }
    return sets;
}

PointSets decimals() {
    std::mt19937 rng(4242);
    PointSets sets;
    for (const int n : growing_sizes()) sets.push_back(mixed_set(rng, n, decimal(rng), kRepeats));
    return sets;
}

PointSets full_floats() {
    std::mt19937 rng(4243);
    PointSets sets;
    for (const int n : growing_sizes()) sets.push_back(mixed_set(rng, n, wide_float(rng), kRepeats));
    return sets;
}

PointSets rounded_onto_lines() {
    std::mt19937 rng(2026);
    PointSets sets;
    constexpr Mix kHalfOnALine{1, 3, false};
    for (int round = 0; round < 240; ++round) {
        const int n = 3 + round % 80;
        sets.push_back(round % 2 == 0 ? mixed_set(rng, n, decimal(rng), kHalfOnALine)
                                      : mixed_set(rng, n, wide_float(rng), kHalfOnALine));
    }
    // 40 points of one line alone, longer than a step of the brute force's
    // batches: every lane of a pair on it is undecided or exactly zero.
    for (const Point a : {pt(0.1, 0.3), pt(-777777.7, 123456.79)}) {
        std::vector<Point> line;
        for (int i = 0; i < 40; ++i) {
            const double t = i / 39.0;
            line.push_back(pt(a.x + t * (300.0 - a.x), a.y + t * (200.0 - a.y)));
        }
        sets.push_back(std::move(line));
    }
    return sets;
}

PointSets near_degenerate() {
    PointSets sets;
    NearDegenerateSets small(77);
    for (int round = 0; round < 300; ++round) sets.push_back(small.next(3 + round % 40));
    NearDegenerateSets large(5);
    for (int round = 0; round < 5; ++round) sets.push_back(large.next(200));
    return sets;
}

PointSets boundary_sets() {
    PointSets sets;
    add_shape_boundaries(sets);
    add_lattice_lines(sets);
    return sets;
}

PointSets coloured_diamonds() {
    std::mt19937 rng(8086);
    PointSets sets;
    for (int round = 0; round < 300; ++round) {
        const int radius = 20 + static_cast<int>(rng() % 200);
        std::vector<Point> points;
        for (int x = -radius; x <= radius; ++x) {
            const auto y = static_cast<float>(radius - std::abs(x));
            points.push_back(Point{static_cast<float>(x), y, static_cast<ColorCode>(rng() % 10)});
            points.push_back(Point{static_cast<float>(x), -y, static_cast<ColorCode>(rng() % 10)});
        }
        if (round % 2 == 1) {
            for (int y = -radius / 2; y <= radius / 2; ++y) points.push_back(Point{static_cast<float>(radius / 2), static_cast<float>(y), 3});
        }
        add_with_copies(sets, std::move(points), rng, 30);
    }
    return sets;
}

PointSets outline_traps() {
    std::mt19937 rng(1999);
    std::uniform_real_distribution<double> share(0.0, 1.0);
    std::uniform_int_distribution<int> exponent(-47, -43), more(0, 3);
    PointSets sets;
    for (int attempt = 0; attempt < 100000 && sets.size() < 100; ++attempt) {
        // The origin, the last point (x, y) with y < x, a point a few ulps
        // of x from the origin just below the line to it, and points above.
        const double x = std::round(100 + 200 * share(rng)), y = std::round(1 + (x - 2) * share(rng));
        const double tx = std::ldexp(0.5 + 0.5 * share(rng), exponent(rng));
        const Point origin = pt(0, 0), last = pt(x, y), corner = pt(tx, tx * y / x * (0.5 + 0.5 * share(rng)));
        // Kept where the plain evaluation from the far end puts the corner
        // strictly on the wrong side, inside the hull.
        if (!(reference_turn(last, origin, corner) > 0 && plain_turn_sign(last, origin, corner) < 0)) continue;
        std::vector<Point> points{origin, corner, last};
        for (int k = more(rng); k > 0; --k) {
            const double px = std::round(1 + (x - 2) * share(rng));
            points.push_back(pt(px, std::ceil(px * y / x) + std::round(1 + 100 * share(rng))));
        }
        // The same set mirrored in each axis: the trap on every side of the hull.
        for (const Point mirror : {pt(1, 1), pt(-1, 1), pt(1, -1), pt(-1, -1)}) {
            std::vector<Point> mirrored;
            for (const Point& p : points) mirrored.push_back(pt(mirror.x * p.x, mirror.y * p.y));
            sets.push_back(std::move(mirrored));
        }
    }
    return sets;
}

PointSets clustered() {
    std::mt19937 rng(2);
    std::uniform_real_distribution<double> centre(0, 1000);
    std::uniform_real_distribution<double> spread(0.5, 30);
    PointSets sets;
    for (int set = 0; set < 40; ++set) {
        const int clusters = 1 + set % 4;
        std::vector<std::normal_distribution<double>> x, y;
        for (int c = 0; c < clusters; ++c) {
            const double s = spread(rng);
            x.emplace_back(centre(rng), s);
            y.emplace_back(centre(rng), s);
        }
        std::vector<Point> points;
        for (int i = 3 + (set * 37) % 248; i > 0; --i) {
            const int c = i % clusters;
            points.push_back(pt(std::round(x[c](rng)), std::round(y[c](rng))));
        }
        sets.push_back(std::move(points));
    }
    return sets;
}

PointSets larger_sets() {
    std::mt19937 rng(31337);
    std::uniform_int_distribution<int> size(201, 2000);
    const int ranges[] = {1, 3, 10, 300, 5000, 100000};
    PointSets sets;
    for (int s = 0; s < 300; ++s) sets.push_back(mixed_set(rng, size(rng), grid(rng, ranges[s % 6]), kRepeatsAndLine));
    return sets;
}

PointSets chain_capacity() {
    std::mt19937 rng(7);
    return {random_grid_points(rng, kHullChainPointCapacity, 300),
            mixed_set(rng, kHullChainPointCapacity, decimal(rng), kRepeats),
            mixed_set(rng, kHullChainPointCapacity, wide_float(rng), kRepeats)};
}

PointSets rounded_circles() {
    std::mt19937 rng(360);
    PointSets sets;
    for (int s = 0; s < 44; ++s) {
        const bool wide = s % 11 == 0;
        const double radius = wide ? 10000 : 100 + s % 2;
        const int angles = wide ? 100000 : 360;
        std::uniform_int_distribution<int> angle(0, angles - 1);
        std::vector<Point> points;
        for (int i = 0, n = wide ? 300 + 100 * s / 11 : 30 + (s * 97) % 171; i < n; ++i) {
            const double turn = 2 * 3.14159265358979 * angle(rng) / angles;
            points.push_back(pt(std::round(radius * std::cos(turn)), std::round(radius * std::sin(turn))));
        }
        sets.push_back(std::move(points));
    }
    return sets;
}

PointSets brute_force_capacity() {
    std::mt19937 rng(7);
    return {random_grid_points(rng, kHullBrutePointCapacity, 300)};
}

PointSets fuzz_corpus() {
    PointSets sets;
    for (const FuzzInput& input : kept_fuzz_inputs("hulls")) sets.push_back(decode_points(input.bytes.data(), input.bytes.size()));
    return sets;
}

PointSets rounding_traps() {
    // (1e-20, 0) is a true corner: double rounds 1 - 1e-20 to 1 and sees one
    // line; with the origin added (1, 1) lies inside a side.
    PointSets sets{{pt(1e-20, 0), pt(1, 1), pt(2, 2)}, {pt(0, 0), pt(1, 1), pt(2, 2), pt(1e-20, 0)}};
    // A point m a few ulps above or below the line from a to b, with a
    // fourth point far below: m is a corner exactly when it lies above.
    const Point a = pt(0.1, 0.3), b = pt(1000.7, 300.9);
    const Point mid = pt((a.x + static_cast<double>(b.x)) / 2, (a.y + static_cast<double>(b.y)) / 2);
    for (int ulps = -3; ulps <= 3; ++ulps) sets.push_back({a, b, pt(mid.x, nudged(mid.y, ulps)), pt(500, -1000)});
    // The smallest sets, in buffers of their documented sizes.
    sets.insert(sets.end(), {{}, {pt(1e-30, 1e30)}, {pt(1e-30, 1e30), pt(1e-30, 1e30)}, {pt(0, 0), pt(1e-45, 0)}});
    return sets;
}
