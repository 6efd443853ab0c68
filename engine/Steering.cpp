#include "Steering.h"

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

void Steering::ApplySteer(PlayerRecord& p, int dir, int turbo) {
    if (direction::IsValid(dir) && dir != p.Direction) p.RequestedDirection = static_cast<std::int16_t>(dir);
    if (turbo == 0 || turbo == 1) p.Turbo = static_cast<std::int16_t>(turbo);
}

void Steering::KeyDown(int key) {
    if (key == Escape) return Pause();
    const int want = DirectionFor(key, s_.DiagonalMotion != 0);
    if (want || key == Space) Want(want, key == Space); // a key that steers nothing sends nothing
}

void Steering::Want(int wanted, bool turboSwitch) {
    PlayerRecord& p = s_.Local();
    int direction = p.RequestedDirection, turbo = p.Turbo;
    Wish(p, direction, turbo, wanted, turboSwitch, s_.TurboOn);
    p.RequestedDirection = static_cast<std::int16_t>(direction);
    if (turbo != p.Turbo) {
        p.Turbo = static_cast<std::int16_t>(turbo);
        if (turboHook_) turboHook_(p.Turbo != 0);
    }
    if (s_.LocalPlayer > 0) link_.SendSteer(s_.LocalPlayer, p.RequestedDirection, p.Turbo);
}
