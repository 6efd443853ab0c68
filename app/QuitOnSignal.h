#pragma once

#include <functional>

class QObject;

// SIGTERM and SIGINT end the program as its own Exit does: `quit` runs on the event loop, where
// closing windows and saying goodbye on the network are safe. What watches for them belongs to
// `owner` (the application). On Windows, Ctrl+C, Ctrl+Break and closing the console do the same.
void QuitOnSignal(QObject* owner, std::function<void()> quit);
