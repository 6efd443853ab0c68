#include "KeysDialog.h"

#include "Wording.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

QString KeysDialog::SeatName(int seat) {
    return seat == 0 ? tr("Player 1 (you)") : tr("Local player %1").arg(seat + 1);
}

namespace {
constexpr int MinButtonWidth = 110;
} // namespace

KeysDialog::KeysDialog(const keys::Bindings& bindings, Pads* pads, QWidget* parent, unsigned seatsInUse)
    : QDialog(parent), keys_(bindings), seatsInUse_(seatsInUse) {
    // Worded again, all of it, when the language changes with the dialog open.
    auto* words = new Wording(this);
    words->Set(static_cast<QWidget*>(this), &QWidget::setWindowTitle, QT_TR_NOOP("Keys"));
    auto* top = new QVBoxLayout(this);
    seats_ = new QComboBox(this);
    for (int s = 0; s < keys::Seats; ++s) seats_->addItem(QString());
    words->Add([this] {
        for (int s = 0; s < keys::Seats; ++s) seats_->setItemText(s, SeatName(s));
    });
    connect(seats_, &QComboBox::currentIndexChanged, this, &KeysDialog::ShowSeat);
    seats_->installEventFilter(this);
    top->addWidget(seats_);
    auto* grid = new QGridLayout;
    for (int a = 0; a < keys::ActionCount; ++a) {
        auto* name = new QLabel(this);
        words->Add([name, a] { name->setText(keys::ActionName(static_cast<keys::Action>(a))); });
        grid->addWidget(name, a + 1, 0);
        for (int slot = 0; slot < keys::PerAction; ++slot) {
            auto* b = new QPushButton(this);
            b->setMinimumWidth(MinButtonWidth);
            b->setFocusPolicy(Qt::NoFocus); // every key goes to the dialog, Space and Return too
            connect(b, &QPushButton::clicked, this, [this, a, slot] { Listen(static_cast<keys::Action>(a), slot); });
            grid->addWidget(b, a + 1, 1 + slot);
            buttons_[static_cast<size_t>(a)][static_cast<size_t>(slot)] = b;
        }
        auto* clear = new QToolButton(this);
        words->Set(clear, &QToolButton::setText, QT_TR_NOOP("Clear"));
        clear->setFocusPolicy(Qt::NoFocus);
        connect(clear, &QToolButton::clicked, this, [this, a] {
            for (int slot = 0; slot < keys::PerAction; ++slot) keys_.Clear(seat_, static_cast<keys::Action>(a), slot);
            listenAction_ = -1;
            ShowKeys();
        });
        grid->addWidget(clear, a + 1, 3);
        // The pad: its stick and D-pad steer; the other actions take a button each.
        auto* pad = new QPushButton(this);
        pad->setMinimumWidth(MinButtonWidth);
        pad->setFocusPolicy(Qt::NoFocus);
        const auto action = static_cast<keys::Action>(a);
        pad->setEnabled(keys::Bindings::PadBindable(action));
        connect(pad, &QPushButton::clicked, this, [this, a] {
            listenPad_ = a;
            listenAction_ = -1;
            message_->setText(tr("Press the pad's button for \"%1\".").arg(keys::ActionName(static_cast<keys::Action>(a))));
            ShowKeys();
        });
        grid->addWidget(pad, a + 1, 4);
        padButtons_[static_cast<size_t>(a)] = pad;
    }
    auto* keysTitle = new QLabel(this);
    words->Set(keysTitle, &QLabel::setText, QT_TR_NOOP("Keys"));
    grid->addWidget(keysTitle, 0, 1, 1, 2, Qt::AlignCenter);
    auto* padTitle = new QLabel(this);
    words->Set(padTitle, &QLabel::setText, QT_TR_NOOP("Pad"));
    grid->addWidget(padTitle, 0, 4, Qt::AlignCenter);
    if (pads) connect(pads, &Pads::pressed, this, [this](int, const QString& button) { PadPress(button); });
    top->addLayout(grid);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    top->addWidget(message_);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults,
                                     this);
    for (QAbstractButton* b : box->buttons()) b->setFocusPolicy(Qt::NoFocus);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this, [this] {
        keys_.RestoreDefaults();
        listenAction_ = -1;
        message_->setText(tr("The default keys are back."));
        ShowKeys();
    });
    top->addWidget(box);
    ShowKeys();
    words->Later([this] {
        message_->clear(); // said in the language it was said in
        ShowKeys();
    });
}

void KeysDialog::ShowSeat(int seat) {
    seat_ = std::clamp(seat, 0, keys::Seats - 1);
    if (seats_->currentIndex() != seat_) seats_->setCurrentIndex(seat_);
    listenAction_ = -1;
    ShowKeys();
}

void KeysDialog::Listen(keys::Action a, int slot) {
    listenAction_ = static_cast<int>(a);
    listenSlot_ = slot;
    message_->setText(tr("Press the key for \"%1\".").arg(keys::ActionName(a)));
    ShowKeys();
}

QString KeysDialog::Press(const keys::Key& k) {
    if (listenAction_ < 0 || k.IsNone()) return {};
    const auto a = static_cast<keys::Action>(listenAction_);
    listenAction_ = -1;
    QString text;
    if (const auto held = keys_.Bind(seat_, a, listenSlot_, k, seatsInUse_)) {
        text = held->seat == seat_
                   ? tr("%1 is already the key for \"%2\".").arg(keys::ShownName(k), keys::ActionName(held->action))
                   : tr("%1 is already the key for \"%2\" of %3.")
                         .arg(keys::ShownName(k), keys::ActionName(held->action), SeatName(held->seat));
    }
    message_->setText(text);
    ShowKeys();
    return text;
}

QString KeysDialog::Message() const { return message_->text(); }

void KeysDialog::PadPress(const QString& button) {
    if (listenPad_ < 0) return;
    keys_.BindPad(seat_, static_cast<keys::Action>(listenPad_), button);
    listenPad_ = -1;
    message_->clear();
    ShowKeys();
}

bool KeysDialog::Listened(QEvent* e) {
    // While listening, Tab, Esc, letters, arrows and Space are keys like any other, not the
    // dialog's or the seat list's.
    if (listenAction_ < 0) return false;
    if (e->type() == QEvent::KeyPress) {
        Press(keys::FromEvent(*static_cast<QKeyEvent*>(e)));
        return true;
    }
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    return e->type() == QEvent::KeyRelease;
}

bool KeysDialog::event(QEvent* e) { return Listened(e) || QDialog::event(e); }

bool KeysDialog::eventFilter(QObject* watched, QEvent* e) {
    return Listened(e) || QDialog::eventFilter(watched, e);
}

void KeysDialog::keyPressEvent(QKeyEvent* e) {
    if (listenAction_ < 0) {
        QDialog::keyPressEvent(e);
        return;
    }
    Press(keys::FromEvent(*e));
}

void KeysDialog::ShowKeys() {
    for (int a = 0; a < keys::ActionCount; ++a)
        for (int slot = 0; slot < keys::PerAction; ++slot) {
            const bool listening = listenAction_ == a && listenSlot_ == slot;
            const QString name = keys::ShownName(keys_.At(seat_, static_cast<keys::Action>(a), slot));
            buttons_[static_cast<size_t>(a)][static_cast<size_t>(slot)]->setText(
                listening ? tr("Press a key...") : name.isEmpty() ? tr("-") : name);
        }
    for (int a = 0; a < keys::ActionCount; ++a) {
        const auto action = static_cast<keys::Action>(a);
        const QString button = keys_.PadButton(seat_, action);
        padButtons_[static_cast<size_t>(a)]->setText(
            !keys::Bindings::PadBindable(action) ? (a < 4 ? tr("Stick, D-pad") : tr("Stick"))
            : listenPad_ == a                    ? tr("Press a button...")
            : button.isEmpty()                   ? QStringLiteral("-")
                                                 : Pads::ButtonText(button));
    }
    // Never narrower than what they say, in any language: a window held small (a small screen)
    // gives up its margins first.
    for (auto& row : buttons_)
        for (QPushButton* b : row) b->setMinimumWidth(std::max(MinButtonWidth, b->sizeHint().width()));
    for (QPushButton* b : padButtons_) b->setMinimumWidth(std::max(MinButtonWidth, b->sizeHint().width()));
}
