#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QWidget>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

// The texts of a window that follow the language: each is set at once, and again whenever
// the program's language changes, so a window open at the change reads in the new language.
// Mark a text with QT_TR_NOOP where it is given (the owner's class is its translation context),
// or give a function that sets texts with tr().
class Wording : public QObject {
public:
    explicit Wording(QObject* owner, const char* context = nullptr)
        : QObject(owner), context_(context ? context : owner->metaObject()->className()) {
        owner->installEventFilter(this);
    }

    // Sets `text`, translated, through `setter` on `target`, now and at every change.
    template <typename Target, typename Setter>
    void Set(Target* target, Setter setter, const char* text) {
        QPointer<Target> t(target);
        const char* context = context_;
        Add([t, setter, text, context] {
            if (t) (t.data()->*setter)(QCoreApplication::translate(context, text));
        });
    }
    // Every action of `menu` with a text follows the language, the text it has now (given
    // marked with QT_TR_NOOP) being the one translated.
    void Actions(QWidget* menu) {
        const char* context = context_;
        for (QAction* a : menu->actions()) {
            if (a->text().isEmpty()) continue;
            const QByteArray source = a->text().toUtf8();
            QPointer<QAction> action(a);
            Add([action, source, context] {
                if (action) action->setText(QCoreApplication::translate(context, source.constData()));
            });
        }
    }
    // Runs `set` now and at every change.
    void Add(std::function<void()> set) {
        set();
        Later(std::move(set));
    }
    // Runs `again` at every change, not now.
    void Later(std::function<void()> again) { sets_.push_back(std::move(again)); }
    // What the owner's class calls its texts.
    const char* Context() const { return context_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::LanguageChange && watched == parent())
            for (const auto& set : sets_) set();
        return false;
    }

private:
    const char* context_;
    std::vector<std::function<void()>> sets_;
};

// A number of two digits at least ("05"), in the digits of the language in use: the minutes
// and seconds of a clock.
inline QString TwoDigits(qint64 n) {
    const QLocale l;
    return l.toString(n).rightJustified(2, l.zeroDigit().at(0));
}
