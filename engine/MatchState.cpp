#include "MatchState.h"

void MatchState::ApplyTeamColours() {
    if (!TeamOn) return;
    auto take = [this](int from, int first, int last) {
        for (int i = first; i <= last; ++i) Players[i].Color = Players[from].Color;
    };
    if (NumPlayers == 4) {
        take(1, 2, 2);
        take(3, 4, 4);
    } else if (NumPlayers == 6) {
        take(1, 2, 3);
        take(4, 5, 6);
    } else {
        take(1, 2, 4);
        take(5, 6, 8);
    }
}
