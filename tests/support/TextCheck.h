#pragma once

// The check that every text a window shows follows the language, and has room in it.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

namespace textcheck {
// Whether texts are measured. The Windows build's tests run under Wine on Qt's offscreen
// platform, which finds no font of its own there and measures a stand-in about 60% wider than
// the same text on Linux (the online link's dialog: 938 px against 575): there only the marks
// are checked.
#ifdef Q_OS_WIN
inline constexpr bool Measured = false;
#else
inline constexpr bool Measured = true;
#endif

// Every text marked and 40% longer: what a translation that leaves one out would show, in a
// language as long as the longest.
class Pseudo : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString s = QString::fromUtf8(source);
        return QStringLiteral("\u00bb%1%2\u00ab").arg(s, QString((s.size() * 2 + 4) / 5, QLatin1Char('x')));
    }
};

// The texts a player reads in a window and its menus that do not show the mark, and those cut
// short: elided, or wider (or taller, wrapped) than their widget.
inline QStringList Problems(QWidget* window) {
    QStringList out;
    // Numbers and the like, a key's letter, an IPv6 address.
    const QRegularExpression data(QStringLiteral("^([0-9 .,:%/\u00d7+-]*|\\S|\\[[0-9a-fA-F:.]+\\])$"));
    const QString where = window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                                         : window->objectName();
    auto check = [&](const QString& kind, const QString& text) {
        QString t = text;
        t.remove(QLatin1Char('&'));
        if (!t.isEmpty() && !data.match(t).hasMatch() && !t.contains(QChar(0xbb)) && t != QLatin1String("Lumivex"))
            out << where + QStringLiteral(" ") + kind + QStringLiteral(": ") + t;
    };
    auto cut = [&](QWidget* w, const QString& text, bool fits) {
        if (!Measured) return;
        if (!fits || text.contains(QChar(0x2026)))
            out << QStringLiteral("%1 cut: %2 in %3x%4 (window %5 wide, wants %6)")
                       .arg(where, text)
                       .arg(w->width())
                       .arg(w->height())
                       .arg(w->window()->width())
                       .arg(w->window()->sizeHint().width());
    };
    auto actions = [&](QWidget* w) {
        for (QAction* a : w->actions()) {
            if (a->isSeparator() || a->property("ownName").toBool()) continue; // a language in its own name
            check(QStringLiteral("action"), a->text());
            if (a->menu()) check(QStringLiteral("menu"), a->menu()->title());
        }
    };
    if (window->isWindow()) {
        check(QStringLiteral("title"), window->windowTitle());
        // A laptop's screen holds it whole.
        if (Measured && (window->frameGeometry().width() > 1366 || window->frameGeometry().height() > 768))
            out << where + QStringLiteral(" larger than 1366 x 768: ") + QString::number(window->frameGeometry().width()) +
                       QLatin1Char('x') + QString::number(window->frameGeometry().height());
    }
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all << window;
    for (QWidget* w : all) {
        const bool shown = w->isVisibleTo(window) || w == window;
        if (auto* l = qobject_cast<QLabel*>(w); l && shown && l->pixmap().isNull()) {
            check(QStringLiteral("label"), l->text());
            cut(l, l->text(), l->wordWrap() ? l->heightForWidth(l->width()) <= l->height() + 1
                                            : l->text().isEmpty() || l->sizeHint().width() <= l->width());
            // Placed by hand, its text must not run under what stands beside it.
            QWidget* parent = l->parentWidget();
            if (!l->wordWrap() && !l->text().isEmpty() && parent && !parent->layout() && !l->isWindow()) {
                QRect text(l->pos(), QSize(l->sizeHint().width(), l->height()));
                if (l->isRightToLeft()) text.moveRight(l->geometry().right());
                for (QWidget* s : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                    if (s != l && s->isVisibleTo(parent) && s->geometry().intersects(text))
                        cut(l, l->text() + QStringLiteral(" (under ") + s->metaObject()->className() + QLatin1Char(')'), false);
            }
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && shown) {
            check(QStringLiteral("button"), b->text());
            if (!b->text().isEmpty()) cut(b, b->text(), b->sizeHint().width() <= b->width());
        }
        if (auto* g = qobject_cast<QGroupBox*>(w); g && shown) {
            check(QStringLiteral("frame"), g->title());
            cut(g, g->title(), g->fontMetrics().horizontalAdvance(g->title()) < g->width());
        }
        if (auto* c = qobject_cast<QComboBox*>(w); c && shown) {
            for (int i = 0; i < c->count(); ++i) check(QStringLiteral("item"), c->itemText(i));
            if (c->sizeAdjustPolicy() == QComboBox::AdjustToContents)
                cut(c, c->currentText(), c->sizeHint().width() <= c->width());
        }
        if (auto* e = qobject_cast<QLineEdit*>(w)) check(QStringLiteral("placeholder"), e->placeholderText());
        if (qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w)) actions(w);
        if (!qobject_cast<QLineEdit*>(w)) check(QStringLiteral("tip"), w->toolTip());
    }
    return out;
}

// Until what a change set going is done: the texts, then the layouts they ask for, then the
// windows' new sizes.
inline void Settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    QTest::qWait(20);
}

// The windows shown now that were not among `before`.
inline QList<QWidget*> Opened(const QList<QWidget*>& before) {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !before.contains(w) && !qobject_cast<QMenu*>(w)) out << w;
    return out;
}

// Another language comes while `open` shows what it shows; what shows then is looked at.
inline void Inspect(const std::function<QList<QWidget*>()>& open, QStringList& problems) {
    Pseudo pseudo;
    QCoreApplication::installTranslator(&pseudo);
    Settle(); // worded again, then laid out again
    for (QWidget* w : open()) problems << Problems(w);
    QCoreApplication::removeTranslator(&pseudo);
    Settle();
}

// Every command of these menus (and their submenus) that opens a window, its name ending in
// "...", but those named in `skip`: each window opened in English, then the language changed
// while it is open. A dialog with a loop of its own (the player cannot reach View > Language
// while it is open) is closed, then opened again in that language. Returns how many it opened;
// a failure is the test's.
inline int OpenEvery(QObject* owner, const QList<QWidget*>& menus, const QStringList& skip, QStringList& problems) {
    // (Menus made as they open are made again: each command is looked for when it is used.)
    QList<QPair<QPointer<QMenu>, QString>> openers;
    std::function<void(QWidget*)> collect = [&](QWidget* menu) {
        if (auto* m = qobject_cast<QMenu*>(menu)) emit m->aboutToShow();
        for (QAction* a : menu->actions()) {
            if (a->menu()) collect(a->menu());
            else if (a->text().endsWith(QLatin1String("...")) && a->isEnabled() &&
                     std::none_of(skip.begin(), skip.end(), [a](const QString& s) { return a->text().contains(s); }))
                openers << qMakePair(QPointer<QMenu>(qobject_cast<QMenu*>(menu)), a->text());
        }
    };
    for (QWidget* m : menus) collect(m);
    for (const auto& [menu, name] : openers) {
        if (!menu) return -1;
        emit menu->aboutToShow();
        QAction* opener = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == name) opener = a;
        if (!opener) {
            problems << QStringLiteral("gone: ") + name;
            continue;
        }
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        bool modal = false;
        const auto closeModal = [&](bool look) {
            auto* watch = new QTimer(owner); // gone with the trigger's return
            QObject::connect(watch, &QTimer::timeout, owner, [&, look, watch] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (!dialog || !dialog->isVisible()) return;
                watch->stop();
                modal = true;
                Settle();
                if (look) problems << Problems(dialog);
                dialog->close();
            });
            watch->start(50);
            return std::unique_ptr<QTimer>(watch);
        };
        {
            const auto watch = closeModal(false);
            opener->trigger();
        }
        if (modal) {
            Pseudo pseudo;
            QCoreApplication::installTranslator(&pseudo);
            const auto watch = closeModal(true);
            opener->trigger();
            QCoreApplication::removeTranslator(&pseudo);
            Settle();
            continue;
        }
        if (!QTest::qWaitFor([&] { return !Opened(before).isEmpty(); })) {
            problems << QStringLiteral("nothing opened: ") + name;
            continue;
        }
        Inspect([&] { return Opened(before); }, problems);
        for (QWidget* w : Opened(before)) w->close();
    }
    return static_cast<int>(openers.size());
}
} // namespace textcheck
