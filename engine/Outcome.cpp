#include "Outcome.h"

#include "Names.h"

#include <QStringList>

namespace outcome {

namespace {
// Code that names player k (1..8) as the single winner. The numbering is historical.
constexpr int SingleWinnerCode[9] = {0, 2, 1, 3, 4, 8, 9, 12, 15};
} // namespace

std::optional<Entry> Lookup(int code) {
    switch (code) {
    case 1: return Entry{{2}, 2};
    case 2: return Entry{{1}, 1};
    case 3: return Entry{{3}, 3};
    case 4: return Entry{{4}, 4};
    case 5: return Entry{{}, 0};
    case 6: return Entry{{3, 4}, 3};
    case 7: return Entry{{1, 2}, 1};
    case 8: return Entry{{5}, 5};
    case 9: return Entry{{6}, 6};
    case 10: return Entry{{1, 2, 3}, 1};
    case 11: return Entry{{4, 5, 6}, 4};
    case 12: return Entry{{7}, 7};
    case 13: return Entry{{1, 2, 3, 4}, 1};
    case 14: return Entry{{5, 6, 7, 8}, 5};
    case 15: return Entry{{8}, 8};
    default: return std::nullopt;
    }
}

QString WinnersText(const Entry& e, const MatchState& s) {
    QStringList names;
    for (int p : e.winners) names << Isolated(s.Players[p].Name);
    return names.join(QStringLiteral(" & "));
}

std::optional<int> Decide(const MatchState& s) {
    const int n = s.NumPlayers;
    if (n < 2 || n > 8) return std::nullopt;
    unsigned out = 0;
    for (int i = 1; i <= n; ++i)
        if (s.Players[i].Crashed == -1) out |= 1u << (i - 1);
    const unsigned all = (1u << n) - 1;
    auto allOut = [out](unsigned mask) { return (out & mask) == mask; };

    if (allOut(all)) return Nobody;
    if (s.TeamOn && TeamsPossible(n)) {
        // The first team is players 1..n/2, the second the rest.
        const unsigned first = (1u << (n / 2)) - 1;
        const unsigned second = all & ~first;
        static constexpr int firstTeamOut[9] = {0, 0, 0, 0, 6, 0, 11, 0, 14};
        static constexpr int secondTeamOut[9] = {0, 0, 0, 0, 7, 0, 10, 0, 13};
        if (allOut(first)) return firstTeamOut[n];
        if (allOut(second)) return secondTeamOut[n];
        return std::nullopt;
    }
    // Without teams the round ends when at most one rider is left.
    for (int k = n; k >= 1; --k)
        if (allOut(all & ~(1u << (k - 1)))) return SingleWinnerCode[k];
    return std::nullopt;
}

} // namespace outcome
