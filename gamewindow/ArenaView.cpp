#include "ArenaView.h"

#include "Board.h"
#include "Canvas.h"

#include <QKeyEvent>
#include <QPainter>
#include <cmath>

ArenaView::ArenaView(const Canvas& canvas, QWidget* parent, bool takesKeys, const Board* overlay)
    : QWidget(parent), canvas_(canvas), overlay_(overlay) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(takesKeys ? Qt::StrongFocus : Qt::NoFocus);
}

void ArenaView::SetScale(const zoom::Scale& s) {
    scale_ = s;
    Fit();
    update();
}

void ArenaView::Fit() { resize(zoom::Scaled(canvas_.Image().size(), scale_)); }

QRect ArenaView::ToWidget(const QRect& r) const {
    const double f = scale_.logical;
    const int left = static_cast<int>(std::floor(r.left() * f));
    const int top = static_cast<int>(std::floor(r.top() * f));
    return {left, top, zoom::Scaled(r.right() + 1, scale_) - left, zoom::Scaled(r.bottom() + 1, scale_) - top};
}

QRect ArenaView::ToCanvas(const QRect& r) const {
    const double f = scale_.logical;
    const int left = static_cast<int>(std::floor(r.left() / f));
    const int top = static_cast<int>(std::floor(r.top() / f));
    const int right = static_cast<int>(std::ceil((r.right() + 1) / f));
    const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) / f));
    return QRect(left, top, right - left, bottom - top) & canvas_.Image().rect();
}

void ArenaView::UpdateCanvas(const QRect& r) { update(scale_.logical == 1.0 ? r : ToWidget(r)); }

void ArenaView::UpdateCanvas(const QRegion& r) {
    if (scale_.logical == 1.0) {
        update(r);
        return;
    }
    QRegion mapped;
    for (const QRect& part : r) mapped += ToWidget(part);
    update(mapped);
}

void ArenaView::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage& image = canvas_.Image();
    const double f = scale_.logical;
    // Rounding a fractional scale up may leave a sliver past the canvas's last pixel.
    if (!QRectF(0, 0, image.width() * f, image.height() * f).contains(QRectF(e->rect())))
        painter.fillRect(e->rect(), Qt::black);
    // In canvas pixels from here on: one canvas pixel is scale_.device whole device pixels.
    // Piece by piece: riders far apart must not scale everything between them.
    painter.scale(f, f);
    for (const QRect& exposed : e->region()) {
        const QRect source = ToCanvas(exposed);
        if (f == 1.0)
            painter.drawImage(source.topLeft(), image, source);
        else {
            // A one-rectangle clip keeps the painter on its fast scaling path; the exposed
            // region as a whole would send it pixel by pixel through the general one.
            painter.setClipRect(source);
            painter.drawImage(QRectF(source), image, QRectF(source));
        }
    }
    painter.setClipping(false);
    if (overlay_ && !overlay_->GetMarker().rect.isNull()) {
        // A one-pixel outline, at the same scale as everything else on the arena.
        const QRect m = overlay_->GetMarker().rect;
        const QColor c(Canvas::ToRgb(overlay_->GetMarker().color));
        painter.fillRect(QRect(m.left(), m.top(), m.width(), 1), c);
        painter.fillRect(QRect(m.left(), m.bottom(), m.width(), 1), c);
        painter.fillRect(QRect(m.left(), m.top(), 1, m.height()), c);
        painter.fillRect(QRect(m.right(), m.top(), 1, m.height()), c);
    }
}

void ArenaView::keyPressEvent(QKeyEvent* e) {
    // Every key-down reaches the game, known or not: a client reports its wishes after each.
    emit keyPressed(keys::FromEvent(*e));
    e->accept();
}
