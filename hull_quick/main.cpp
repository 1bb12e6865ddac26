// hull_quick: times its hull of "generator.test" and shows it.
#include "driver.h"
#include "hull_quick_profile.h"

int main(int argc, char** argv) {
    return run_hull_program<kHullQuickPointCapacity>(kHullQuick, argc, argv);
}
