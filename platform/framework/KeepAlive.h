// Keeps the program's windows alive while it waits on something outside it.
#pragma once

// Lets the windows paint themselves and answer the desktop, so that a wait never looks like a program
// that has died. The player's input, and the signals the program listens for, wait until the wait is
// over: nothing the player does can start while the program is in the middle of something.
void KeepWindowsAlive();
