#pragma once

#include "MatchState.h"
#include "Ports.h"

class Board;

// Rounds value down to a multiple of pitch (remainder of truncating division).
void SnapDown(std::int16_t& value, int pitch);

// SetupRound: starting points rotated by the scores, fresh records, full gauges, starting
// discs and walls on every instance; on the host also the random obstacles, each sent
// to the others before it is drawn.
class RoundSetup {
public:
    RoundSetup(MatchState& state, Board& board, MatchLink& link, RandomSource& random)
        : s_(state), board_(board), link_(link), random_(random) {}

    void SetupRound();
    // How many rounds this instance has set up; tells one round's messages from the next's.
    int SetupsDone() const { return setups_; }

    struct Start {
        std::int16_t x = 0;
        std::int16_t y = 0;
        std::int16_t direction = 0;
    };
    // Starting point k (0..7) for an arena of w x h pixels; nothing where it does not exist.
    static std::optional<Start> StartingPoint(int k, int numPlayers, float w, float h);

private:
    int RotationBase() const;
    void PlaceObstacles(float w, float h);

    MatchState& s_;
    Board& board_;
    MatchLink& link_;
    RandomSource& random_;
    int setups_ = 0;
};
