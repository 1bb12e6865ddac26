// Waits for the user before the console closes.
#pragma once

// When standard input is the terminal and the program runs in its
// foreground (not started with &, nor sent to the background), asks for
// Enter and waits for it; otherwise returns at once, so the programs never
// hang in a pipeline nor stop a background job on terminal input.
void pause_console();
