#pragma once

#include <QSize>
#include <QString>

// How large the game window shows the arena. The simulation never sees any of this: it
// stays in arena pixels, and only the picture is scaled, by whole device pixels.
namespace zoom {

constexpr int Auto = 0;    // the largest zoom at which the window fits the screen
constexpr int Largest = 4; // of the zooms a player picks by hand
constexpr int AutoLimit = 16;

// One arena pixel covers `device` x `device` device pixels, which is `logical` widget
// pixels on a screen of the given device-pixel ratio.
struct Scale {
    int device = 1;
    double logical = 1;
};
Scale ScaleFor(int zoom, double dpr);

// A length of the 1x layout at a scale, in widget pixels, rounded up so nothing is cut.
int Scaled(int length, const Scale& s);
QSize Scaled(QSize size, const Scale& s);

// The largest zoom (at least 1) at which `layout`, the 1x size of what is shown, plus
// `frame`, the window's decorations, fits into `room`.
int Fitting(QSize layout, QSize frame, QSize room, double dpr);

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
