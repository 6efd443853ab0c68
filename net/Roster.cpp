#include "Roster.h"

#include "Dispatcher.h"
#include "Instance.h"

#include <algorithm>

Roster::Roster(Instance& instance, QObject* parent) : QObject(parent), in_(instance) {}

QString Roster::Text(int slot) const { return slot >= 1 && slot <= Slots ? boxes_[slot].text : QString(); }

Colour Roster::Color(int slot) const {
    return slot >= 1 && slot <= Slots ? boxes_[slot].color : colours::FreeRosterBox;
}

void Roster::SetText(int slot, const QString& text) {
    if (slot < 1 || slot > Slots || boxes_[slot].text == text) return;
    boxes_[slot].text = text;
    emit changed();
}

void Roster::SetColor(int slot, Colour c) {
    if (slot < 1 || slot > Slots || boxes_[slot].color == c) return;
    boxes_[slot].color = c;
    emit changed();
}

void Roster::Clear() {
    boxes_ = {};
    emit changed();
}

int Roster::FirstFree() const {
    const auto owned = OwnedSlots();
    for (int i = 1; i <= Slots; ++i)
        if (boxes_[i].text.isEmpty() && std::find(owned.begin(), owned.end(), i) == owned.end()) return i;
    return 0;
}

bool Roster::RegisterSelf(const QString& name, Colour color) {
    MatchState& s = in_.State();
    if (s.LocalPlayer != -1) return true;
    const int slot = FirstFree();
    if (slot == 0) {
        in_.ShowMessage(QStringLiteral("Only 7 instances can serve as clients"), QStringLiteral("Lumivex"),
                        MessageIcon::None);
        return false;
    }
    in_.SendData(wire::Register(slot, name, color));
    s.LocalPlayer = static_cast<std::int16_t>(slot);
    // A roll call may arrive before our own Register comes back; its answer must already
    // carry our name, or it would wipe it from every roster.
    s.Players[slot + 1].Name = wire::CleanName(name);
    s.Players[slot + 1].Color = color;
    return true;
}

QString Roster::LevelName(RiderLevel level) {
    switch (level) {
    case RiderLevel::Easy: return QStringLiteral("Easy");
    case RiderLevel::Normal: return QStringLiteral("Normal");
    case RiderLevel::Hard: return QStringLiteral("Hard");
    }
    return {};
}

QString Roster::RiderName(int slot, RiderLevel level) {
    return QStringLiteral("Computer %1 (%2)").arg(slot + 1).arg(LevelName(level));
}

Roster::Rider* Roster::RiderIn(int slot) {
    auto it = std::find_if(riders_.begin(), riders_.end(), [slot](const Rider& r) { return r.slot == slot; });
    return it == riders_.end() ? nullptr : &*it;
}

void Roster::Announce(Rider& r) {
    ++r.echoes;
    in_.SendData(wire::Register(r.slot, r.name, r.color));
}

std::optional<int> Roster::Claim(Rider r) {
    r.slot = FirstFree();
    if (r.slot == 0) {
        in_.ShowMessage(QStringLiteral("Only 7 instances can serve as clients"), QStringLiteral("Lumivex"),
                        MessageIcon::None);
        return std::nullopt;
    }
    if (r.seat == 0) {
        r.name = RiderName(r.slot, r.level);
        r.color = colours::PlayerDefault[static_cast<std::size_t>(r.slot + 1)];
        in_.GetPilots().Add(r.slot, r.level,
                            in_.State().LocalPlayer * 131u + static_cast<std::uint32_t>(r.slot) + ++seeds_);
    } else {
        in_.GetPilots().AddHuman(r.slot);
    }
    riders_.push_back(r);
    Announce(riders_.back());
    emit ridersChanged();
    return r.slot;
}

std::optional<int> Roster::AddRider(RiderLevel level) {
    Rider r;
    r.level = level;
    return Claim(r);
}

std::optional<int> Roster::AddLocalPlayer(const QString& name, Colour color) {
    int seat = 1;
    while (seat <= LocalSeats && SlotOfSeat(seat) != 0) ++seat;
    if (seat > LocalSeats) {
        in_.ShowMessage(QStringLiteral("Four players at one keyboard at most"), QStringLiteral("Lumivex"),
                        MessageIcon::None);
        return std::nullopt;
    }
    Rider r;
    r.seat = seat;
    r.name = name;
    r.color = color;
    return Claim(r);
}

int Roster::SlotOfSeat(int seat) const {
    for (const Rider& r : riders_)
        if (r.seat == seat && seat > 0) return r.slot;
    return 0;
}

bool Roster::RemoveRider(int slot) {
    const auto it = std::find_if(riders_.begin(), riders_.end(), [slot](const Rider& r) { return r.slot == slot; });
    if (it == riders_.end()) return false;
    riders_.erase(it);
    in_.GetPilots().Remove(slot);
    in_.SendData(wire::Unregister(slot));
    emit ridersChanged();
    return true;
}

void Roster::RemoveAllRiders() {
    while (!riders_.empty()) RemoveRider(riders_.back().slot);
}

void Roster::ForgetRiders() {
    for (const Rider& r : riders_) in_.GetPilots().Remove(r.slot);
    const bool had = !riders_.empty();
    riders_.clear();
    if (had) emit ridersChanged();
}

std::vector<int> Roster::OwnedSlots() const {
    std::vector<int> owned;
    if (in_.State().LocalPlayer >= 1) owned.push_back(in_.State().LocalPlayer);
    for (const Rider& r : riders_) owned.push_back(r.slot);
    return owned;
}

void Roster::AnswerRollCall() {
    const MatchState& s = in_.State();
    const PlayerRecord& p = s.Players[static_cast<std::size_t>(s.LocalIndex())];
    in_.SendData(wire::Register(s.LocalPlayer, p.Name, p.Color));
    for (Rider& r : riders_) Announce(r);
}

void Roster::Registered(int slot, const QString& name, Colour color) {
    Rider* r = RiderIn(slot);
    if (!r) return;
    if (r->echoes > 0 && wire::CleanName(r->name) == name && r->color == color) {
        --r->echoes; // our own announcement, back from the group
        return;
    }
    // Another instance claimed the same slot (the protocol cannot prevent it): that slot is
    // theirs now, and the rider moves on, so there are never two riders for one slot.
    // The lost slot's box already shows the other claim, so the search passes over it.
    const QString old = r->name;
    const int from = r->slot;
    const int to = FirstFree();
    if (to == 0) {
        riders_.erase(riders_.begin() + (r - riders_.data()));
        in_.GetPilots().Remove(from);
        emit note(QStringLiteral("%1 left: its slot was taken").arg(old));
    } else {
        r->slot = to;
        if (r->seat == 0) r->name = RiderName(to, r->level);
        r->echoes = 0;
        in_.GetPilots().Move(from, to);
        Announce(*r);
        emit note(QStringLiteral("%1 was taken elsewhere; it rides as %2").arg(old, r->name));
    }
    emit ridersChanged();
}

void Roster::Unregistered(int slot) {
    // Someone else let go of a slot our rider holds: say again that it is taken.
    if (Rider* r = RiderIn(slot)) Announce(*r);
}

Roster::Start Roster::StartMatch(MatchOptions& o) {
    if (Text(1).isEmpty()) {
        in_.ShowMessage(QStringLiteral("No Client 1!"), QStringLiteral("Warning!"), MessageIcon::Warning);
        return Start::NoClient1;
    }
    // Pressed during a running round, the old round stops here, so only one loop ever runs.
    in_.AbandonRound();

    wire::Settings& m = o.settings;
    MatchState& s = in_.State();
    s.MatchOver = False16;
    s.Complexity = static_cast<std::int16_t>(m.complexity);
    s.Speed = static_cast<std::int16_t>(m.speed);
    s.MatchScore = static_cast<std::int16_t>(m.matchScore);
    s.NumPlayers = static_cast<std::int16_t>(m.numPlayers);
    s.Thickness = static_cast<std::int16_t>(m.thickness);
    s.LocalPlayer = 0;
    s.WarpOn = m.warp ? True16 : False16;
    s.TurboOn = m.turbo ? True16 : False16;
    s.TeamOn = m.team ? True16 : False16;
    s.SnapToGrid = o.snapToGrid ? True16 : False16;
    s.FixedPosition = m.fixedPosition ? True16 : False16;
    s.DiagonalMotion = m.diagonalMotion ? True16 : False16;
    m.width = std::clamp(m.width, Dispatcher::MinWidth, Dispatcher::MaxWidth);
    m.height = std::clamp(m.height, Dispatcher::MinHeight, Dispatcher::MaxHeight);

    if (PanelPort* panel = in_.Panel()) {
        panel->SetPauseEnabled(true);
        panel->SetResetAllEnabled(true);
    }
    WindowPort* window = in_.Window();
    if (window && window->IsMinimised()) window->Restore();
    Board& board = in_.GetBoard();
    board.SetStopGoText(QStringLiteral("3"));
    for (int i = 1; i <= 8; ++i) board.SetScoreText(i, QStringLiteral("0"));
    board.SetStatus(QString());

    in_.SendData(wire::MatchSettings(m));

    board.ResizeArena(m.width, m.height);
    if (window) window->FitArena(m.width, m.height);
    in_.GetCountdown().Start();
    board.Arena().Clear();
    board.Notify();
    if (window) window->FocusArena();
    return Start::Started;
}
