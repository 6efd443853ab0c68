#pragma once

#include <functional>

class QObject;

// SIGTERM and SIGINT end the program as its own Exit does: `quit` runs on the event loop, where
// closing windows and saying goodbye on the network are safe. What watches for them belongs to
// `owner` (the application). Does nothing where there are no such signals.
void QuitOnSignal(QObject* owner, std::function<void()> quit);
