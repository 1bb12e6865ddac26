// The whole qconvex process (start, reading, hull, output) on the same
// points as the hulls, for a comparison with what the hull programs spend.
#pragma once

// Whether qconvex is found on the PATH.
bool have_qconvex();

// Registers "qconvex/<family>/<n>" for every family at n = 4 (mostly the
// process start), 1000, 10000 and 20001, each `runs` runs of "qconvex Fx"
// with the points on its standard input and its output thrown away. The
// time of a run is the CPU time of the process (user and system); the
// counter wall_seconds is its elapsed time.
void register_qconvex_benchmarks(int runs);
