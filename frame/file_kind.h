// Names of the kinds of file that the programs refuse to read or append to.
#pragma once

#include <sys/stat.h>

// What a file that is not a regular file is, for a message: "direktorijum",
// "imenovana cev (FIFO)", "uredjaj", ...
inline const char* non_regular_kind(mode_t mode) {
    if (S_ISDIR(mode)) return "direktorijum";
    if (S_ISFIFO(mode)) return "imenovana cev (FIFO)";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "uredjaj";
    if (S_ISSOCK(mode)) return "uticnica (socket)";
    return "posebna datoteka";
}
