// The hull programs' answer to -h and --help: what they read and write,
// their arguments and their exit statuses.
#pragma once

#include "timed_step.h"

#include <cstdint>

// Whether an argument asks for the usage: "-h" or "--help" anywhere on the
// command line. Every other argument belongs to the window toolkit.
bool asks_for_usage(int argc, char** argv);

// Prints the usage on standard output. Returns the exit status: 0, or 1
// after a message on standard error if it could not be written.
int print_usage(const HullProgram& program, std::int32_t point_capacity);
