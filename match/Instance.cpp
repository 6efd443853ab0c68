#include "Instance.h"

#include "Messages.h"
#include "Transport.h"

#include <algorithm>

Instance::Instance(Transport& transport, std::uint32_t seed, QObject* parent)
    : QObject(parent), transport_(transport), link_(transport), random_(seed), loop_(state_, board_, link_),
      setup_(state_, board_, link_, random_), countdown_(state_, board_, setup_, loop_),
      steering_(state_, link_), pilots_(state_, board_, setup_, crashes_, steering_),
      roster_(
          state_, pilots_, [this](const QByteArray& d) { SendData(d); },
          [this](const QString& text, const QString& title, MessageIcon icon) {
              ShowMessage(text, title, icon);
          }),
      control_({state_, board_, countdown_, loop_, setup_, roster_, crashes_,
                [this](const QByteArray& d) { SendData(d); },
                [this](const QString& text, const QString& title, MessageIcon icon) {
                    ShowMessage(text, title, icon);
                }}),
      chat_([this](const QByteArray& d) { SendData(d); }),
      dispatcher_({state_, board_, loop_, setup_, control_, roster_, pilots_, steering_, crashes_, chat_}) {
    countdown_.SetClock(&clock_);
    control_.SetClock(&clock_);
    dispatcher_.SetClock(&clock_);
    loop_.SetStartCountdown([this] { countdown_.Start(); });
    // Early in each ride a host with computer riders asks how far its clients are, while they
    // are as busy as they will be; its riders' wishes then wait that long before they count.
    sinceStart_.start();
    loop_.SetBeforeTick([this](int tick) {
        if (tick == AskRoundTripAtTick && state_.LocalPlayer == 0 && pilots_.HasComputerRiders()) {
            roundTrip_.Asked(sinceStart_.nsecsElapsed());
            SendData(wire::RollCall());
        }
        pilots_.SetWishDelay(roundTrip_.MedianNs());
        pilots_.TakeDueWishes();
    });
    dispatcher_.SetRegisterHook([this](int slot) {
        const auto& ours = roster_.Riders();
        if (state_.LocalPlayer != 0 ||
            std::any_of(ours.begin(), ours.end(), [slot](const Roster::Rider& r) { return r.slot == slot; }))
            return;
        roundTrip_.Answered(slot, sinceStart_.nsecsElapsed());
    });
    connect(&countdown_, &Countdown::stepped, this, [this](int n) {
        static constexpr Cue steps[] = {Cue::Go, Cue::Count1, Cue::Count2, Cue::Count3};
        control_.Sound(steps[n]);
    });
    steering_.SetTurboHook([this](bool on) { control_.Sound(on ? Cue::TurboOn : Cue::TurboOff); });
    steering_.SetPauseHook([this] { control_.PauseResume(); });
    connect(&crashes_, &CrashWatch::crashed, this, [this](double pan) { control_.Sound(Cue::Crash, pan); });
    connect(&control_, &MatchControl::roundDecided, this, &Instance::roundDecided);
    connect(&control_, &MatchControl::roundMissed, this, &Instance::roundMissed);
    connect(&control_, &MatchControl::matchWon, this, &Instance::matchWon);
    connect(&control_, &MatchControl::cue, this, &Instance::cue);
    connect(&chat_, &ChatLog::lineAdded, this, [this] { control_.Sound(Cue::Chat); });
    connect(&transport_, &Transport::datagramArrived, this,
            [this](const QByteArray& d) {
                if (!sealed_) dispatcher_.tcpReceive_DataArrival(d, transport_.LastSender());
            });
}

void Instance::ShowMessage(const QString& text, const QString& title, MessageIcon icon) const {
    if (messageBox_) messageBox_(text, title, icon);
}

void Instance::SendData(const QByteArray& text) {
    if (!sealed_) transport_.SendData(text);
}

void Instance::Load() {
    state_.InitGameVariables();
    // Colours start as "none chosen". A window loaded again later (the host closed it and
    // starts another match) keeps the colours it knows: made white again, the clients'
    // trails would vanish into a white arena and stop counting as obstacles.
    if (!loadedBefore_)
        for (int i = 1; i <= 8; ++i) state_.Players[i].Color = colours::White;
    loadedBefore_ = true;
    transport_.InitSockets();
    board_.SetStatus(transport_.Problem());
    board_.Notify();
}

bool Instance::Unload() {
    control_.WindowClosed();
    SendData(wire::Unregister(state_.LocalPlayer));
    const bool programEnds = state_.LocalPlayer != 0;
    if (programEnds) transport_.Close();
    return programEnds;
}
