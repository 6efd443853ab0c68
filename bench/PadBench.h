#pragma once

// Game controllers: a pad's button to the Steer on the wire, and what reading pads costs idle.
namespace padbench {
int ButtonToWire(int presses);
int IdleCpu(double seconds);
} // namespace padbench
