#include "Steering.h"

#include <algorithm>

int Steering::DirectionFor(int key, bool diagonal) {
    switch (key) {
    case Up: return 1;
    case Right: return 2;
    case Down: return 3;
    case Left: return 4;
    default: break;
    }
    if (!diagonal) return 0;
    switch (key) {
    case Pad9: return 5;
    case Pad3: return 6;
    case Pad1: return 7;
    case Pad7: return 8;
    case Pad8: return 1;
    case Pad6: return 2;
    case Pad5:
    case Pad2: return 3;
    case Pad4: return 4;
    default: return 0;
    }
}

void Steering::Rule(const PlayerRecord& rider, const Wish& wish, bool turboOn, int& direction, int& turbo) {
    using From = Wish::From;
    const int wanted = wish.direction;
    const bool reversal = !direction::MayRequest(rider.Direction, wanted);
    const bool present = wanted == rider.Direction;
    if (direction::IsValid(wanted) && (wish.from == From::Wire || !reversal) &&
        (wish.from == From::Keys || !present))
        direction = wanted;
    if (wish.from == From::Keys) {
        if (wish.turbo != 0 && turboOn) turbo = turbo != 0 ? 0 : 1;
    } else if (wish.turbo == 0 || (wish.turbo == 1 && turboOn)) {
        turbo = wish.turbo;
    }
}

void Steering::KeyDown(int key) {
    if (key == Escape) return Pause();
    const int want = DirectionFor(key, s_.DiagonalMotion != 0);
    if (want || key == Space)
        Want(s_.LocalPlayer,
             {Wish::From::Keys, want, key == Space ? 1 : 0}); // a key that steers nothing sends nothing
}

void Steering::Want(int slot, const Wish& wish) {
    PlayerRecord& p = s_.Players[static_cast<std::size_t>(std::clamp(slot + 1, 0, 8))];
    int direction = p.RequestedDirection, turbo = p.Turbo;
    Rule(p, wish, s_.TurboOn != 0, direction, turbo);
    p.RequestedDirection = static_cast<std::int16_t>(direction);
    if (turbo != p.Turbo) {
        p.Turbo = static_cast<std::int16_t>(turbo);
        if (wish.from == Wish::From::Keys && slot == s_.LocalPlayer && turboHook_) turboHook_(p.Turbo != 0);
    }
    if (wish.from != Wish::From::Wire && slot > 0) link_.SendSteer(slot, p.RequestedDirection, p.Turbo);
}
