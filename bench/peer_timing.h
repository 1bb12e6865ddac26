// The project's hull beside the peers of peer_hulls.h, on the same point
// sets: every family at 1000, 5000 and 20001 points, one set per seed.
#pragma once

#include <cstdint>

// Whether this build has any peer.
bool have_peers();

// Registers "peers/<family>/seed=<s>/<n>" for every family, size and seed
// 1 .. seeds; each runs `rounds` rounds of every contender in turn, the
// order rotating from round to round, and reports per contender the least
// CPU seconds of one call over its rounds as the counter
// "<contender>_seconds":
//   chain_step        hull_monotone_chain on sorted points
//   chain_qsort       the whole hull: qsort with compare_points, then the chain
//   chain_std_sort    the same with std::sort
// and every peer under its name. With passes > 1 the whole list is
// registered again as "peers/<family>/seed=<s>/pass=<p>/<n>", each pass
// after all sets of the one before, minutes apart: a slow spell of a shared
// machine lasts seconds, so the least over the passes is the figure of a
// quiet moment for every contender alike. Before timing, each peer's
// vertices must be the project's, as a set of positions; where they are
// not, hull_bench stops with a message naming the peer and the point set,
// status 1.
void register_peer_benchmarks(std::uint32_t seeds, int rounds, int passes);
