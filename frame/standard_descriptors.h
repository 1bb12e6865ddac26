// The standard descriptors 0, 1 and 2 as the program's own.
#pragma once

// Opens /dev/null onto each of the standard descriptors 0, 1 and 2 that is
// closed, so that no file or connection opened later takes its number and
// receives what is meant for standard output or error (the dialogue, a
// library's messages). Call first thing in main; false if /dev/null cannot
// be opened.
bool open_standard_descriptors();
