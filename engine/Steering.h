#pragma once

#include <functional>

#include "MatchState.h"
#include "Ports.h"

// A wish for a rider, from wherever it comes.
struct Wish {
    enum class From : std::uint8_t {
        Keys,  // a key or pad of a seat at this copy: `turbo` 1 is the turbo switch pressed
        Rider, // a computer rider of this copy: `turbo` is the state it wants
        Wire,  // on the host, a Steer from another copy: `turbo` is the state it wants, -1 none
    };
    From from = From::Keys;
    int direction = 0; // 1..8; 0 asks for no turn
    int turbo = 0;
};

// Where every wish for a rider goes in: it writes what the rider wants (a direction, the
// turbo) into its record, by one rule, and sends a wish made at this copy on to the host.
// It also keeps the classic virtual-key codes of the first seat's default keys.
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
    // The one way in for every wish: the keys and pads of every seat at this copy, its
    // computer riders, and on the host a Steer from another copy. `slot` is the rider's slot
    // (0..7; -1 is this copy's record while it is in no match). A wish made here goes on to
    // the host as a Steer, except the host's own player's, whose record its loop reads.
    void Want(int slot, const Wish& wish);
    void Pause() {
        if (pauseHook_) pauseHook_();
    }

    // The rule every wish passes, written once.
    // - A direction must be one of 1..8. A key may not ask for the way straight back along the
    //   rider's own trail, nor may a computer rider; a Steer may, as the host has always taken
    //   it (the copy that sent it refuses the reversal at its keys).
    // - A key asking for the present direction cancels a pending turn; a rider's wish and a
    //   Steer leave it, as the host does (a rider's wish becomes a Steer on a client).
    // - A key's turbo switch flips the turbo; a rider's and a Steer's turbo is set as it is,
    //   0 or 1. Either only counts when the match allows turbo: a Steer asking for the turbo
    //   in a match without it is not honoured.
    static void Rule(const PlayerRecord& rider, const Wish& wish, bool turboOn, int& direction, int& turbo);

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
