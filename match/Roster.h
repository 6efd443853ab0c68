#pragma once

#include "MatchState.h"
#include "Messages.h"
#include "Ports.h"
#include "RiderBrain.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class Pilots;

// The roster of client slots every instance keeps, and what this instance does with it:
// the slot choice of a registration, its computer riders and local players, and the answers
// to a roll call. The control panel shows it; riders and tests drive it.
class Roster : public QObject {
    Q_OBJECT
public:
    static constexpr int Slots = 7;
    struct Box {
        QString text;
        QString name; // the player's own name, when a player registered in this box
        Colour color = colours::FreeRosterBox;
    };
    struct Rider {
        int slot = 0;
        RiderLevel level = RiderLevel::Normal;
        QString name;
        Colour color = 0;
        int echoes = 0; // our own Register messages for this slot still on their way back
        int seat = 0;   // for a person at this keyboard: the key set, 1..3; 0 for a computer rider
        int browser = 0; // for a person at a browser this copy lends the seat to: the page's number
        bool Computer() const { return seat == 0 && browser == 0; }
    };
    using SendFn = std::function<void(const QByteArray&)>;

    Roster(MatchState& state, Pilots& pilots, SendFn send, MessageBoxFn message, QObject* parent = nullptr);

    // Boxes 1..7; anything else reads as empty and takes nothing.
    QString Text(int slot) const;
    // Players in this game now: the host's own, and each filled box.
    int Present() const;
    Colour Color(int slot) const;
    void SetText(int slot, const QString& text);
    // A player registered in this box: its name, shown as "NAME ready!".
    void ShowRegistered(int slot, const QString& name);
    QString Name(int slot) const;
    void SetColor(int slot, Colour c);
    void Clear();
    // The first slot that is free in this roster and not held by this instance; 0 when none.
    int FirstFree() const;

    // The registration timer: claims the first free slot for this instance's player. False
    // (with the program's message) when all seven are taken.
    bool RegisterSelf(const QString& name, Colour color);

    // Computer riders this instance owns, each in a slot of its own.
    std::optional<int> AddRider(RiderLevel level);
    bool RemoveRider(int slot);
    // A second, third or fourth person at this keyboard, owned as a rider is and steered by
    // the key set of the first free seat. Nothing when all seats or slots are taken.
    static constexpr int LocalSeats = 3;
    std::optional<int> AddLocalPlayer(const QString& name, Colour color);
    // A person at a browser, owned as a rider is and steered by what the browser sends.
    // Nothing when all slots are taken.
    std::optional<int> AddBrowserPlayer(int page, const QString& name, Colour color);
    // The slot a browser's page rides in (its rider may move), 0 when none.
    int SlotOfBrowser(int page) const;
    // The first seat (1..LocalSeats) nobody rides; 0 when all are taken.
    int FreeSeat() const;
    // The slot a seat rides in, 0 when that seat is empty.
    int SlotOfSeat(int seat) const;
    // The keyboard's seats that ride here: bit n for seat n, the first player's always.
    unsigned SeatsInUse() const;
    // Says goodbye for every rider (the program ends).
    void RemoveAllRiders();
    // Reset All: every roster is emptied, so the riders are simply forgotten.
    void ForgetRiders();
    const std::vector<Rider>& Riders() const { return riders_; }
    // The slots this instance plays: its own (when registered) and its riders'.
    std::vector<int> OwnedSlots() const;
    // The colour a player (1 to 8) is shown in: the one chosen, or the player's own default
    // when the choice is white, which means none chosen.
    static Colour ShownColour(int player, Colour chosen);
    static Colour DefaultColour(int player) { return colours::PlayerDefault[static_cast<std::size_t>(player)]; }
    static QString RiderName(int slot, RiderLevel level);
    static QString LevelName(RiderLevel level);

    // Dispatcher hooks, after the message has been applied.
    void AnswerRollCall(bool matchRunning);
    void Registered(int slot, const QString& name, Colour color);
    void Unregistered(int slot);

    // Where the players list stands after a registration: the host and the clients in front
    // of the first gap; nothing when there is none.
    std::optional<int> PlayersAfterRegister() const;
    // ... and after a slot was freed: the first gap from box 2 on.
    std::optional<int> PlayersAfterUnregister() const;

signals:
    void changed();
    void ridersChanged();
    // A line for the status area, when a rider had to move or leave.
    void note(const QString& text);

private:
    Rider* RiderIn(int slot);
    // Takes the first free slot for a rider or seat, announces it; nothing when all are taken.
    std::optional<int> Claim(Rider r);
    void Announce(Rider& r);

    void Say(const QString& text) const;

    MatchState& s_;
    Pilots& pilots_;
    SendFn send_;
    MessageBoxFn message_;
    std::array<Box, Slots + 1> boxes_{}; // index 0 unused
    std::vector<Rider> riders_;
    std::uint32_t seeds_ = 0;
};
