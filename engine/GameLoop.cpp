#include "GameLoop.h"

#include "Board.h"
#include "Convert.h"
#include "Outcome.h"

#include <algorithm>

namespace {
// Adds to a 16-bit value; an overflow leaves it as it was.
void Add16(std::int16_t& v, int d) {
    if (auto r = convert::Narrow16(std::int64_t(v) + d)) v = *r;
}
} // namespace

qint64 GameLoop::DelayNs(int speed) {
    const qint64 rounds = qint64(speed - 1) * 10 + 1;
    return speed < 1 ? 0 : rounds * rounds * NanosecondsPerRound;
}

GameLoop::GameLoop(MatchState& state, Board& board, MatchLink& link, QObject* parent)
    : QObject(parent), s_(state), board_(board), link_(link) {
    elapsed_.start();
    echoTimer_.setSingleShot(true);
    echoTimer_.setTimerType(Qt::PreciseTimer);
    connect(&delayTimer_, &PreciseWait::timeout, this, &GameLoop::OnDeadline);
    connect(&echoTimer_, &QTimer::timeout, this, [this] {
        echoesPending_ = 0; // the echo was lost; go on without it
        Arm();
    });
}

bool GameLoop::Vyre_Game() {
    if (running_) return false;
    running_ = true;
    echoesPending_ = 0;
    ticks_ = 0;
    deadline_ = Now() + DelayNs(s_.Speed);
    Arm();
    return true;
}

void GameLoop::Abandon() {
    delayTimer_.Stop();
    echoTimer_.stop();
    running_ = false;
}

void GameLoop::Finish() {
    Abandon();
    emit finished();
}

void GameLoop::PositionsDrawn(const std::array<MatchLink::Point, 8>& heads) {
    if (echoesPending_ == 0) return;
    // A Positions message that is not what this tick sent is someone else's, not our echo.
    auto same = [&heads](const std::array<MatchLink::Point, 8>& sent) {
        return std::equal(sent.begin(), sent.end(), heads.begin(),
                          [](const MatchLink::Point& a, const MatchLink::Point& b) { return a.x == b.x && a.y == b.y; });
    };
    if (!std::any_of(sent_.begin(), sent_.begin() + sentCount_, same)) return;
    if (--echoesPending_ == 0 && running_ && echoTimer_.isActive()) {
        echoTimer_.stop();
        Arm();
    }
}

void GameLoop::Arm() {
    if (!running_) return;
    if (echoesPending_ > 0) {
        echoTimer_.start(EchoTimeoutMs);
        return;
    }
    // Deadlines follow each other exactly; the wait to the next one is to the nanosecond.
    delayTimer_.Start(deadline_ - Now());
}

void GameLoop::OnDeadline() {
    if (s_.RoundOver || s_.Paused) {
        Finish();
        return;
    }
    if (beforeTick_) beforeTick_(++ticks_);
    Tick();
    // A decided round ends the loop at once, without waiting for an echo or a deadline: the
    // countdown to the next round is already running and must find the loop returned.
    if (s_.RoundOver) {
        Finish();
        return;
    }
    deadline_ += DelayNs(s_.Speed);
    // After a long stall (a debugger, a suspended machine) start afresh instead of racing.
    const qint64 now = Now();
    if (deadline_ < now - 100'000'000) deadline_ = now;
    Arm();
}

void GameLoop::Sent(const std::array<MatchLink::Point, 8>& heads) {
    if (echoesPending_ == 0) sentCount_ = 0; // a new tick's echoes
    if (sentCount_ < static_cast<int>(sent_.size())) sent_[static_cast<std::size_t>(sentCount_++)] = heads;
    ++echoesPending_;
}

void GameLoop::Tick() {
    const int n = s_.PlayerCount();
    const bool thin = s_.Thickness == 0;
    bool doubleStep = false;
    if (thin)
        for (int i = 1; i <= n; ++i) back_[i] = {};
    for (int i = 1; i <= n; ++i) {
        if (s_.Players[i].Crashed == -1) continue;
        MovePlayer(i, doubleStep);
        TurboBookkeeping(i);
    }

    CrashTest();
    if (!s_.RoundOver) {
        if (auto code = outcome::Decide(s_)) {
            link_.SendRoundOutcome(*code);
            s_.RoundOver = True16;
            if (!s_.MatchOver && startCountdown_) startCountdown_();
        }
    }

    std::array<MatchLink::Point, 8> heads;
    std::array<std::int16_t, 8> fuel;
    for (int i = 1; i <= 8; ++i) fuel[i - 1] = s_.Players[i].Fuel;
    if (thin && doubleStep) {
        // Fills the pixel that a two-pixel step of a thin trail jumps over.
        for (int i = 1; i <= 8; ++i) {
            const auto& p = s_.Players[i];
            heads[i - 1] = {static_cast<std::int16_t>(p.X + back_[i].dx),
                            static_cast<std::int16_t>(p.Y + back_[i].dy)};
        }
        Sent(heads);
        link_.SendPositions(heads, fuel);
    }
    for (int i = 1; i <= 8; ++i) heads[i - 1] = {s_.Players[i].X, s_.Players[i].Y};
    Sent(heads);
    link_.SendPositions(heads, fuel);
}

void GameLoop::MovePlayer(int i, bool& doubleStep) {
    auto& p = s_.Players[i];
    const int t = s_.Thickness;
    const int pitch = s_.SnapToGrid ? 2 * t + 3 : 1;
    look_[i] = {};
    p.Step = p.Turbo != 0 ? 2 : 1;

    if (p.RequestedDirection != p.Direction) {
        const int want = p.RequestedDirection;
        const bool xOn = p.X % pitch == 0;
        const bool yOn = p.Y % pitch == 0;
        const bool onGrid = direction::IsVertical(want)     ? xOn
                            : direction::IsHorizontal(want) ? yOn
                                                            : xOn && yOn;
        if (onGrid) p.Direction = p.RequestedDirection;
        link_.SendTurn(i, p.Direction);
    }

    const int d = p.Direction;
    if (!direction::IsValid(d)) return;
    if (direction::IsDiagonal(d)) {
        ++p.DiagonalPhase;
        if (p.DiagonalPhase > 2) return; // the standing tick of a diagonal rider
    }
    const auto m = direction::MotionOf(d);
    Add16(p.X, m.dx * p.Step);
    Add16(p.Y, m.dy * p.Step);

    look_[i] = LookAhead(d, t);

    if (t == 0 && p.Step == 2) {
        doubleStep = true;
        back_[i] = {static_cast<std::int16_t>(-m.dx), static_cast<std::int16_t>(-m.dy)};
    }
}

void GameLoop::TurboBookkeeping(int i) {
    auto& p = s_.Players[i];
    if (p.Turbo == 0) {
        if (p.Fuel < board_.Gauge(1).Width()) {
            Add16(p.RefillTicks, 1);
            if (p.RefillTicks == 30) {
                Add16(p.Fuel, 1);
                p.RefillTicks = 0;
            }
        }
    } else if (p.Turbo == 1) {
        Add16(p.BurnTicks, 1);
        if (p.BurnTicks == 4) {
            Add16(p.Fuel, -1);
            p.BurnTicks = 0;
        }
        if (p.Fuel < 0) {
            p.Turbo = 0;
            link_.SendTurboOff(i);
            // The first unit of refill then comes 70 ticks later.
            p.RefillTicks = -40;
        }
    }
}

GameLoop::Offset GameLoop::LookAhead(int d, int t) {
    // Probes sit on the rim of the disc that will be drawn at the new head, T pixels to
    // either side of a straight rider's centre line, so a rider never hits its own last disc.
    const auto reach = static_cast<std::int16_t>(t + 1);
    const auto side = static_cast<std::int16_t>(t);
    const auto m = direction::MotionOf(d);
    switch (d) {
    case 1: return {side, static_cast<std::int16_t>(-reach)};
    case 2: return {reach, side};
    case 3: return {side, reach};
    case 4: return {static_cast<std::int16_t>(-reach), side};
    default: return {static_cast<std::int16_t>(m.dx * reach), static_cast<std::int16_t>(m.dy * reach)};
    }
}

bool GameLoop::Hits(const Canvas& arena, Colour back, int x, int y, int d, Offset look) {
    // Anything but the background is an obstacle; outside the arena the pixel reads -1.
    auto hit = [&](int px, int py) { return arena.Pixel(px, py) != back; };
    if (direction::IsVertical(d)) return hit(x + look.dx, y + look.dy) || hit(x - look.dx, y + look.dy);
    if (direction::IsHorizontal(d)) return hit(x + look.dx, y + look.dy) || hit(x + look.dx, y - look.dy);
    return hit(x + look.dx, y + look.dy);
}

void GameLoop::CrashTest() {
    for (int i = 1; i <= s_.PlayerCount(); ++i) {
        auto& p = s_.Players[i];
        if (p.Crashed == -1) continue;
        if (!direction::IsVertical(p.Direction) && !direction::IsHorizontal(p.Direction) &&
            p.DiagonalPhase >= 3) {
            p.DiagonalPhase = 0; // the standing tick of a diagonal rider is not probed
            continue;
        }
        if (Hits(board_.Arena(), s_.ArenaBackColor, p.X, p.Y, p.Direction, look_[i])) p.Crashed = -1;
    }
}
