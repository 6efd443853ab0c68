#include "Countdown.h"

#include "Board.h"
#include "Convert.h"
#include "GameLoop.h"
#include "RoundSetup.h"

namespace {
constexpr Colour StepThree = 0x8080FF;
constexpr Colour StepTwo = 0x80C0FF;
constexpr Colour StepOne = 0x00C000;
} // namespace

Countdown::Countdown(MatchState& state, Board& board, RoundSetup& setup, GameLoop& loop, QObject* parent)
    : QObject(parent), s_(state), board_(board), setup_(setup), loop_(loop) {
    tmrStopGo_.setInterval(StepMs);
    tmrPosition_.setInterval(MarkerMs);
    tmrPosition_.setTimerType(Qt::PreciseTimer);
    connect(&tmrStopGo_, &QTimer::timeout, this, &Countdown::tmrStopGo_Timer);
    connect(&tmrPosition_, &QTimer::timeout, this, &Countdown::tmrPosition_Timer);
    // The host's "0" step ends when its round does.
    connect(&loop_, &GameLoop::finished, this, &Countdown::FinishZeroStep);
}

void Countdown::Start() {
    if (!Driven()) {
        tmrStopGo_.start();
        return;
    }
    drivenRunning_ = true;
    drivenDue_ = clock_->Ms() + tmrStopGo_.interval();
}

void Countdown::Stop() {
    tmrStopGo_.stop();
    drivenRunning_ = false;
}

void Countdown::Advance() {
    while (drivenRunning_ && Driven() && clock_->Ms() >= drivenDue_) {
        drivenDue_ += tmrStopGo_.interval();
        tmrStopGo_Timer();
    }
}

void Countdown::StopMarker() {
    tmrPosition_.stop();
    board_.ClearMarker();
}

void Countdown::CatchUp() {
    StopMarker();
    board_.SetStopGoColor(colours::CountdownIdle);
    board_.SetStopGoText(QStringLiteral("3"));
    s_.Paused = False16;
}

void Countdown::ClearForRound() {
    Canvas& arena = board_.Arena();
    arena.Clear();
    board_.ForgetHeads();
    arena.SetFillStyle(Canvas::FillStyle::Solid);
    for (int i = 1; i <= 8; ++i) board_.FillGauge(i, s_.Players[i].Color);
}

void Countdown::SetUpNow() {
    CatchUp();
    ClearForRound();
    setup_.SetupRound();
    board_.Notify();
}

void Countdown::tmrStopGo_Timer() {
    ++steps_;
    const QString text = board_.StopGo().text;
    const bool freshRound = !s_.Paused || s_.RoundOver;
    if (const auto n = convert::ToInt16(text); n && *n >= 0 && *n <= 3) emit stepped(*n);

    if (text == QLatin1String("3")) {
        board_.SetStopGoColor(StepThree);
        if (freshRound) ClearForRound();
    } else if (text == QLatin1String("2")) {
        if (freshRound) {
            setup_.SetupRound();
            blinkRising_ = false;
            blinkLevel_ = 255;
            if (!Driven()) tmrPosition_.start();
        }
        board_.SetStopGoColor(StepTwo);
    } else if (text == QLatin1String("1")) {
        board_.SetStopGoColor(StepOne);
    } else if (text == QLatin1String("0")) {
        if (tmrPosition_.isActive()) {
            tmrPosition_.stop();
            board_.ClearMarker();
        }
        board_.SetStopGoColor(colours::CountdownIdle);
        Stop();
        s_.Paused = False16;
        board_.Notify();
        // On the host the step ends when the round does (FinishZeroStep); a client is done.
        if (s_.LocalPlayer == 0 && loop_.Vyre_Game()) return;
        board_.SetStopGoText(QStringLiteral("3"));
        board_.Notify();
        return;
    }

    if (auto v = convert::ToInt16(text))
        if (auto next = convert::Narrow16(std::int64_t(*v) - 1)) board_.SetStopGoText(QString::number(*next));
    board_.Notify();
}

void Countdown::FinishZeroStep() {
    board_.SetStopGoText(QStringLiteral("3"));
    board_.Notify();
}

void Countdown::tmrPosition_Timer() {
    blinkLevel_ += blinkRising_ ? 5 : -5;
    if (blinkLevel_ == 0) blinkRising_ = true;
    const auto& p = s_.Players[static_cast<std::size_t>(s_.LocalIndex())];
    const int r = s_.Thickness + 5;
    board_.SetMarker(QRect(QPoint(p.X - r, p.Y - r), QPoint(p.X + r, p.Y + r)),
                     blinkLevel_ | (blinkLevel_ << 8) | (blinkLevel_ << 16));
    if (blinkRising_ && blinkLevel_ == 255) {
        tmrPosition_.stop();
        board_.ClearMarker();
    }
    board_.Notify();
}
