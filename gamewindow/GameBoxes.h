#pragma once

#include "Canvas.h"
#include "MatchState.h"
#include "Zoom.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>
#include <array>
#include <cmath>

// The game window's boxes above the arena: their 1x layout, fonts and colours, shared by the
// window and its layout.
namespace boxes {
inline QColor ToQColor(Colour c) { return QColor(Canvas::ToRgb(c)); }

// Around the arena when the window is larger than what it shows (fullscreen).
inline const QColor Margin(0x1c, 0x1c, 0x1e);

// The 1x layout of the boxes above the arena.
constexpr int BoxTop = 28;
constexpr int BoxHeight = 21;
constexpr int ScoreWidth = 25;
constexpr int StopGoWidth = 33;
constexpr int StatusTop = 80;
constexpr int NameHeight = 14; // the names under the score boxes
constexpr int WidestScore = 64;
constexpr int GaugeRoom = 100; // the turbo gauges' corner, kept clear of the boxes
// A score box whose seat nobody rides in this match.
constexpr Colour EmptySeat = 0x00403838;

inline QFont BoxFont(double scale) {
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    f.setPointSizeF(9.75 * scale);
    return f;
}

// The names under the score boxes: smaller than the scores.
inline QFont NameFont(const QFont& box) {
    QFont f = box;
    f.setPointSizeF(box.pointSizeF() * 0.75);
    return f;
}

inline int At(int coordinate, const zoom::Scale& s) { return static_cast<int>(std::lround(coordinate * s.logical)); }

inline void Place(QWidget* w, const QRect& r, const zoom::Scale& s) {
    w->setGeometry(At(r.x(), s), At(r.y(), s), zoom::Scaled(r.width(), s), zoom::Scaled(r.height(), s));
}

inline void Paint(QWidget* w, QPalette::ColorRole role, Colour c) {
    QPalette pal = w->palette();
    pal.setColor(role, ToQColor(c));
    w->setPalette(pal);
}
} // namespace boxes

// Where the game window places its boxes for an arena of a given width.
struct BoardLayout {
    static constexpr int ArenaLeft = 8;
    static constexpr int ArenaTop = 108;
    std::array<int, 8> scoreLeft{};
    int stopGoLeft = 0;
    int statusWidth = 0;
    int clientWidth = 0;
    int clientHeight = 0;

    static BoardLayout For(int arenaWidth, int arenaHeight);
};
