#pragma once

#include "MatchState.h"

#include <QString>
#include <array>
#include <functional>

// What the match logic needs of the world around it. The network layer implements the
// outgoing messages, the two windows implement their own ports; tests use stand-ins.

// Messages the engine sends; the network layer knows how they look on the wire.
class MatchLink {
public:
    virtual ~MatchLink() = default;
    struct Point {
        std::int16_t x = 0;
        std::int16_t y = 0;
    };
    virtual void SendPositions(const std::array<Point, 8>& heads,
                               const std::array<std::int16_t, 8>& fuel) = 0;
    virtual void SendSteer(int slot, int requestedDirection, int turbo) = 0;
    virtual void SendRoundOutcome(int code) = 0;
    virtual void SendObstacle(int x1, int y1, int x2, int y2) = 0;
    virtual void SendTurboOff(int player) = 0;
    virtual void SendTurn(int player, int direction) = 0;
};

// The game window as the match logic sees it.
class WindowPort {
public:
    virtual ~WindowPort() = default;
    virtual bool IsMinimised() const = 0;
    virtual void Minimise() = 0;
    // Back to the normal state, shown and in front.
    virtual void Restore() = 0;
    virtual void FocusArena() = 0;
    // Sizes the window around an arena of this many pixels.
    virtual void FitArena(int width, int height) = 0;
};

enum class MessageIcon { None, Information, Warning };
// Shows a message box with an OK button. Tests replace it to answer boxes themselves.
using MessageBoxFn = std::function<void(const QString& text, const QString& title, MessageIcon icon)>;

// Uniform numbers in [0, 1) from the instance's one generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float Next() = 0;
};
