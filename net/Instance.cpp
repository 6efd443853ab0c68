#include "Instance.h"

#include "Messages.h"
#include "Transport.h"

Instance::Instance(Transport& transport, std::uint32_t seed, QObject* parent)
    : QObject(parent), transport_(transport), link_(transport), random_(seed), loop_(state_, board_, link_),
      setup_(state_, board_, link_, random_), countdown_(state_, board_, setup_, loop_),
      steering_(state_, link_), dispatcher_(*this),
      roster_(*this), pilots_(*this) {
    loop_.SetStartCountdown([this] { countdown_.Start(); });
    connect(&countdown_, &Countdown::stepped, this, [this](int n) {
        static constexpr Cue steps[] = {Cue::Go, Cue::Count1, Cue::Count2, Cue::Count3};
        emit cue(steps[n], 0);
    });
    steering_.SetTurboHook([this](bool on) { emit cue(on ? Cue::TurboOn : Cue::TurboOff, 0); });
    connect(&transport_, &Transport::datagramArrived, this,
            [this](const QByteArray& d) { dispatcher_.tcpReceive_DataArrival(d); });
}

void Instance::SetPanel(PanelPort* p) {
    panel_ = p;
    steering_.SetPanel(p);
}

void Instance::ShowMessage(const QString& text, const QString& title, MessageIcon icon) const {
    if (messageBox_) messageBox_(text, title, icon);
}

void Instance::SendData(const QByteArray& text) { transport_.SendData(text); }

void Instance::Load() {
    InitGameVariables();
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
    AbandonRound();
    // A host whose game window closes keeps its panel, and the panel keeps listening: its roster
    // must still hear registrations and roll calls. The sockets close with the program.
    if (panel_) {
        panel_->SetStartEnabled(true);
        panel_->SetPauseEnabled(true);
        panel_->SetResetAllEnabled(true);
    }
    transport_.SendData(wire::Unregister(state_.LocalPlayer));
    const bool programEnds = state_.LocalPlayer != 0;
    if (programEnds) transport_.Close();
    return programEnds;
}

void Instance::InitGameVariables() {
    state_.Delimiter = QString(QChar(1));
    state_.RoundOver = False16;
    state_.ApplyTeamColours();
}

void Instance::InitControls() {
    countdown_.Stop();
    countdown_.StopMarker();
    board_.Arena().Clear();
    board_.SetStopGoColor(colours::CountdownIdle);
    board_.SetStopGoText(QStringLiteral("3"));
    for (int i = 1; i <= 8; ++i) board_.SetScoreText(i, QStringLiteral("0"));
    board_.SetStatus(QString());
    board_.Notify();
}

void Instance::AbandonRound() {
    loop_.Abandon();
    countdown_.Stop();
    countdown_.StopMarker();
}
