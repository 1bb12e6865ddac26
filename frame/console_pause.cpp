#include "console_pause.h"

#include <cstdio>
#include <unistd.h>

void pause_console() {
    if (!isatty(STDIN_FILENO)) return;
    std::fputs("Pritisnite Enter za kraj . . . ", stdout);
    std::fflush(stdout);
    int c;
    while ((c = std::getchar()) != EOF && c != '\n') {
    }
}
