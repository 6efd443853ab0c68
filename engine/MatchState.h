#pragma once

#include "Colour.h"

#include <QString>
#include <array>
#include <cstdint>

namespace colours {
constexpr Colour White = 0xFFFFFF;
constexpr Colour HostDefault = 0xFF8080;
constexpr Colour WallFill = 0xFFC0C0;
constexpr Colour WallOutline = 0x404080;
constexpr Colour ObstacleOutline = 0x000001;
constexpr Colour CountdownIdle = 0x0040C0;
constexpr Colour FreeRosterBox = 0xC0E0FF;
constexpr Colour StatusBack = 0xC0E0FF;
constexpr Colour PanelBack = 0xB0541C;

// Default colours of players 1..8 (index 0 unused).
constexpr std::array<Colour, 9> PlayerDefault = {0,        0xFF8080, 0x8080FF, 0x00C000, 0x7373B9,
                                                 0x800080, 0x008080, 0x008000, 0x404080};
} // namespace colours

// Booleans of the shared state are kept as the game has always kept them: -1 true, 0 false.
constexpr std::int16_t True16 = -1;
constexpr std::int16_t False16 = 0;

// One rider's record, fields in the order the game defines them.
struct PlayerRecord {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t Direction = 0;
    std::int16_t DiagonalPhase = 0;
    std::int16_t RequestedDirection = 0;
    std::int16_t Turbo = 0;
    std::int16_t Fuel = 0;
    std::int16_t RefillTicks = 0;
    std::int16_t BurnTicks = 0;
    Colour Color = 0;
    std::int16_t Step = 0;
    std::int16_t Crashed = 0;
    QString Name;
};

// Direction codes 1..8: up, right, down, left, up-right, down-right, down-left, up-left.
namespace direction {
constexpr bool IsValid(int code) { return code >= 1 && code <= 8; }
constexpr bool IsDiagonal(int code) { return code >= 5 && code <= 8; }
constexpr bool IsVertical(int code) { return code == 1 || code == 3; }
constexpr bool IsHorizontal(int code) { return code == 2 || code == 4; }
// Unit motion of a code on each axis; (0, 0) for anything outside 1..8.
struct Motion {
    int dx;
    int dy;
};
constexpr Motion MotionOf(int code) {
    constexpr Motion table[9] = {{0, 0},  {0, -1}, {1, 0},  {0, 1},  {-1, 0},
                                 {1, -1}, {1, 1},  {-1, 1}, {-1, -1}};
    return IsValid(code) ? table[code] : Motion{0, 0};
}
constexpr int Opposite(int code) {
    constexpr int table[9] = {0, 3, 4, 1, 2, 7, 8, 5, 6};
    return IsValid(code) ? table[code] : 0;
}
// Whether a rider riding `current` may ask for `wanted`: never straight back into its own
// trail. The test is against the current direction, not a pending request.
constexpr bool MayRequest(int current, int wanted) { return wanted != 0 && Opposite(wanted) != current; }
} // namespace direction

// Teams need an even field of at least four: players 1..n/2 against the rest.
constexpr bool TeamsPossible(int players) { return players == 4 || players == 6 || players == 8; }

// With warp on, a head that leaves the band [Low, High] of an axis comes back on the far side.
namespace warp {
constexpr int Low(int thickness) { return thickness + 7; }
constexpr int High(int extent, int thickness) { return extent - 10 - thickness; }
// Where a coordinate on an axis of this extent lands.
constexpr int Wrap(int v, int extent, int thickness) {
    if (v < Low(thickness)) return High(extent, thickness);
    if (v > High(extent, thickness)) return Low(thickness);
    return v;
}
} // namespace warp

// The match state one instance shares between its engine, dispatcher and windows.
struct MatchState {
    std::array<PlayerRecord, 9> Players{}; // players 1..8; slot 0 belongs to nobody
    std::int16_t NumPlayers = 7;
    std::int16_t Thickness = 0;
    std::int16_t Speed = 85;
    std::int16_t Complexity = 8;
    std::int16_t WarpOn = False16;
    std::int16_t TurboOn = False16;
    std::int16_t TeamOn = False16;
    std::int16_t SnapToGrid = False16;
    std::int16_t FixedPosition = False16;
    std::int16_t DiagonalMotion = False16;
    std::int16_t MatchScore = 7;
    QString Delimiter = QString(QChar(1));
    QString IniFile;
    QString UserName;
    std::int16_t LocalPlayer = -1;
    std::int16_t RoundOver = False16;
    std::int16_t Paused = False16;
    std::int16_t MatchOver = False16;
    Colour ArenaBackColor = 0;

    // Players 1..NumPlayers, bounded by the table whatever NumPlayers holds.
    int PlayerCount() const { return NumPlayers < 0 ? 0 : (NumPlayers > 8 ? 8 : NumPlayers); }
    PlayerRecord& Local() { return Players[static_cast<std::size_t>(LocalIndex())]; }
    // Index of the record this instance steers: LocalPlayer + 1, or slot 0 when in no match.
    int LocalIndex() const { return (LocalPlayer >= 0 && LocalPlayer <= 7) ? LocalPlayer + 1 : 0; }

    // Team play: every member takes the colour of its team's first member.
    void ApplyTeamColours();
    // The game window's variables at its load and at every new match.
    void InitGameVariables() {
        Delimiter = QString(QChar(1));
        RoundOver = False16;
        ApplyTeamColours();
    }
};
