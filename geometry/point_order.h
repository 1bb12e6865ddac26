// The order in which the driver sorts its points: by x, then by y.
#pragma once

#include "point.h"

// Three-way comparison of two Point records given by address (as qsort
// passes them): -1, 0 or 1 by x, then y, compared as floats. Colours are
// not compared, so equal positions compare equal.
int compare_points(const void* a, const void* b);

// For a and b on one ray from p (collinear with p, neither behind it):
// whether a is strictly nearer to p than b. Exact without arithmetic: along
// any line the points are ordered by compare_points (by x, or by y on a
// vertical line), so the nearer one lies between p and the other.
bool nearer_on_ray(const Point& p, const Point& a, const Point& b);
