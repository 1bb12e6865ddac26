// Random point-set generator for the convex hull programs.
//
// The dialogue asks for the number of points n and for how many times the
// hull algorithm should be run (kol), then writes the point file:
//   first line "n kol", then n lines "x y" with 0 <= x, y < 300.
#pragma once

#include "capacities.h"

#include <cstdio>
#include <functional>
#include <string>

namespace gen {

// The largest point set a hull program accepts.
inline constexpr int kMaxPoints = kLargestPointCapacity;
// Coordinates are drawn from 0 .. kCoordRange - 1.
inline constexpr int kCoordRange = 300;

enum class ReadStatus { ok, invalid, end };

struct Answer {
    ReadStatus status;
    int value;  // meaningful only when status == ok
};

// Reads one answer: leading whitespace (newlines included) is skipped and
// the next whitespace-delimited token must be an optionally signed decimal
// integer that fits in int. A bad token is reported as `invalid` and the
// rest of its line is discarded, so the next read starts on a fresh line.
// End of input (or a read error) before any token is `end`.
Answer read_int(std::FILE* in);

// Called once, after both answers are in, to seed rand().
using SeedSource = std::function<unsigned()>;

// The current calendar time in whole seconds: runs started within the same
// second write the same points.
unsigned seed_from_clock();

// Everything after n is known: creates the point file at `path`, asks for
// kol on `out`/`in`, then writes the points. Returns the exit status
// (0 on success, 1 on any failure, with a message already on `out`).
// When `out` is a terminal, a wrong kol is told the whole range and the end
// says what was written; otherwise `out` gets the prompts and the messages
// alone. The points go to a PendingFile (pending_file.h), which replaces
// `path` only when it is complete.
int generisikoordinate(int n, std::FILE* in, std::FILE* out,
                       const std::string& path, const SeedSource& seed);

// The whole dialogue: asks for n, then continues as generisikoordinate.
int run_generator(std::FILE* in, std::FILE* out, const std::string& path,
                  const SeedSource& seed = seed_from_clock);

}  // namespace gen
