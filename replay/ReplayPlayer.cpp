#include "ReplayPlayer.h"

#include "Board.h"
#include "Countdown.h"
#include "MatchClock.h"
#include "MatchControl.h"
#include "Decode.h"
#include "Messages.h"
#include "Outcome.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
using M = wire::Message;

bool Is(int kind, M m) { return kind == static_cast<int>(m); }
bool EndsMatch(int kind) {
    return Is(kind, M::MatchSettings) || Is(kind, M::ResetAll) || Is(kind, M::ResetMatch);
}

// The outcome's code as the copy playing it reads it.
std::optional<int> OutcomeCode(const QByteArray& d) {
    const wire::Datagram decoded = wire::Decode(d);
    const auto* outcome = std::get_if<wire::msg::RoundOutcome>(&decoded);
    return outcome && outcome->code ? std::optional<int>(*outcome->code) : std::nullopt;
}

// After an outcome, the host's last Positions of the round still come; a copy sets the next
// round up only after this much quiet.
constexpr qint64 SettleMs = 500;
// Where a round's entry in the list begins: the countdown before its first Positions.
constexpr qint64 CountdownMs = 2500;
// A moment on the wall at most this far apart from the last shown one moves the slider.
constexpr qint64 MovedEveryMs = 100;
constexpr int LongestSleepMs = 100;
} // namespace

ReplayPlayer::ReplayPlayer(CopyParts copy, ReplayTransport& feed, std::vector<replay::Record> records,
                           QObject* parent)
    : QObject(parent), copy_(copy), feed_(feed), records_(std::move(records)) {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &ReplayPlayer::Wake);
    FindRounds();
    copy_.clock.Drive(0);
}

void ReplayPlayer::FindRounds() {
    const std::size_t n = records_.size();
    trailOnly_.assign(n, false);
    clearedBy_.assign(n, n);
    std::optional<Round> open;
    qint64 lastMark = 0, lastPositions = -1, outcomeAt = -1;
    std::size_t runStart = n; // none
    // The players' names as the copy learns them: the host's from the settings, the others'
    // from their registrations.
    std::array<QString, 9> names;
    const auto winners = [&names](std::optional<int> code) {
        QStringList out;
        if (const auto entry = code ? outcome::Lookup(*code) : std::nullopt)
            for (int p : entry->winners)
                out << (names[std::size_t(p)].isEmpty() ? tr("Player %1").arg(p)
                                                        : names[std::size_t(p)]);
        return out;
    };
    auto close = [&](qint64 endMs, std::optional<int> outcome) {
        if (!open) return;
        open->endMs = endMs;
        open->outcome = outcome;
        open->winners = winners(outcome);
        rounds_.push_back(*open);
        open.reset();
    };
    // Consecutive Positions between two marks: all but the first and last only draw trails.
    auto endRun = [&](std::size_t end) {
        if (runStart < n)
            for (std::size_t j = runStart + 1; j + 1 < end; ++j)
                trailOnly_[j] = Is(wire::NumberOf(records_[j].datagram), M::Positions);
        runStart = n;
    };
    std::vector<std::size_t> clears;
    for (std::size_t i = 0; i < n; ++i) {
        const replay::Record& r = records_[i];
        const int kind = wire::NumberOf(r.datagram);
        if (Is(kind, M::Register) || Is(kind, M::MatchSettings)) {
            const wire::Datagram d = wire::Decode(r.datagram);
            const auto* reg = std::get_if<wire::msg::Register>(&d);
            const auto* settings = std::get_if<wire::msg::MatchSettings>(&d);
            const int slot = reg ? reg->slot.value_or(-1) : 0;
            if (const auto name = reg ? reg->name : settings->name; name && slot >= 0 && slot <= 7)
                names[std::size_t(slot + 1)] = wire::CleanName(*name);
        }
        if (Is(kind, M::Positions)) {
            const bool trailing = outcomeAt >= 0 && r.ms - outcomeAt < SettleMs;
            if (!open && !trailing) {
                open = Round{std::max(lastMark, r.ms - CountdownMs), r.ms, std::nullopt, {}, r.ms};
                outcomeAt = -1;
            }
            if (runStart == n) runStart = i;
            lastPositions = r.ms;
            continue;
        }
        const bool mark =
            Is(kind, M::RoundOutcome) || Is(kind, M::Obstacle) || EndsMatch(kind) || Is(kind, M::PauseResume);
        if (!mark) continue;
        endRun(i);
        if (Is(kind, M::RoundOutcome)) {
            if (open) close(r.ms, OutcomeCode(r.datagram));
            outcomeAt = r.ms;
            lastMark = r.ms;
        } else if (EndsMatch(kind)) {
            close(r.ms, std::nullopt);
            clears.push_back(i);
            outcomeAt = -1;
            lastMark = r.ms;
        } else if (Is(kind, M::Obstacle)) {
            // The first obstacle of a round's setup comes to a cleared arena: the countdown
            // cleared it, or the copy does so at once when the round's outcome was lost.
            const bool setsUp = outcomeAt >= 0 || lastPositions < 0 || r.ms - lastPositions >= SettleMs;
            if (open && setsUp) close(r.ms, std::nullopt); // its outcome never came
            if (setsUp) clears.push_back(i);
            outcomeAt = -1;
        }
    }
    endRun(n);
    close(n ? records_.back().ms : 0, std::nullopt);
    // Each record's next clearing, from the back.
    std::size_t after = n;
    auto c = clears.rbegin();
    for (std::size_t i = n; i-- > 0;) {
        while (c != clears.rend() && *c > i) after = *c++;
        clearedBy_[i] = after;
    }
}

int ReplayPlayer::RoundAt(qint64 ms) const {
    const auto it = std::upper_bound(rounds_.begin(), rounds_.end(), ms,
                                     [](qint64 t, const Round& r) { return t < r.startMs; });
    return static_cast<int>(it - rounds_.begin()) - 1;
}

void ReplayPlayer::Deliver(std::size_t i) {
    const qint64 clears = copy_.board.Arena().Clears();
    if (trailOnly_[i] && clearedBy_[i] < skipBefore_) { // its arena is gone by then
        if (promises_.empty() || promises_.back().clearer != clearedBy_[i])
            promises_.push_back({clearedBy_[i], clears});
        return;
    }
    feed_.Deliver(records_[i].datagram);
    // The record said to clear the arena has played: did the arena go?
    const qint64 now = copy_.board.Arena().Clears();
    while (!promises_.empty() && promises_.front().clearer <= i) {
        if (now == promises_.front().clears) promiseBroken_ = true;
        promises_.erase(promises_.begin());
    }
}

void ReplayPlayer::RunTo(qint64 ms) {
    MatchClock& clock = copy_.clock;
    Countdown& countdown = copy_.countdown;
    while (next_ < records_.size() && records_[next_].ms <= ms) {
        const std::size_t i = next_++;
        clock.Drive(clockBase_ + records_[i].ms);
        countdown.Advance();
        Deliver(i);
    }
    clock.Drive(clockBase_ + ms);
    countdown.Advance();
    positionMs_ = std::max(positionMs_, ms);
}

void ReplayPlayer::PlayThrough(qint64 settleMs, const std::function<void(const QString&)>& roundEnded) {
    struct Pending {
        qint64 atMs;
        QString outcome;
    };
    std::optional<Pending> pending;
    const auto settle = [&] {
        if (pending) roundEnded(std::exchange(pending, std::nullopt)->outcome);
    };
    QObject guard; // the connections end with this call
    connect(&copy_.control, &MatchControl::roundDecided, &guard, [&] {
        settle(); // two outcomes within the wait: the first is read as it stands
        const auto code = copy_.control.LastOutcome();
        pending = Pending{positionMs_ + settleMs, code ? QString::number(*code) : QStringLiteral("?")};
    });
    connect(&copy_.control, &MatchControl::roundMissed, &guard, [&] {
        settle();
        roundEnded(QStringLiteral("lost"));
    });
    while (next_ < records_.size()) {
        const qint64 t = records_[next_].ms;
        if (pending && pending->atMs <= t) {
            RunTo(pending->atMs);
            settle();
        }
        RunTo(t);
    }
    if (pending) RunTo(pending->atMs);
    settle();
}

void ReplayPlayer::Restart() {
    Board& board = copy_.board;
    Canvas& arena = board.Arena();
    // The first jump notes where the copy started; each one goes back there. The reset's
    // words go nowhere.
    if (!start_) start_ = Start{copy_.state, arena.Width(), arena.Height(), arena.BackColor()};
    copy_.control.ResetAll();
    copy_.state = start_->state;
    if (arena.Width() != start_->width || arena.Height() != start_->height)
        board.ResizeArena(start_->width, start_->height);
    arena.SetBackColor(start_->back);
    arena.Clear();
    board.SetBanner({});
    // The copy's clock never runs back: the start of the file is put far beyond all it knew.
    clockBase_ = copy_.clock.Ms() + 3'600'000;
    next_ = 0;
    positionMs_ = 0;
}

void ReplayPlayer::Seek(qint64 ms) {
    ms = std::clamp<qint64>(ms, 0, DurationMs());
    Restart();
    skipBefore_ = static_cast<std::size_t>(
        std::upper_bound(records_.begin(), records_.end(), ms,
                         [](qint64 t, const replay::Record& r) { return t < r.ms; }) -
        records_.begin());
    promises_.clear();
    promiseBroken_ = false;
    RunTo(ms);
    skipBefore_ = 0;
    if (promiseBroken_ || !promises_.empty()) {
        // A file whose rounds did not clear where they seemed to (a host of another kind, or a
        // damaged one): every trail is played after all.
        promises_.clear();
        Restart();
        RunTo(ms);
    }
    copy_.board.Notify();
    Anchor();
    lastMovedMs_ = ms;
    emit moved(ms);
    if (playing_) ScheduleWake();
}

void ReplayPlayer::Play() {
    if (playing_) return;
    if (positionMs_ >= (stopAtMs_ >= 0 ? stopAtMs_ : DurationMs())) return;
    playing_ = true;
    Anchor();
    emit playingChanged(true);
    ScheduleWake();
}

void ReplayPlayer::Pause() {
    if (!playing_) return;
    playing_ = false;
    wake_.stop();
    emit playingChanged(false);
}

void ReplayPlayer::SetSpeed(double speed) {
    speed_ = std::clamp(speed, Speeds[0], Speeds[std::size(Speeds) - 1]);
    Anchor();
    if (playing_) ScheduleWake();
}

void ReplayPlayer::Anchor() {
    anchorFileMs_ = positionMs_;
    anchorWall_.start();
}

void ReplayPlayer::Wake() {
    if (!playing_) return;
    const qint64 end = stopAtMs_ >= 0 ? std::min(stopAtMs_, DurationMs()) : DurationMs();
    const qint64 now = std::min(end, anchorFileMs_ + static_cast<qint64>(anchorWall_.elapsed() * speed_));
    RunTo(now);
    copy_.board.Notify();
    if (now >= end || now - lastMovedMs_ >= MovedEveryMs) {
        lastMovedMs_ = now;
        emit moved(now);
    }
    if (now >= end) {
        Pause();
        emit ended();
        return;
    }
    ScheduleWake();
}

void ReplayPlayer::ScheduleWake() {
    // Sleep until the next datagram or countdown step is due, and never long, so the slider moves.
    qint64 due = next_ < records_.size() ? records_[next_].ms : DurationMs();
    if (const qint64 step = copy_.countdown.NextStepMs(); step >= 0)
        due = std::min(due, step - clockBase_);
    const double wallMs = (due - positionMs_) / speed_;
    wake_.start(static_cast<int>(std::ceil(std::clamp(wallMs, 0.0, double(LongestSleepMs)))));
}
