// hull_chan: times its hull of "generator.test" and shows it.
#include "driver.h"
#include "hull_chan_profile.h"

int main(int argc, char** argv) {
    return run_hull_program<kHullChanPointCapacity>(kHullChan, argc, argv);
}
