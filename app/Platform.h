#pragma once

// What the program asks of the operating system beyond Qt, in one place.

// Hands memory freed by a round's work back to the system (glibc keeps it otherwise).
void ReturnFreeMemory();
// A Windows program built for the desktop has no console: when started from one, print there
// (--help, --version, --replay-check). Nothing elsewhere.
void UseParentConsole();

// Resident memory in KiB: all of it, and the part not backed by files (the heap and the
// like, without the pages of the program and its libraries). Zeros when unknown.
struct Resident {
    long all = 0, anonymous = 0;
};
Resident ResidentKiB();
