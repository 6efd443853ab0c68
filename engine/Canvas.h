#pragma once

#include "MatchState.h"

#include <QImage>
#include <QRegion>

// A drawing surface whose pixels read back exactly as drawn: no antialiasing, no
// blending. Crash detection compares these colours for equality.
class Canvas {
public:
    enum class FillStyle { Solid, Transparent };

    Canvas(int width, int height, Colour back);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

    // Clears the surface to its background; its memory is replaced only for a new size.
    void Resize(int width, int height);
    // Setting the background clears the surface to it.
    void SetBackColor(Colour c);
    Colour BackColor() const { return back_; }
    // Nothing happens when nothing has been drawn since the last clear: a stream of resets
    // must not refill and repaint megabytes.
    void Clear();
    // Counts the clears that changed the surface; what was drawn before the last one is gone.
    int Clears() const { return clears_; }
    // Pixels filled, or read to see whether they need filling, since the surface was made:
    // what drawing has cost.
    qint64 PixelsVisited() const { return visited_; }

    void SetFillStyle(FillStyle s) { fillStyle_ = s; }
    FillStyle GetFillStyle() const { return fillStyle_; }
    void SetFillColor(Colour c) { fill_ = c; }

    // Disc of radius r: covers (cx + dx, cy + dy) when dx^2 + dy^2 <= r^2 + r, so it never
    // reaches farther than r along either axis. The rim takes the outline colour; the inside
    // takes the fill colour when the fill style is solid.
    void Circle(int cx, int cy, int r, Colour outline);
    // Rectangle between two opposite corners, both included.
    void Box(int x1, int y1, int x2, int y2, Colour outline);

    // Colour at (x, y), or -1 outside the surface. The crash test and the riders' look-ahead
    // ask this many times a tick: it reads through the memory fetched at the last change.
    Colour Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= read_.width || y >= read_.height) return -1;
        return FromRgb(read_.base[y * read_.stride + x]);
    }

    // Area changed since the last call; the view repaints only that.
    QRegion TakeDirty();

    static QRgb ToRgb(Colour c);
    static Colour FromRgb(QRgb rgb) { return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16); }

private:
    // The surface's memory, fetched once per drawing operation rather than once per pixel.
    struct Pixels {
        QRgb* base = nullptr;
        qsizetype stride = 0; // in pixels
        int width = 0;
        int height = 0;
    };
    // Fetches the memory for a change; a shared image is copied first, and reads follow.
    Pixels Writable();
    // Both report whether a pixel changed, so that redrawing the same picture repaints nothing.
    static bool Plot(const Pixels& px, int x, int y, QRgb rgb);
    static bool HorizontalRun(const Pixels& px, int x1, int x2, int y, QRgb rgb);

    QImage image_;
    Colour back_;
    Colour fill_ = 0;
    FillStyle fillStyle_ = FillStyle::Solid;
    QRegion dirty_;
    Pixels read_;
    bool clean_ = false; // every pixel is the background
    int clears_ = 0;
    qint64 visited_ = 0;
};
