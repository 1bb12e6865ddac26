// hull_chain: times the monotone-chain hull of "generator.test" and shows it.
#include "driver.h"
#include "hull_chain_profile.h"

int main(int argc, char** argv) {
    return run_hull_program<kHullChainPointCapacity>(kHullChain, argc, argv);
}
