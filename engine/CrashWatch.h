#pragma once

#include "Ports.h"

#include <QObject>
#include <array>
#include <vector>

// Which riders every copy takes for out, from the heads it draws: only the host judges
// crashes, so elsewhere a rider whose head has stood through StillWhenOut Positions in a row
// is out. Says so once per rider and round, with the crash's place across the arena.
class CrashWatch : public QObject {
    Q_OBJECT
public:
    // A diagonal rider stands one tick in three, and a thin trail's back-step message repeats
    // a head once.
    static constexpr int StillWhenOut = 4;

    using QObject::QObject;

    // A Positions message of this round was drawn; players counts the riders of the match.
    void OnPositions(const std::array<MatchLink::Point, 8>& heads, int players, int round, int arenaWidth);
    // The round was decided with these winners: the crashes that decided it came too late for
    // a head to be seen standing.
    void OnOutcome(const std::vector<int>& winners, int players, int round, int arenaWidth);
    bool SeenOut(int player) const {
        return player >= 1 && player <= 8 && still_[static_cast<std::size_t>(player - 1)] >= StillWhenOut;
    }

signals:
    // Pan runs from -1 (left) to 1 (right).
    void crashed(double pan);
    // The same, naming the player (1..8) whose rider crashed.
    void playerCrashed(int player);

private:
    void Crash(int player, int x, int arenaWidth);

    int round_ = -1;
    std::array<MatchLink::Point, 8> lastHeads_{};
    std::array<int, 8> still_{};
    std::array<bool, 8> cued_{};
};
