#pragma once

// What the game sounds on: every copy learns of these from what it sees or hears, host and
// clients alike.
enum class Cue {
    Count3,
    Count2,
    Count1,
    Go,       // the countdown's last step: the round starts
    Crash,    // any rider's
    RoundWon, // by the local player or its team
    RoundLost, // by somebody else, or by nobody
    MatchWon,
    TurboOn, // the local player's
    TurboOff,
    Chat, // a line of chat arrived
};
constexpr int CueCount = static_cast<int>(Cue::Chat) + 1;
