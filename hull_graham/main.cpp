// hull_graham: times its hull of "generator.test" and shows it.
#include "driver.h"
#include "hull_graham_profile.h"

int main(int argc, char** argv) {
    return run_hull_program<kHullGrahamPointCapacity>(kHullGraham, argc, argv);
}
