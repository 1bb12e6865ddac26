#include "console_pause.h"

#include <cstdio>
#include <unistd.h>

void pause_console() {
    // A background process group that reads its terminal is stopped (or,
    // ignoring that, reads nothing); tcgetpgrp fails on a terminal that is
    // not the program's own.
    if (!isatty(STDIN_FILENO) || tcgetpgrp(STDIN_FILENO) != getpgrp()) return;
    std::fputs("Pritisnite Enter za kraj . . . ", stdout);
    std::fflush(stdout);
    int c;
    while ((c = std::getchar()) != EOF && c != '\n') {
    }
}
