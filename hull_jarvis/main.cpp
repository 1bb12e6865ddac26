// hull_jarvis: times its hull of "generator.test" and shows it.
#include "driver.h"
#include "hull_jarvis_profile.h"

int main(int argc, char** argv) {
    return run_hull_program<kHullJarvisPointCapacity>(kHullJarvis, argc, argv);
}
