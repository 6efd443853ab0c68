#pragma once

#include "MatchState.h"

#include <cstdint>
#include <vector>

class Canvas;

// The arena in cells of the lane pitch (2 x Thickness + 3 pixels, the grid every starting
// point lies on). Cell (i, j) holds the pixels whose distance from (i x pitch, j x pitch) is
// at most Thickness + 1 along both axes, so a rider on a lane draws exactly one row or
// column of cells and adjacent lanes never touch. A cell is blocked when any of its pixels
// is not the background, or lies outside the arena. Riders plan on cells; the exact crash
// test stays on pixels.
class CellMap {
public:
    // Reads the whole arena; once a round.
    void Build(const Canvas& arena, Colour back, int thickness);
    // A disc of the trail drawn at (x, y): blocks the cells it touches.
    void MarkDisc(int x, int y);

    int Pitch() const { return pitch_; }
    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    int CellX(int x) const { return FloorDiv(x + reach_, pitch_); }
    int CellY(int y) const { return FloorDiv(y + reach_, pitch_); }
    bool Inside(int cx, int cy) const { return cx >= 0 && cy >= 0 && cx < cols_ && cy < rows_; }
    bool Blocked(int cx, int cy) const { return !Inside(cx, cy) || (cells_[Index(cx, cy)] & Wall) != 0; }
    int Index(int cx, int cy) const { return cy * cols_ + cx; }
    // For an index known to lie inside the map.
    bool BlockedAt(int index) const { return (cells_[static_cast<std::size_t>(index)] & Wall) != 0; }

    // The outermost lanes a rider's head can reach, in cells; with wrap-around the last
    // on one side leads to the first on the other.
    struct LaneBounds {
        int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
        bool operator==(const LaneBounds&) const = default;
    };
    const LaneBounds& Bounds() const { return bounds_; }
    // For an index known to lie inside the map: whether the cell lies strictly between the
    // outermost lanes, so that its four neighbours are in the map and none of them wraps.
    // The searches step through millions of cells a second; this spares them a division.
    bool InnerAt(int index) const { return (cells_[static_cast<std::size_t>(index)] & Inner) != 0; }
    // The index of a cell, or -1 for one outside the arena (a head received from anywhere).
    int IndexOrNone(int cx, int cy) const { return Inside(cx, cy) ? Index(cx, cy) : -1; }

    // Scratch for the riders' searches, shared by every rider of an instance: a stamp per
    // cell (a new stamp forgets every mark at once) and a queue.
    std::uint32_t NewStamp();
    std::uint32_t Stamp() const { return stamp_; } // the latest, until the next NewStamp
    std::vector<std::uint32_t>& Stamps() { return stamps_; }
    std::vector<std::uint8_t>& Owners() { return owners_; }
    std::vector<std::uint16_t>& Times() { return times_; }
    std::vector<int>& Queue() { return queue_; }

private:
    static int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

    int pitch_ = 3;
    int reach_ = 1;
    int cols_ = 0;
    int rows_ = 0;
    static constexpr std::uint8_t Wall = 1;
    static constexpr std::uint8_t Inner = 2;
    LaneBounds bounds_;
    std::vector<std::uint8_t> cells_; // Wall and Inner bits
    std::vector<std::uint32_t> stamps_;
    std::vector<std::uint8_t> owners_;
    std::vector<std::uint16_t> times_;
    std::vector<int> queue_;
    std::uint32_t stamp_ = 0;
};
