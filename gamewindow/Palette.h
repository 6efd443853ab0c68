#pragma once

#include "Canvas.h"

#include <QColor>
#include <QRgb>
#include <array>

// How players' colours are shown on this copy. The colour-blind-safe palette stays apart under
// protanopia, deuteranopia and tritanopia (the set of Okabe and Ito): player i is always shown
// in its i-th colour, so two players who chose one colour are still told apart.
namespace palette {

enum class Colours { AsChosen, ColourBlindSafe };

constexpr std::array<QRgb, 8> Safe = {0xFF000000, 0xFFE69F00, 0xFF56B4E9, 0xFF009E73,
                                      0xFFF0E442, 0xFF0072B2, 0xFFD55E00, 0xFFCC79A7};

// Player i's colour in the safe palette, against this background: on a dark one, black turns white.
inline QRgb SafeFor(int player, QRgb back) {
    const QRgb c = Safe[static_cast<std::size_t>(std::clamp(player, 1, 8) - 1)];
    return c == 0xFF000000 && qGray(back) < 128 ? 0xFFFFFFFF : c;
}

// What player i, who chose this colour, is shown in.
inline Colour Shown(Colours mode, int player, Colour chosen, Colour back) {
    if (mode == Colours::AsChosen || player < 1 || player > 8) return chosen;
    return Canvas::FromRgb(SafeFor(player, Canvas::ToRgb(back)));
}

} // namespace palette
