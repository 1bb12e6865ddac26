// hull_brute: times the brute-force hull of "generator.test" and shows it.
#include "driver.h"
#include "hull_brute_profile.h"

int main(int argc, char** argv) {
    return run_hull_program<kHullBrutePointCapacity>(kHullBrute, argc, argv);
}
