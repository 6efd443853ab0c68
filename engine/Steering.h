#pragma once

#include <functional>

#include "MatchState.h"
#include "Ports.h"

// The arena's key-down handler: records what the local player wants (a direction or the
// turbo switch) and, on a client, sends it to the host. Keys are classic virtual-key codes.
class Steering {
public:
    enum Key : int {
        Space = 32,
        Escape = 27,
        Left = 37,
        Up = 38,
        Right = 39,
        Down = 40,
        Pad1 = 97,
        Pad2 = 98,
        Pad3 = 99,
        Pad4 = 100,
        Pad5 = 101,
        Pad6 = 102,
        Pad7 = 103,
        Pad8 = 104,
        Pad9 = 105,
    };

    Steering(MatchState& state, MatchLink& link) : s_(state), link_(link) {}
    // What Esc does: the match's pause or resume.
    void SetPauseHook(std::function<void()> hook) { pauseHook_ = std::move(hook); }

    // The classic key codes: a direction key, Space for the turbo, Esc for pause; any other
    // key does nothing and sends nothing.
    void KeyDown(int key);
    // What the copy's own player wants: a direction (1..8, 0 for none) and whether the turbo
    // switch was pressed. On a client it goes to the host as a Steer.
    void Want(int direction, bool turboSwitch);
    void Pause() {
        if (pauseHook_) pauseHook_();
    }

    // The one rule for every local seat's wish, keys and pads alike: a direction the rider may
    // take (never straight back against its own) replaces the wish's, and the turbo switch
    // flips the wish's turbo when the match allows turbo.
    static void Wish(const PlayerRecord& rider, int& direction, int& turbo, int wanted, bool turboSwitch, bool turboOn) {
        if (direction::MayRequest(rider.Direction, wanted)) direction = wanted;
        if (turboSwitch && turboOn) turbo = turbo != 0 ? 0 : 1;
    }

    // A client's wish as the host takes it: a direction 1..8 other than the current one
    // becomes the request, and a turbo switch of 0 or 1 is taken as it is.
    static void ApplySteer(PlayerRecord& p, int requestedDirection, int turbo);

    // Direction a key asks for (0 for none) under the current diagonal setting.
    static int DirectionFor(int key, bool diagonalMotion);

    // Told when the local player switches the turbo on (true) or off (false).
    void SetTurboHook(std::function<void(bool)> hook) { turboHook_ = std::move(hook); }

private:
    MatchState& s_;
    MatchLink& link_;
    std::function<void()> pauseHook_;
    std::function<void(bool)> turboHook_;
};
