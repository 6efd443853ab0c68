#include "Fit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMap>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace fit {
namespace {
constexpr char Origin[] = "fitOrigin"; // where the first layout put the widget
constexpr int Gap = 4;                 // between a label's text and what stands right of it
constexpr int Reach = 12;              // a widget this near its box's right edge reaches it

using Plan = QHash<QWidget*, QRect>;

QRect OriginOf(QWidget& w) {
    const QVariant v = w.property(Origin);
    if (v.isValid()) return v.toRect();
    w.setProperty(Origin, w.geometry());
    return w.geometry();
}

QList<QWidget*> Placed(QWidget& box) {
    QList<QWidget*> out;
    for (QWidget* w : box.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isWindow()) out << w;
    return out;
}

// The width the widget's own text asks for; 0 when it has no text of its own to fit.
int TextWidth(QWidget& w) {
    if (auto* l = qobject_cast<QLabel*>(&w)) return l->wordWrap() || l->text().isEmpty() ? 0 : l->sizeHint().width();
    if (auto* c = qobject_cast<QComboBox*>(&w)) {
        // Asked afresh each time: the lists are worded again in another language.
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return c->sizeHint().width();
    }
    if (auto* b = qobject_cast<QAbstractButton*>(&w)) {
        if (b->text().isEmpty()) return 0;
        // A button whose text changes with the state is given room for its longest.
        int longest = b->fontMetrics().horizontalAdvance(b->text());
        for (const QString& other : b->property(AlsoShows).toStringList())
            longest = std::max(longest, b->fontMetrics().horizontalAdvance(other));
        return b->sizeHint().width() - b->fontMetrics().horizontalAdvance(b->text()) + longest;
    }
    return 0;
}

// Plans the children of `box` (laid out by hand) from their first places; returns how much
// wider the box must be.
int Grow(QWidget& box, int width, Plan& plan) {
    struct Item {
        QWidget* w;
        QRect o;
        int wants = 0; // the width it needs
        bool label = false;
    };
    QList<Item> items;
    for (QWidget* w : Placed(box)) {
        Item it{w, OriginOf(*w)};
        it.wants = it.o.width();
        if (w->layout()) {
            it.wants = std::max(it.wants, w->minimumSizeHint().width());
        } else if (!Placed(*w).isEmpty()) {
            it.wants += Grow(*w, it.o.width(), plan);
        }
        if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty())
            it.wants = std::max(it.wants, g->fontMetrics().horizontalAdvance(g->title()) + 4 * Gap);
        it.label = qobject_cast<QLabel*>(w) != nullptr;
        const int text = TextWidth(*w);
        it.wants = it.label && text ? text : std::max(it.wants, text);
        items << it;
    }
    // The columns are the places where widgets start, left to right; a column moves over by
    // what the widgets left of it that stand beside its own need beyond their room.
    QMap<int, int> shift;
    for (const Item& it : items) shift[it.o.left()] = 0;
    const int edge = width - std::max(2, box.contentsMargins().right());
    int growth = 0;
    auto boundaryOf = [&](const Item& it) {
        int b = edge;
        for (const Item& s : items)
            if (s.o.left() > it.o.left() && s.o.top() <= it.o.bottom() && s.o.bottom() >= it.o.top())
                b = std::min(b, s.o.left());
        return b;
    };
    for (auto col = shift.begin(); col != shift.end(); ++col) {
        if (col != shift.begin()) col.value() = std::max(col.value(), std::prev(col).value());
        for (const Item& it : items) {
            if (it.o.left() != col.key()) continue;
            const int boundary = boundaryOf(it);
            const int room = it.label ? boundary - Gap : std::max(boundary, it.o.left() + it.o.width());
            const int over = it.o.left() + it.wants - room;
            if (over <= 0) continue;
            const int moved = col.value() + over;
            if (boundary >= edge)
                growth = std::max(growth, moved);
            else
                for (auto next = shift.find(boundary); next != shift.end(); ++next)
                    next.value() = std::max(next.value(), moved);
        }
    }
    if (!shift.isEmpty()) growth = std::max(growth, std::prev(shift.end()).value());
    for (const Item& it : items) {
        const int moved = shift.value(it.o.left());
        QRect r = it.o.translated(moved, 0);
        r.setWidth(std::max(it.o.width(), it.wants));
        const bool reaches = it.o.left() + it.o.width() >= width - Reach && it.o.width() > width / 2;
        if (reaches) r.setWidth(std::max(r.width(), it.o.width() + growth - moved));
        plan[it.w] = r;
    }
    return growth;
}

void Mirror(QWidget& box, int width, Plan& plan) {
    for (QWidget* w : Placed(box)) {
        if (!plan.contains(w)) continue;
        QRect& r = plan[w];
        const int inner = r.width();
        r.moveLeft(width - r.left() - r.width());
        if (!w->layout()) Mirror(*w, inner, plan);
    }
}
} // namespace

void Arrange(QWidget& top, bool rightToLeft) {
    const QRect o = OriginOf(top);
    Plan plan;
    const int width = o.width() + Grow(top, o.width(), plan);
    if (rightToLeft) Mirror(top, width, plan);
    if (top.width() != width) top.setFixedSize(width, o.height());
    for (auto it = plan.cbegin(); it != plan.cend(); ++it)
        if (it.key()->geometry() != it.value()) it.key()->setGeometry(it.value());
}
} // namespace fit
