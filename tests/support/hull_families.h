// The families of point sets both hulls are checked on. Each family is made
// from a fixed seed, so every run checks the same sets; what each one is
// hard for is said at its function.
#pragma once

#include "point.h"

#include <vector>

using PointSets = std::vector<std::vector<Point>>;

// Integers 0..299 as the generator writes them, n from 0 to 300, half of
// the sets with repeats and points on a line through two of them.
PointSets generator_files();

// Ranges of 1, 3, 5 and 10: few positions, each many times over, most
// triples collinear; all points equal or on one line among them.
PointSets small_grids();

// Integers up to 5000, 10^4, 10^5 and 3 * 10^6, with repeats and points on
// a line: the brute force's scans on wide grids.
PointSets wide_grids();

// Quarter units, and eighths and sixteenths on the sides of a triangle:
// exact binary fractions, off the integer grid, so points inside a side
// stay exactly collinear.
PointSets quarter_units();

// Three decimals from 0 to 300, read as the nearest floats, with repeats.
PointSets decimals();

// Floats of full precision in +-1e6, with repeats.
PointSets full_floats();

// Decimals and full-precision floats, many of them rounded onto the line
// through two points (on it or a few ulps off), and points of one line
// alone: where the plain double sign goes wrong and the brute force's
// filtered test leaves lanes undecided.
PointSets rounded_onto_lines();

// Sets built to defeat double evaluation: points up to 2 ulps off one line,
// tiny offsets on a diagonal, 1e-30 beside 1e30, integers on lines through
// one point at extents from 10^2 to 10^7 and near 2^24.
PointSets near_degenerate();

// Nearly every point on the hull's boundary: lattice points on the sides
// of a rectangle, a diamond and a triangle, points on a rounded circle (in
// integers and in decimals), and on a few lattice lines; with copies in
// other colours, shuffled.
PointSets boundary_sets();

// The lattice points on the sides of diamonds of radius 20 to 220, every
// other one with a column of points inside, each point in a random colour,
// with copies of some in other colours, shuffled.
PointSets coloured_diamonds();

// A corner a few ulps of 300 from the origin, just outside the line from
// the origin to a point 100 to 300 away, which the plain evaluation from
// that far end puts inside; other points beyond the line; each set in its
// four mirror images. The chain's filter tests points against such lines.
PointSets outline_traps();

// Integers in one to four normal clusters.
PointSets clustered();

// 201 to 2000 points over the ranges of the small and wide grids.
PointSets larger_sets();

// The largest set hull_chain takes: integers, decimals and floats.
PointSets chain_capacity();

// Points of circles of radius 100, 101 and 10^4 at random whole angles
// (360 or 10^5 of a turn), rounded to integers, repeats among them: most
// points are corners, neighbouring ones nearly in line.
PointSets rounded_circles();

// The largest set hull_brute takes, integers as the generator writes them.
PointSets brute_force_capacity();

// The fuzzers' kept inputs (fuzz/corpus/hulls), decoded as the fuzzer does.
PointSets fuzz_corpus();

// A corner 1e-20 off a line that double arithmetic calls straight, a point
// one ulp above or below a line, and the smallest sets at extreme magnitudes.
PointSets rounding_traps();
