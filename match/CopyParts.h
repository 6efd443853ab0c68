#pragma once

class Board;
class Countdown;
class MatchClock;
class MatchControl;
struct MatchState;

// What of a copy a replay drives: the match's state and board, the countdown, the match
// control, and the clock they run on. A copy hands these out instead of itself.
struct CopyParts {
    MatchState& state;
    Board& board;
    Countdown& countdown;
    MatchControl& control;
    MatchClock& clock;
};
