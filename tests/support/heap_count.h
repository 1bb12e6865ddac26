// Every allocation through operator new in the program that links
// heap_count.cpp, counted: the hulls' timed runs must make none.
#pragma once

#include <atomic>

extern std::atomic<long> heap_allocations;
