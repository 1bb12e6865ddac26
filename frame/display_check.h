// Whether the window can be opened at all: the X display that the viewer
// would use, tried before the window toolkit is started, so that its
// absence can be explained in the programs' own words.
#pragma once

#include <string>

// Empty if a connection to the display named by DISPLAY can be made;
// otherwise why not, as part of a message ("promenljiva DISPLAY nije postavljena").
std::string display_problem();
