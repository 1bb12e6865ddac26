// Entry point of the point-set generator: the dialogue runs on the terminal
// and the points go to generator.test in the current directory.
#include "file_names.h"
#include "generator.h"
#include "pending_file.h"

#include <cstdio>

int main() {
    // Before any file is opened: with a standard descriptor closed, the point
    // file would take its number and the dialogue would be written into it.
    if (!gen::open_standard_descriptors()) return 1;
    gen::handle_signals();
    return gen::run_generator(stdin, stdout, kPointFileName);
}
