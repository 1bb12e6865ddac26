// Entry point of the point-set generator: the dialogue runs on the terminal
// and the points go to generator.test in the current directory.
#include "generator.h"

#include <cstdio>

int main() {
    return gen::run_generator(stdin, stdout, "generator.test");
}
