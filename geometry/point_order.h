// The order in which the driver sorts its points: by x, then by y.
#pragma once

// Three-way comparison of two Point records given by address (as qsort
// passes them): -1, 0 or 1 by x, then y, compared as floats. Colours are
// not compared, so equal positions compare equal.
int compare_points(const void* a, const void* b);
