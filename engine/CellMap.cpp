#include "CellMap.h"

#include "Canvas.h"

#include <algorithm>

void CellMap::Build(const Canvas& arena, Colour back, int thickness) {
    const int t = std::clamp(thickness, 0, 3);
    pitch_ = 2 * t + 3;
    reach_ = t + 1;
    const int w = arena.Width(), h = arena.Height();
    cols_ = CellX(w - 1) + 1;
    rows_ = CellY(h - 1) + 1;
    const auto cells = static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_);
    cells_.assign(cells, 0);
    bounds_ = {CellX(warp::Low(t)), CellX(warp::High(w, t)), CellY(warp::Low(t)), CellY(warp::High(h, t))};
    for (int cy = std::max(1, bounds_.y0 + 1); cy < std::min(rows_ - 1, bounds_.y1); ++cy)
        for (int cx = std::max(1, bounds_.x0 + 1); cx < std::min(cols_ - 1, bounds_.x1); ++cx)
            cells_[static_cast<std::size_t>(Index(cx, cy))] = Inner;
    if (stamps_.size() != cells) {
        stamps_.assign(cells, 0);
        owners_.assign(cells, 0);
        times_.assign(cells, 0);
        stamp_ = 0;
    }
    queue_.reserve(cells);

    // Cells that reach past an edge hold pixels outside the arena, which count as obstacles.
    const bool lastRowOut = (rows_ - 1) * pitch_ + reach_ > h - 1;
    const bool lastColOut = (cols_ - 1) * pitch_ + reach_ > w - 1;
    for (int cx = 0; cx < cols_; ++cx) {
        cells_[Index(cx, 0)] |= Wall;
        if (lastRowOut) cells_[Index(cx, rows_ - 1)] |= Wall;
    }
    for (int cy = 0; cy < rows_; ++cy) {
        cells_[Index(0, cy)] |= Wall;
        if (lastColOut) cells_[Index(cols_ - 1, cy)] |= Wall;
    }
    const QImage& image = arena.Image();
    const QRgb bg = Canvas::ToRgb(back);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* row = &cells_[static_cast<std::size_t>(Index(0, CellY(y)))];
        // Cell cx holds the pixels from cx * pitch - reach on; a cell found blocked is not
        // looked at again in the rows that follow.
        for (int cx = 0, x = 0; cx < cols_ && x < w; ++cx) {
            const int end = std::min(w, (cx + 1) * pitch_ - reach_);
            if (!(row[cx] & Wall) && std::any_of(line + x, line + end, [bg](QRgb p) { return p != bg; }))
                row[cx] |= Wall;
            x = end;
        }
    }
}

void CellMap::MarkDisc(int x, int y) {
    for (int cy = CellY(y - reach_); cy <= CellY(y + reach_); ++cy)
        for (int cx = CellX(x - reach_); cx <= CellX(x + reach_); ++cx)
            if (Inside(cx, cy)) cells_[Index(cx, cy)] |= Wall;
}

std::uint32_t CellMap::NewStamp() {
    if (++stamp_ == 0) {
        std::fill(stamps_.begin(), stamps_.end(), 0);
        stamp_ = 1;
    }
    return stamp_;
}
