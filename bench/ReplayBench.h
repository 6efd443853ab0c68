#pragma once

// Replay files: what a recording weighs, and how fast a long one opens and jumps.
namespace replaybench {
// Records, bytes raw and in the file, and both per minute of the recording.
int Describe(const char* path);
// Builds a recording of MINUTES from this one played over and over, then times opening it
// and jumping to its last round (medians of several tries).
int OpenAndJump(const char* path, int minutes);
} // namespace replaybench
