#include "Roster.h"

#include "Pilots.h"

#include <algorithm>

Roster::Roster(MatchState& state, Pilots& pilots, SendFn send, MessageBoxFn message, QObject* parent)
    : QObject(parent), s_(state), pilots_(pilots), send_(std::move(send)), message_(std::move(message)) {}

void Roster::Say(const QString& text) const {
    if (message_) message_(text, tr("Lumivex"), MessageIcon::None);
}

QString Roster::Text(int slot) const { return slot >= 1 && slot <= Slots ? boxes_[slot].text : QString(); }

int Roster::Present() const {
    int n = 1;
    for (int slot = 1; slot <= Slots; ++slot) n += !boxes_[slot].text.isEmpty();
    return n;
}

Colour Roster::Color(int slot) const {
    return slot >= 1 && slot <= Slots ? boxes_[slot].color : colours::FreeRosterBox;
}

void Roster::SetText(int slot, const QString& text) {
    if (slot < 1 || slot > Slots || boxes_[slot].text == text) return;
    boxes_[slot].text = text;
    emit changed();
}

void Roster::ShowRegistered(int slot, const QString& name) {
    if (slot < 1 || slot > Slots) return;
    boxes_[slot].name = name;
    SetText(slot, tr("%1 ready!").arg(name));
}

QString Roster::Name(int slot) const {
    return slot >= 1 && slot <= Slots && !boxes_[slot].text.isEmpty() ? boxes_[slot].name : QString();
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
    MatchState& s = s_;
    if (s.LocalPlayer != -1) return true;
    const int slot = FirstFree();
    if (slot == 0) {
        Say(tr("Only 7 instances can serve as clients"));
        return false;
    }
    send_(wire::Register(slot, name, color));
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
    send_(wire::Register(r.slot, r.name, r.color));
}

std::optional<int> Roster::Claim(Rider r) {
    r.slot = FirstFree();
    if (r.slot == 0) {
        Say(tr("Only 7 instances can serve as clients"));
        return std::nullopt;
    }
    if (r.Computer()) {
        r.name = RiderName(r.slot, r.level);
        r.color = colours::PlayerDefault[static_cast<std::size_t>(r.slot + 1)];
        pilots_.Add(r.slot, r.level,
                            s_.LocalPlayer * 131u + static_cast<std::uint32_t>(r.slot) + ++seeds_);
    } else {
        pilots_.AddHuman(r.slot);
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
    const int seat = FreeSeat();
    if (seat == 0) {
        Say(tr("Four players at one keyboard at most"));
        return std::nullopt;
    }
    Rider r;
    r.seat = seat;
    r.name = name;
    r.color = color;
    return Claim(r);
}

std::optional<int> Roster::AddBrowserPlayer(int page, const QString& name, Colour color) {
    Rider r;
    r.browser = page;
    r.name = name;
    r.color = color;
    return Claim(r);
}

int Roster::SlotOfBrowser(int page) const {
    for (const Rider& r : riders_)
        if (r.browser == page && page != 0) return r.slot;
    return 0;
}

int Roster::FreeSeat() const {
    for (int seat = 1; seat <= LocalSeats; ++seat)
        if (SlotOfSeat(seat) == 0) return seat;
    return 0;
}

unsigned Roster::SeatsInUse() const {
    unsigned seats = 1;
    for (const Rider& r : riders_)
        if (r.seat > 0) seats |= 1u << r.seat;
    return seats;
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
    pilots_.Remove(slot);
    send_(wire::Unregister(slot));
    emit ridersChanged();
    return true;
}

void Roster::RemoveAllRiders() {
    while (!riders_.empty()) RemoveRider(riders_.back().slot);
}

void Roster::ForgetRiders() {
    for (const Rider& r : riders_) pilots_.Remove(r.slot);
    const bool had = !riders_.empty();
    riders_.clear();
    if (had) emit ridersChanged();
}

std::vector<int> Roster::OwnedSlots() const {
    std::vector<int> owned;
    if (s_.LocalPlayer >= 1) owned.push_back(s_.LocalPlayer);
    for (const Rider& r : riders_) owned.push_back(r.slot);
    return owned;
}

void Roster::AnswerRollCall(bool matchRunning) {
    const MatchState& s = s_;
    const PlayerRecord& p = s.Players[static_cast<std::size_t>(s.LocalIndex())];
    // A host's answer tells its clients that it is there: a host whose match stopped (its
    // window closed, say) answers as a copy in no match. Every roster ignores both.
    const int slot = s.LocalPlayer == 0 && !matchRunning ? -1 : s.LocalPlayer;
    send_(wire::Register(slot, p.Name, p.Color));
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
        pilots_.Remove(from);
        emit note(tr("%1 left: its slot was taken").arg(old));
    } else {
        r->slot = to;
        if (r->Computer()) r->name = RiderName(to, r->level);
        r->echoes = 0;
        pilots_.Move(from, to);
        Announce(*r);
        emit note(tr("%1 was taken elsewhere; it rides as %2").arg(old, r->name));
    }
    emit ridersChanged();
}

void Roster::Unregistered(int slot) {
    // Someone else let go of a slot our rider holds: say again that it is taken.
    if (Rider* r = RiderIn(slot)) Announce(*r);
}

std::optional<int> Roster::PlayersAfterRegister() const {
    for (int i = 1; i <= Slots; ++i)
        if (Text(i).isEmpty()) return i - 2;
    return 6;
}

std::optional<int> Roster::PlayersAfterUnregister() const {
    for (int i = 2; i <= 6; ++i)
        if (Text(i).isEmpty()) return i - 2;
    return std::nullopt;
}

Colour Roster::ShownColour(int player, Colour chosen) {
    return chosen == colours::White ? DefaultColour(player) : chosen;
}
