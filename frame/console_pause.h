// Waits for the user before the console closes.
#pragma once

// When standard input is a terminal, asks for Enter and waits for it;
// otherwise returns at once, so the programs never hang in a pipeline.
void pause_console();
