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
    PlayerRecord& p = s_.Local();
    if (const int want = DirectionFor(key, s_.DiagonalMotion != 0)) {
        if (direction::MayRequest(p.Direction, want)) p.RequestedDirection = static_cast<std::int16_t>(want);
    } else if (key == Space) {
        if (s_.TurboOn) {
            p.Turbo = p.Turbo != 0 ? 0 : 1;
            if (turboHook_) turboHook_(p.Turbo != 0);
        }
    } else if (key == Escape) {
        if (pauseHook_) pauseHook_();
    } else {
        return; // a key that steers nothing sends nothing
    }
    if (s_.LocalPlayer > 0) link_.SendSteer(s_.LocalPlayer, s_.Local().RequestedDirection, s_.Local().Turbo);
}
