// How many allocations the program has made through operator new: the test
// program that links allocation_count.cpp replaces the global operator new
// and delete with a count around malloc and free.
#pragma once

long allocations_so_far();
