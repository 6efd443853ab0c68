#include "ArenaView.h"

#include "Board.h"
#include "Canvas.h"

#include <QKeyEvent>
#include <QPainter>

ArenaView::ArenaView(const Canvas& canvas, QWidget* parent, bool takesKeys, const Board* overlay)
    : QWidget(parent), canvas_(canvas), overlay_(overlay) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(takesKeys ? Qt::StrongFocus : Qt::NoFocus);
}

void ArenaView::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect r = e->rect() & canvas_.Image().rect();
    painter.drawImage(r.topLeft(), canvas_.Image(), r);
    if (overlay_ && !overlay_->GetMarker().rect.isNull()) {
        // A one-pixel outline, pixel for pixel like everything else on the arena.
        const QRect m = overlay_->GetMarker().rect;
        const QColor c(Canvas::ToRgb(overlay_->GetMarker().color));
        painter.fillRect(QRect(m.left(), m.top(), m.width(), 1), c);
        painter.fillRect(QRect(m.left(), m.bottom(), m.width(), 1), c);
        painter.fillRect(QRect(m.left(), m.top(), 1, m.height()), c);
        painter.fillRect(QRect(m.right(), m.top(), 1, m.height()), c);
    }
}

int ArenaView::VirtualKey(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9)
        return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Space: return 32;
    case Qt::Key_Escape: return 27;
    default: return 0;
    }
}

void ArenaView::keyPressEvent(QKeyEvent* e) {
    // Every key-down reaches the game, known or not: a client reports its wishes after each.
    emit keyDown(VirtualKey(e->key(), e->modifiers()));
    e->accept();
}
