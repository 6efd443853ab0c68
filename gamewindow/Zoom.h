#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// How large the game window shows the arena. The simulation never sees any of this: it
// stays in arena pixels, and only the picture is scaled, by whole device pixels.
namespace zoom {

constexpr int Auto = 0;    // the largest zoom at which the window fits the screen
constexpr int Largest = 4; // of the zooms a player picks by hand
constexpr int AutoLimit = 16;
// Below 1x (an arena larger than the screen), Auto shows one picture pixel for a block of
// shrink x shrink arena pixels; such a zoom is written -shrink.
constexpr int MostShrink = 8;

// One shown pixel covers `device` x `device` device pixels, which is `logical` widget pixels
// on a screen of the given device-pixel ratio; a shown pixel stands for `shrink` x `shrink`
// arena pixels.
struct Scale {
    int device = 1;
    double logical = 1;
    int shrink = 1;
};
Scale ScaleFor(int zoom, double dpr);
// An arena length as shown at a shrink: whole blocks, the last one maybe partial.
inline int Shrunk(int length, int shrink) { return (length + shrink - 1) / shrink; }

// A length of the 1x layout at a scale, in widget pixels, rounded up so nothing is cut.
int Scaled(int length, const Scale& s);
QSize Scaled(QSize size, const Scale& s);

// What the window shows: the arena, which the zoom scales (and a shrink divides), and what
// lies around it (the score header above, the margins), which keeps its size at every zoom
// so that a larger arena does not come with a header too large for the screen.
struct Sheet {
    QSize arena;
    QSize around;
};
// The window's inside at a zoom, in widget pixels.
QSize Needed(const Sheet& sheet, int zoom, double dpr);
// The largest zoom (at least 1) at which the sheet plus `frame`, the window's decorations,
// fits into `room`.
int Fitting(const Sheet& sheet, QSize frame, QSize room, double dpr);
bool Fits(const Sheet& sheet, QSize frame, QSize room, int zoom, double dpr);

// Where a window's frame goes so that it lies inside the available area: moved as little as
// may be, and with its top left (the title bar) inside when it is the larger.
QPoint PlaceInside(const QRect& frame, const QRect& available);

// The [View] section of the settings file.
struct ViewSettings {
    int zoom = Auto;
    bool fullscreen = false;

    // Texts as stored; anything not understood reads as the default.
    static ViewSettings Parse(const QString& zoom, const QString& fullscreen);
    QString ZoomText() const;
    QString FullscreenText() const { return fullscreen ? QStringLiteral("1") : QStringLiteral("0"); }
};

} // namespace zoom
