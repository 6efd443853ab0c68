#pragma once

#include "KeyBindings.h"
#include "Pads.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

// Settings > Keys: every action of a seat with its two keys. A click on a key starts
// listening, the next key pressed is bound, and one taken elsewhere is refused by name.
class KeysDialog : public QDialog {
    Q_OBJECT
public:
    // With pads, a pad's button pressed while listening is bound too.
    // Keys may be shared with seats nobody uses (bit n for seat n in use).
    KeysDialog(const keys::Bindings& bindings, Pads* pads = nullptr, QWidget* parent = nullptr,
               unsigned seatsInUse = keys::Bindings::AllSeats);

    const keys::Bindings& Bindings() const { return keys_; }
    // Listening for a key for this slot of the seat shown.
    void Listen(keys::Action a, int slot);
    // What a key pressed while listening does; the refusal's text, or empty when bound.
    QString Press(const keys::Key& k);
    // A pad's button pressed while listening for one.
    void PadPress(const QString& button);
    void ShowSeat(int seat);
    QString Message() const;
    static QString SeatName(int seat); // "Local player 2"

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;
    // The seat list keeps the focus; while listening, its keys are the dialog's.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void ShowKeys();
    // A key event while listening: taken for the action, whatever widget has the focus.
    bool Listened(QEvent* e);

    keys::Bindings keys_;
    int seat_ = 0;
    unsigned seatsInUse_;
    int listenAction_ = -1;
    int listenSlot_ = 0;
    QComboBox* seats_ = nullptr;
    QLabel* message_ = nullptr;
    std::array<std::array<QPushButton*, keys::PerAction>, keys::ActionCount> buttons_{};
    std::array<QPushButton*, keys::ActionCount> padButtons_{};
    int listenPad_ = -1;
};
