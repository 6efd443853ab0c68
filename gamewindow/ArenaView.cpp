#include "ArenaView.h"

#include "Board.h"
#include "Canvas.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QFontMetrics>
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

const QImage& ArenaView::Picture() const { return scale_.shrink > 1 ? fitted_ : canvas_.Image(); }

QSize ArenaView::Shown() const {
    const QSize all = canvas_.Image().size();
    const QSize edge = overlay_ ? QSize(2, 2) : QSize();
    const QSize canvas = (all - edge).expandedTo(QSize(1, 1));
    return {zoom::Shrunk(canvas.width(), scale_.shrink), zoom::Shrunk(canvas.height(), scale_.shrink)};
}

void ArenaView::Fit() {
    if (scale_.shrink > 1) {
        const QSize blocks(zoom::Shrunk(canvas_.Width(), scale_.shrink), zoom::Shrunk(canvas_.Height(), scale_.shrink));
        if (fitted_.size() != blocks) fitted_ = QImage(blocks, QImage::Format_RGB32);
        Refresh(canvas_.Image().rect());
    } else {
        fitted_ = QImage();
    }
    resize(zoom::Scaled(Shown(), scale_));
}

QRect ArenaView::Refresh(const QRect& canvasRect) {
    const int k = scale_.shrink;
    const QImage& image = canvas_.Image();
    const QRect r = canvasRect & image.rect();
    if (r.isEmpty() || fitted_.isNull()) return {};
    const QRgb back = Canvas::ToRgb(canvas_.BackColor());
    const QRect blocks(QPoint(r.left() / k, r.top() / k), QPoint(r.right() / k, r.bottom() / k));
    for (int by = blocks.top(); by <= blocks.bottom(); ++by) {
        auto* out = reinterpret_cast<QRgb*>(fitted_.scanLine(by));
        const int y0 = by * k, y1 = std::min(y0 + k, image.height());
        for (int bx = blocks.left(); bx <= blocks.right(); ++bx) {
            const int x0 = bx * k, x1 = std::min(x0 + k, image.width());
            // The block's first pixel that is not the background, else the background: a
            // one-pixel trail crosses every block it passes through, so it always shows.
            QRgb shown = back;
            QPoint at;
            for (int y = y0; y < y1 && shown == back; ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = x0; x < x1; ++x)
                    if (row[x] != back) {
                        shown = row[x];
                        at = QPoint(x, y);
                        break;
                    }
            }
            out[bx] = shade_ && shown != back ? Shaded(shown, at.x(), at.y()) : shown;
        }
    }
    return blocks;
}

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
    return QRect(left, top, right - left, bottom - top) & QRect(QPoint(), Shown());
}

void ArenaView::UpdateCanvas(const QRect& r) {
    if (scale_.shrink > 1) update(ToWidget(Refresh(r)));
    else update(scale_.logical == 1.0 ? r : ToWidget(r));
}

void ArenaView::UpdateCanvas(const QRegion& r) {
    if (scale_.logical == 1.0 && scale_.shrink == 1) {
        update(r);
        return;
    }
    QRegion mapped;
    for (const QRect& part : r) mapped += ToWidget(scale_.shrink > 1 ? Refresh(part) : part);
    update(mapped);
}

void ArenaView::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage& image = Picture();
    const double f = scale_.logical;
    // Rounding a fractional scale up may leave a sliver past the canvas's last pixel.
    if (!QRectF(0, 0, Shown().width() * f, Shown().height() * f).contains(QRectF(e->rect())))
        painter.fillRect(e->rect(), Qt::black);
    // In canvas pixels from here on: one canvas pixel is scale_.device whole device pixels.
    // Piece by piece: riders far apart must not scale everything between them.
    painter.scale(f, f);
    // With a shade, and at full size, each exposed piece is recoloured on its way (below 1x the
    // fitted picture was recoloured as it was taken).
    const bool shaded = shade_ && scale_.shrink == 1;
    for (const QRect& exposed : e->region()) {
        const QRect source = ToCanvas(exposed);
        if (shaded) {
            QImage part = image.copy(source).convertToFormat(QImage::Format_RGB32);
            const QRgb back = Canvas::ToRgb(canvas_.BackColor()) | 0xFF000000;
            for (int y = 0; y < part.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(part.scanLine(y));
                for (int x = 0; x < part.width(); ++x)
                    if ((row[x] | 0xFF000000) != back || shade_->only) row[x] = Shaded(row[x], source.left() + x, source.top() + y);
            }
            painter.setClipRect(source);
            painter.drawImage(QRectF(source), part);
        } else if (f == 1.0)
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
        const QRect a = overlay_->GetMarker().rect;
        const int k = scale_.shrink;
        const QRect m = k == 1 ? a : QRect(QPoint(a.left() / k, a.top() / k), QPoint(a.right() / k, a.bottom() / k));
        const QColor c(Canvas::ToRgb(overlay_->GetMarker().color));
        painter.fillRect(QRect(m.left(), m.top(), m.width(), 1), c);
        painter.fillRect(QRect(m.left(), m.bottom(), m.width(), 1), c);
        painter.fillRect(QRect(m.left(), m.top(), 1, m.height()), c);
        painter.fillRect(QRect(m.right(), m.top(), 1, m.height()), c);
    }
    if (!tags_.isEmpty()) PaintTags(painter);
    if (overlay_ && !overlay_->Banner().isEmpty()) PaintBanner(painter, overlay_->Banner());
    if (!said_.isEmpty()) PaintSaid(painter);
    if (!joinCode_.isNull()) PaintJoinCode(painter);
    if (!flash_.isEmpty()) {
        painter.resetTransform();
        QFont font = painter.font();
        font.setPointSizeF(16);
        font.setBold(true);
        painter.setFont(font);
        const QFontMetrics m(font);
        QRect box = m.boundingRect(flash_).adjusted(-12, -6, 12, 6);
        box.moveCenter(QPoint(width() / 2, height() * 3 / 4));
        painter.fillRect(box, QColor(0, 0, 0, 170));
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, flash_);
    }
}

void ArenaView::SetFlash(const QString& text) {
    if (text == flash_) return;
    flash_ = text;
    update();
}

QRgb ArenaView::Shaded(QRgb px, int x, int y) const {
    const Shade& s = *shade_;
    px |= 0xFF000000;
    // A gauge: its fuel in the player's colour, what is burnt white.
    if (s.only >= 1 && s.only <= 8) return px != 0xFFFFFFFF ? s.shown[std::size_t(s.only)] : px;
    if (s.owners) {
        // The owners canvas holds player i as the colour i, whose red is i. A pixel nobody
        // drew keeps its colour, though it be a player's: the walls share one with player 8.
        if (x < 0 || y < 0 || x >= s.owners->Width() || y >= s.owners->Height()) return px;
        const int o = qRed(s.owners->Image().pixel(x, y));
        return o >= 1 && o <= s.players && (s.chosen[std::size_t(o)] | 0xFF000000) == px ? s.shown[std::size_t(o)] : px;
    }
    for (int i = 1; i <= s.players; ++i)
        if ((s.chosen[std::size_t(i)] | 0xFF000000) == px) return s.shown[std::size_t(i)];
    return px;
}

void ArenaView::SetShade(const std::optional<Shade>& shade) {
    if (shade == shade_) return;
    shade_ = shade;
    if (scale_.shrink > 1) Refresh(canvas_.Image().rect());
    update();
}

void ArenaView::SetTags(const QList<Tag>& tags) {
    if (tags == tags_) return;
    tags_ = tags;
    update();
}

void ArenaView::PaintTags(QPainter& painter) {
    // In the widget's own pixels, beside each head, kept inside the view.
    painter.resetTransform();
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font = painter.font();
    font.setPointSizeF(10);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const double f = scale_.logical / scale_.shrink;
    QList<QSize> sizes;
    QList<QPoint> heads;
    for (const Tag& t : tags_) {
        sizes << QSize(metrics.horizontalAdvance(t.name), metrics.height());
        heads << QPoint(qRound(t.head.x() * f), qRound(t.head.y() * f));
    }
    const QList<QRect> places = PlaceTags(sizes, heads, size());
    for (qsizetype i = 0; i < tags_.size(); ++i) {
        const Tag& t = tags_[i];
        QPainterPath path;
        path.addText(QPointF(places[i].left(), places[i].top() + metrics.ascent()), font, t.name);
        // A dark outline, or a light one round a name that is dark itself.
        const QColor outline = qGray(t.colour.rgb()) < 60 ? QColor(235, 235, 235) : QColor(20, 20, 20);
        painter.strokePath(path, QPen(outline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(path, t.colour);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

QList<QRect> ArenaView::PlaceTags(const QList<QSize>& sizes, const QList<QPoint>& heads, QSize view) {
    QList<QRect> placed;
    const auto inside = [view](QRect r) {
        r.moveLeft(std::clamp(r.left(), 2, std::max(2, view.width() - r.width() - 2)));
        r.moveTop(std::clamp(r.top(), 2, std::max(2, view.height() - r.height() - 2)));
        return r;
    };
    const auto free = [&placed](const QRect& r) {
        return std::none_of(placed.begin(), placed.end(), [&r](const QRect& p) { return p.intersects(r); });
    };
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const QSize s = sizes[i];
        const QPoint h = heads[i];
        // Outwards, on the side of the nearer edge: riders start in pairs about the middle.
        const bool leftHalf = h.x() < view.width() / 2;
        const QRect outwards(leftHalf ? h.x() - 8 - s.width() : h.x() + 8, h.y() - s.height() + 2, s.width(), s.height());
        const QRect inwards(leftHalf ? h.x() + 8 : h.x() - 8 - s.width(), outwards.top(), s.width(), s.height());
        const QRect above(h.x() - s.width() / 2, h.y() - 8 - s.height(), s.width(), s.height());
        const QRect below(h.x() - s.width() / 2, h.y() + 8, s.width(), s.height());
        QRect chosen = inside(outwards);
        bool found = false;
        for (const QRect& r : {outwards, inwards, above, below})
            if (free(inside(r))) {
                chosen = inside(r);
                found = true;
                break;
            }
        // Crowded: step away from the head, up and down by turns, until free.
        for (int k = 1; !found && k <= 40; ++k)
            for (int sign : {-1, 1}) {
                const QRect r = inside(outwards.translated(0, sign * k * (s.height() / 2 + 1)));
                if (free(r)) {
                    chosen = r;
                    found = true;
                    break;
                }
            }
        placed << chosen;
    }
    return placed;
}

void ArenaView::SetSaid(const QList<Said>& lines) {
    const bool before = !said_.isEmpty();
    said_ = lines;
    // The strip at the top that held or holds the lines.
    if (before || !said_.isEmpty()) update(QRect(0, 0, width(), ChatRows * (fontMetrics().height() + 2) + 4));
}

void ArenaView::PaintSaid(QPainter& painter) {
    painter.resetTransform();
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    // Wrapped, up to ChatRows rows in all: the newest lines first, older ones as room is left.
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRect room(4, 0, std::max(10, width() - 8), ChatRows * line);
    struct Shown {
        QString name, text;
        QColor colour;
        int rows;
    };
    QList<Shown> shown;
    int rows = 0;
    for (auto it = said_.crbegin(); it != said_.crend() && rows < ChatRows; ++it) {
        const QString name = it->name.isEmpty() ? QStringLiteral("?") : it->name;
        const QString whole = name + QStringLiteral(": ") + it->text;
        const int need = std::max(1, metrics.boundingRect(room, flags, whole).height() / std::max(1, line));
        const int take = std::min(need, ChatRows - rows);
        shown.prepend({name, whole, it->colour, take});
        rows += take;
    }
    int y = 2;
    for (const Shown& s : shown) {
        const QRect box(4, y, room.width(), s.rows * line);
        painter.fillRect(QRect(0, y - 1, width(), s.rows * line + 2), QColor(0, 0, 0, 170));
        // Drawn as text, never read as markup or a link; the name again over itself, in colour.
        painter.setClipRect(box);
        painter.setPen(Qt::white);
        painter.drawText(box, flags, s.text);
        painter.setPen(s.colour);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s.name);
        painter.setClipping(false);
        y += s.rows * line + 2;
    }
}

void ArenaView::PaintBanner(QPainter& painter, const QStringList& lines) {
    // In the widget's own pixels, so the text reads the same at every zoom; long lines wrap.
    painter.resetTransform();
    QFont font = painter.font();
    font.setPointSizeF(11);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int pad = metrics.height() / 2;
    const QString text = lines.join(QLatin1Char('\n'));
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const QRect room(0, 0, std::max(40, width() - 4 * pad), std::max(40, height() - 4 * pad));
    QRect box = metrics.boundingRect(room, flags, text).adjusted(-pad, -pad, pad, pad);
    box.moveCenter(rect().center());
    painter.fillRect(box, QColor(0, 0, 0, 190));
    painter.setPen(Qt::white);
    painter.drawText(box.adjusted(pad, pad, -pad, -pad), flags, text);
}

void ArenaView::SetJoinCode(const QImage& code, const QString& caption) {
    if (code.cacheKey() == joinCode_.cacheKey() && caption == joinCaption_) return;
    joinCode_ = code;
    joinCaption_ = caption;
    update();
}

void ArenaView::PaintJoinCode(QPainter& painter) {
    painter.resetTransform();
    QFont font = painter.font();
    font.setPointSizeF(9);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    // As large as a phone reads it well from a few steps away, and never more than a third of
    // the arena.
    const int side = std::min({joinCode_.width(), width() / 3, height() / 3});
    if (side < 40) return;
    const int pad = 6;
    const int line = metrics.height();
    // (A few pixels to spare: the painter's font may measure a little wider than the metrics'.)
    const int textWidth = std::max(side, std::min(metrics.horizontalAdvance(joinCaption_) + 6, width() / 2));
    const QRect box(width() - textWidth - 3 * pad, height() - side - line - 3 * pad, textWidth + 2 * pad,
                    side + line + 2 * pad);
    painter.fillRect(box, QColor(0, 0, 0, 190));
    painter.setPen(Qt::white);
    painter.drawText(QRect(box.left() + pad, box.top() + pad, textWidth, line), Qt::AlignCenter,
                     metrics.elidedText(joinCaption_, Qt::ElideRight, textWidth));
    painter.drawImage(QRect(box.left() + pad + (textWidth - side) / 2, box.top() + pad + line, side, side), joinCode_);
}

void ArenaView::keyPressEvent(QKeyEvent* e) {
    // Every key-down reaches the game window, which knows what each key is bound to.
    emit keyPressed(keys::FromEvent(*e));
    e->accept();
}
