#pragma once

#include "Instance.h"
#include "ReplayFile.h"
#include "ReplayPlayer.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class frmVyre;

// A replay being watched: a copy of the game of its own, fed by the player and sealed off from
// the network, in a game window of its own, with the controls in this window beside it.
class frmReplay : public QWidget {
    Q_OBJECT
public:
    // The file's contents must not be NotAReplay.
    explicit frmReplay(replay::Contents contents, QWidget* parent = nullptr);
    ~frmReplay() override;

    // Shows both windows at the file's start, playing.
    void Start();
    // Watching a round again: the game window alone plays that round at half speed, from its
    // countdown to a second after its end, and any key closes it.
    void WatchRound(int index);

    ReplayPlayer& Player() { return *player_; }
    Instance& Copy() { return copy_; }
    frmVyre& Game() { return *game_; }
    QListWidget* RoundList() const { return rounds_; }
    QSlider* Slider() const { return slider_; }
    QComboBox* SpeedBox() const { return speed_; }
    // Where the reader stopped in a damaged file; empty for a whole one.
    QString DamageNote() const;

    // The text of a round in the list: "Round 3 · 1:42 · Ann won".
    static QString RoundText(int number, const ReplayPlayer::Round& r);
    static QString Clock(qint64 ms);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    class Port;
    void Jump(qint64 ms);
    void ShowMoment(qint64 ms);
    void ShowPlaying(bool playing);
    bool Key(int code);

    replay::Contents contents_;
    ReplayTransport feed_;
    Instance copy_;
    std::unique_ptr<frmVyre> game_;
    std::unique_ptr<Port> port_;
    std::unique_ptr<ReplayPlayer> player_;
    QPushButton* play_ = nullptr;
    QComboBox* speed_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* note_ = nullptr;
    QSlider* slider_ = nullptr;
    QListWidget* rounds_ = nullptr;
    bool watching_ = false; // a round watched again: any key ends it
    bool closing_ = false;
};
