// The script that draws a hull program's window without a display, named in
// the programs' message when there is no display: the one installed beside
// the program, else the one of the source tree the program was built from.
#pragma once

#include <string>

// The script's path as one word for a shell (quoted where it needs it), or
// "scripts/snapshot" if neither script is there.
std::string snapshot_script();

// text as one shell word: as it is when it holds only letters, digits and
// / . _ + , : @ % = - (not first), else in $'...' with \xNN for every byte
// outside printable ASCII, so the word is safe both to show and to paste.
std::string shell_word(const std::string& text);

// What the program says on standard error when its window cannot be opened,
// after its line was appended to the log: why (part of a sentence), that
// the line was written, and the command that gives the picture instead.
std::string no_window_message(const std::string& why);
