// The point sets the benchmark times the hulls on. Every set is made from a
// seed, the same set from the same seed, so every algorithm (and every run
// of the benchmark) sees the same points; the curves use kFixedSeed, the
// comparisons over many sets the seeds 1, 2, ...
#pragma once

#include "point.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class Family {
    random_grid,   // integers 0..299, the generator's own points for the seed (duplicates likely)
    circle,        // integer points in strictly convex position near a circle: all are hull vertices
    disc,          // integers uniformly spread over a disc: few hull vertices
    decimal,       // three decimals from 0 to 300 (the floats nearest them), as other point tools write
    full_float,    // floats of full precision uniform in +-1e6
    circle_float,  // floats of full precision on a circle at random angles: most are hull vertices
};

inline constexpr Family kAllFamilies[] = {Family::random_grid, Family::circle,     Family::disc,
                                          Family::decimal,     Family::full_float, Family::circle_float};

// "random", "circle", "disc", "decimal", "float", "circle_float".
std::string_view family_name(Family family);

// Parses a family_name; false if the name is unknown.
bool parse_family(std::string_view name, Family& family);

// Radii of the circles and the disc, in coordinate units. The circle's is
// the largest at which its integer coordinates are still exact as floats.
inline constexpr double kCircleRadius = 8388000.0;  // just below 2^23
inline constexpr double kDiscRadius = 10000.0;
inline constexpr double kFloatCircleRadius = 1e6;

// The seed of the sets the curves are measured on.
inline constexpr std::uint32_t kFixedSeed = 20240611u;

// n points of the family made from seed, in the order they were made (not
// sorted): the order in which a point file would hold them. n >= 0; the
// circle holds at most kCircleCapacity points. The random family is what
// the generator writes when its clock reads seed: std::srand(seed), then
// per point two std::rand() % 300, the second one x.
std::vector<Point> make_points(Family family, std::int32_t n, std::uint32_t seed = kFixedSeed);

// The text of one coordinate of the family as a point file holds it, read
// back by the point file's reader as exactly v: integers as integers,
// decimal coordinates with their three decimals, floats with nine
// significant digits.
std::string coordinate_text(Family family, float v);

// The same points sorted with compare_points, as the hulls take them.
std::vector<Point> sorted_points(std::vector<Point> points);

// How many points the circle family can give: the benchmark's largest n.
inline constexpr std::int32_t kCircleCapacity = 20001;

// True when every point is a corner of the polygon the points make in the
// given order: all consecutive triples turn strictly counter-clockwise and
// the polygon winds around once. Used to check the circle family.
bool strictly_convex_ccw(const std::vector<Point>& polygon);
