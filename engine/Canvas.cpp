#include "Canvas.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int MaxSide = 4096; // far above any arena; bounds hostile sizes
}

Canvas::Canvas(int width, int height, Colour back) : back_(back) { Resize(width, height); }

QRgb Canvas::ToRgb(Colour c) {
    const auto v = static_cast<std::uint32_t>(c);
    return qRgb(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

void Canvas::Resize(int width, int height) {
    width = std::clamp(width, 1, MaxSide);
    height = std::clamp(height, 1, MaxSide);
    // The same size again only clears: a stream of match settings must not reallocate megabytes.
    if (image_.isNull() || image_.width() != width || image_.height() != height) {
        image_ = QImage(width, height, QImage::Format_RGB32);
        clean_ = false;
    }
    Clear();
}

void Canvas::SetBackColor(Colour c) {
    if (c != back_) clean_ = false;
    back_ = c;
    Clear();
}

void Canvas::Clear() {
    if (clean_) return;
    image_.fill(ToRgb(back_));
    visited_ += qint64(image_.width()) * image_.height();
    Writable();
    dirty_ = QRegion(image_.rect());
    clean_ = true;
    ++clears_;
}

Canvas::Pixels Canvas::Writable() {
    read_ = {reinterpret_cast<QRgb*>(image_.bits()), image_.bytesPerLine() / qsizetype(sizeof(QRgb)), image_.width(),
             image_.height()};
    return read_;
}

bool Canvas::Plot(const Pixels& px, int x, int y, QRgb rgb) {
    if (x < 0 || y < 0 || x >= px.width || y >= px.height) return false;
    QRgb& p = px.base[y * px.stride + x];
    if (p == rgb) return false;
    p = rgb;
    return true;
}

bool Canvas::HorizontalRun(const Pixels& px, int x1, int x2, int y, QRgb rgb) {
    if (y < 0 || y >= px.height) return false;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, px.width - 1);
    if (x1 > x2) return false;
    QRgb* begin = px.base + y * px.stride + x1;
    QRgb* end = begin + (x2 - x1 + 1);
    if (std::find_if(begin, end, [rgb](QRgb p) { return p != rgb; }) == end) return false;
    std::fill(begin, end, rgb);
    return true;
}

void Canvas::Circle(int cx, int cy, int r, Colour outline) {
    if (r < 0) return;
    const std::int64_t limit = std::int64_t(r) * r + r;
    auto inside = [limit](std::int64_t dx, std::int64_t dy) { return dx * dx + dy * dy <= limit; };
    const QRgb rim = ToRgb(outline);
    const QRgb inner = ToRgb(fill_);
    const bool solid = fillStyle_ == FillStyle::Solid;
    // Only rows that meet the surface are visited, so a huge radius costs no more than the surface.
    const Pixels px = Writable();
    const int top = std::max(cy - r, 0);
    const int bottom = std::min(cy + r, px.height - 1);
    if (bottom >= top) visited_ += qint64(bottom - top + 1) * (2 * qint64(r) + 1);
    bool changed = false;
    for (int y = top; y <= bottom; ++y) {
        const std::int64_t dy = std::int64_t(y) - cy;
        int half = 0; // widest dx on this row
        while (half < r && inside(half + 1, dy)) ++half;
        for (int dx = -half; dx <= half; ++dx) {
            const int x = cx + dx;
            if (x < 0 || x >= px.width) continue;
            const bool edge =
                !inside(dx - 1, dy) || !inside(dx + 1, dy) || !inside(dx, dy - 1) || !inside(dx, dy + 1);
            if (edge)
                changed |= Plot(px, x, y, rim);
            else if (solid)
                changed |= Plot(px, x, y, inner);
        }
    }
    if (!changed) return;
    dirty_ |= QRect(QPoint(cx - r, cy - r), QPoint(cx + r, cy + r)) & image_.rect();
    clean_ = false;
}

void Canvas::Box(int x1, int y1, int x2, int y2, Colour outline) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const QRgb rim = ToRgb(outline);
    const Pixels px = Writable();
    visited_ += (QRect(QPoint(x1, y1), QPoint(x2, y2)) & image_.rect()).width() *
                qint64((QRect(QPoint(x1, y1), QPoint(x2, y2)) & image_.rect()).height());
    bool changed = false;
    if (fillStyle_ == FillStyle::Solid) {
        const QRgb inner = ToRgb(fill_);
        for (int y = std::max(y1 + 1, 0); y <= std::min(y2 - 1, px.height - 1); ++y)
            changed |= HorizontalRun(px, x1 + 1, x2 - 1, y, inner);
    }
    changed |= HorizontalRun(px, x1, x2, y1, rim);
    changed |= HorizontalRun(px, x1, x2, y2, rim);
    for (int y = std::max(y1, 0); y <= std::min(y2, px.height - 1); ++y) {
        changed |= Plot(px, x1, y, rim);
        changed |= Plot(px, x2, y, rim);
    }
    if (!changed) return;
    dirty_ |= QRect(QPoint(x1, y1), QPoint(x2, y2)) & image_.rect();
    clean_ = false;
}

QRegion Canvas::TakeDirty() {
    const QRegion d = dirty_;
    dirty_ = QRegion();
    return d;
}
