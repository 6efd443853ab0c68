#pragma once

#include "MatchState.h"

#include <QString>
#include <optional>
#include <vector>

// Round outcome codes: the one table that the deciding host and every receiver share.
namespace outcome {

constexpr int Nobody = 5;

struct Entry {
    std::vector<int> winners; // players, in increasing order; empty for a draw
    int scoreBox = 0;         // box that gains the point, 0 for none
};

// The entry of a code 1..15, or nothing for any other code.
std::optional<Entry> Lookup(int code);

// Winners' names joined by " & ".
QString WinnersText(const Entry& e, const MatchState& s);

// The code of the round as it stands, or nothing while it goes on.
std::optional<int> Decide(const MatchState& s);

} // namespace outcome
