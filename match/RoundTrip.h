#pragma once

#include <QtGlobal>
#include <vector>

// How long a client takes to answer the host: the host asks with a roll call, as every copy
// does at start-up, and times the Register each other copy answers with for each of its seats.
// A client's rider's Steer takes about that long after the positions it answers, so the host's
// own riders' wishes wait as long (Pilots::SetWishDelay).
class RoundTrip {
public:
    static constexpr qint64 AnswerWithinNs = 500'000'000; // later answers are not to this ask
    static constexpr qint64 LongestNs = 250'000'000;      // beyond this, a link is not played on
    static constexpr std::size_t Kept = 15;               // the latest answers the median is of

    void Asked(qint64 nowNs);
    // A Register for this slot (1..7) from another copy arrived.
    void Answered(int slot, qint64 nowNs);
    // The median of the answers kept; 0 before any came.
    qint64 MedianNs() const;

private:
    qint64 askedAt_ = -1;
    unsigned answered_ = 0; // slots that answered this ask
    std::vector<qint64> trips_;
};
