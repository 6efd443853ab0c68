#pragma once

#include "Colour.h"

#include <QByteArray>
#include <QImage>
#include <QRegion>
#include <QString>

class Board;
class Canvas;
struct MatchState;

// What a browser seat's page is sent to show what the game window shows.
namespace webframe {
// The arena's changed pieces, the same pixels the game window paints: the byte 'P', a flags
// byte (1: the whole arena at a new size, 2: the whole arena), the arena's width and height,
// the number of rectangles and each one (x, y, width, height), all as little-endian 16-bit
// numbers, then the rectangles' pixels (red, green, blue; row by row, one rectangle after
// another) in one zlib stream, or as they are (flag 4) when there are only a few.
constexpr int MostRects = 48; // more pieces than that go as the rectangle around them
constexpr int MostRawBytes = 768;
constexpr char Kind = 'P';
enum Flags : quint8 { Resized = 1, Whole = 2, Raw = 4 };
QByteArray Patches(const QImage& arena, const QRegion& changed, quint8 flags);

// The rest of the window as one JSON object: the score boxes of the riders in the match
// (text, colour, name), the turbo gauges (the share filled and its colour), the countdown
// box, the status line, the lines over the arena, and how this page's rider is steered.
struct Seat {
    int slot = -1;        // the page's rider's slot, -1 while it has none
    bool running = false; // a match runs
};
QByteArray State(const Board& board, const MatchState& state, const Seat& seat);
QString Hex(Colour c);
// How much of a gauge is filled from the left (0..its width), read on its middle row, and in
// which colour.
std::pair<int, Colour> GaugeFill(const Canvas& gauge);
} // namespace webframe
