#pragma once

#include <functional>

// SIGTERM and SIGINT end the program as its own Exit does: `quit` runs on the event loop, where
// closing windows and saying goodbye on the network are safe. Does nothing where there are no
// such signals.
void QuitOnSignal(std::function<void()> quit);
