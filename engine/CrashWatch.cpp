#include "CrashWatch.h"

#include <algorithm>

void CrashWatch::OnPositions(const std::array<MatchLink::Point, 8>& heads, int players, int round, int arenaWidth) {
    if (round != round_) {
        round_ = round;
        still_.fill(0);
        cued_.fill(false);
    } else {
        for (int i = 0; i < 8; ++i) {
            const auto& h = heads[static_cast<std::size_t>(i)];
            const auto& before = lastHeads_[static_cast<std::size_t>(i)];
            int& still = still_[static_cast<std::size_t>(i)];
            still = (h.x == before.x && h.y == before.y) ? still + 1 : 0;
            if (still == StillWhenOut && i < players) Crash(i + 1, h.x, arenaWidth);
        }
    }
    lastHeads_ = heads;
}

void CrashWatch::OnOutcome(const std::vector<int>& winners, int players, int round, int arenaWidth) {
    if (round != round_) return;
    for (int i = 1; i <= players && i <= 8; ++i)
        if (std::find(winners.begin(), winners.end(), i) == winners.end())
            Crash(i, lastHeads_[static_cast<std::size_t>(i - 1)].x, arenaWidth);
}

void CrashWatch::Crash(int player, int x, int arenaWidth) {
    bool& cued = cued_[static_cast<std::size_t>(player - 1)];
    if (cued) return;
    cued = true;
    const int width = std::max(1, arenaWidth);
    emit crashed(std::clamp(2.0 * x / width - 1, -1.0, 1.0));
    emit playerCrashed(player);
}
