#include "Zoom.h"

#include <algorithm>
#include <cmath>

namespace zoom {

Scale ScaleFor(int zoom, double dpr) {
    if (!(dpr > 0)) dpr = 1;
    Scale s;
    if (zoom < 0) {
        s.shrink = std::min(-zoom, MostShrink);
        zoom = 1;
    }
    // On a fractional ratio (1.25, 1.5) the zoom is rounded to whole device pixels, so no
    // arena pixel is ever drawn wider than its neighbour.
    s.device = std::max(1, static_cast<int>(std::lround(std::max(1, zoom) * dpr)));
    s.logical = s.device / dpr;
    return s;
}

int Scaled(int length, const Scale& s) {
    // The small epsilon keeps exact products (376 * 1.0) from rounding up by floating error.
    return static_cast<int>(std::ceil(length * s.logical - 1e-9));
}

QSize Scaled(QSize size, const Scale& s) { return {Scaled(size.width(), s), Scaled(size.height(), s)}; }

QSize Needed(const Sheet& sheet, int zoom, double dpr) {
    const Scale s = ScaleFor(zoom, dpr);
    const QSize arena(Shrunk(sheet.arena.width(), s.shrink), Shrunk(sheet.arena.height(), s.shrink));
    return Scaled(arena, s) + Scaled(sheet.around, ScaleFor(1, dpr));
}

bool Fits(const Sheet& sheet, QSize frame, QSize room, int zoom, double dpr) {
    const QSize need = Needed(sheet, zoom, dpr) + frame;
    return need.width() <= room.width() && need.height() <= room.height();
}

QPoint PlaceInside(const QRect& frame, const QRect& available) {
    QPoint at = frame.topLeft();
    at.setX(std::min(at.x(), available.right() + 1 - frame.width()));
    at.setY(std::min(at.y(), available.bottom() + 1 - frame.height()));
    at.setX(std::max(at.x(), available.left()));
    at.setY(std::max(at.y(), available.top()));
    return at;
}

int Fitting(const Sheet& sheet, QSize frame, QSize room, double dpr) {
    int best = 1;
    for (int z = 2; z <= AutoLimit && Fits(sheet, frame, room, z, dpr); ++z) best = z;
    return best;
}

ViewSettings ViewSettings::Parse(const QString& zoomText, const QString& fullscreenText) {
    ViewSettings v;
    bool ok = false;
    const int z = zoomText.trimmed().toInt(&ok);
    if (ok && z >= 1 && z <= Largest) v.zoom = z;
    const QString f = fullscreenText.trimmed();
    v.fullscreen = f == QStringLiteral("1");
    return v;
}

QString ViewSettings::ZoomText() const {
    return zoom == Auto ? QStringLiteral("Auto") : QString::number(zoom);
}

} // namespace zoom
