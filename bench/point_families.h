// The point sets the benchmark times the hulls on, in families that set the
// hull's size h apart from n. Every set is made from a seed, the same set
// from the same seed, so every algorithm (and every run of the benchmark)
// sees the same points; the curves use kFixedSeed, the comparisons over
// many sets the seeds 1 .. kSeedCount.
#pragma once

#include "point.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class Family {
    random_grid,   // the generator's own files: integers 0..299 (duplicates likely, h small)
    square,        // floats of full precision uniform in a square of side 2e6: h grows like log n
    disc,          // integers uniform in a disc: h grows like n^(1/3)
    circle,        // integer points in strictly convex position near a circle: h = n
    parabola,      // integer points in strictly convex position near a parabola: h = n, all on the lower chain
    decimal,       // three decimals from 0 to 300 (the floats nearest them), as other point tools write
    circle_float,  // floats of full precision on a circle at random angles: most are hull vertices
};

inline constexpr Family kAllFamilies[] = {Family::random_grid, Family::square,  Family::disc,        Family::circle,
                                          Family::parabola,    Family::decimal, Family::circle_float};

// "random", "square", "disc", "circle", "parabola", "decimal", "circle_float".
std::string_view family_name(Family family);

// Parses a family_name; false if the name is unknown.
bool parse_family(std::string_view name, Family& family);

// Every family's name, for messages: "random, square, ... ili circle_float".
std::string family_names();

// Extents, in coordinate units. The curves' is the largest at which their
// integer coordinates are still exact as floats.
inline constexpr double kCurveRadius = 8388000.0;  // just below 2^23
inline constexpr double kDiscRadius = 10000.0;
inline constexpr float kSquareHalfSide = 1e6f;
inline constexpr double kFloatCircleRadius = 1e6;

// How many points the circle and the parabola can give: the benchmark's largest n.
inline constexpr std::int32_t kCurveCapacity = 20001;

// The seed of the sets the curves are measured on, and the number of seeds
// (1 .. kSeedCount) of the comparisons over many sets.
inline constexpr std::uint32_t kFixedSeed = 20240611u;
inline constexpr std::uint32_t kSeedCount = 20;

// n points of the family made from seed, in the order they were made (not
// sorted): the order in which a point file holds them. n >= 0; the circle
// and the parabola hold at most kCurveCapacity points. The random family is
// what the generator writes when its clock reads seed: std::srand(seed),
// then per point two std::rand() % 300, the second one x.
std::vector<Point> make_points(Family family, std::int32_t n, std::uint32_t seed = kFixedSeed);

// The text of one coordinate of the family as a point file holds it, read
// back by the point file's reader as exactly v: integers as integers,
// decimal coordinates with their three decimals, floats with nine
// significant digits.
std::string coordinate_text(Family family, float v);

// The point file of the set: "n R", then "x y" per line, as the generator
// lays it out (for the random family, byte for byte the generator's file).
std::string point_file_text(Family family, std::int32_t n, std::int32_t repetitions, std::uint32_t seed);

// The set as qconvex reads it: "2", n, then "x y" per line.
std::string qconvex_text(Family family, std::int32_t n, std::uint32_t seed = kFixedSeed);

// The same points sorted with compare_points, as the hulls take them.
std::vector<Point> sorted_points(std::vector<Point> points);
