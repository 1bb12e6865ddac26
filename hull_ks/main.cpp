// hull_ks: times its hull of "generator.test" and shows it.
#include "driver.h"
#include "hull_ks_profile.h"

int main(int argc, char** argv) {
    return run_hull_program<kHullKsPointCapacity>(kHullKs, argc, argv);
}
