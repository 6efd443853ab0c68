#include "frmReplay.h"

#include "Wording.h"

#include "Names.h"

#include "AppIcon.h"
#include "frmVyre.h"

#include <QLocale>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int SliderStepMs = 100;
constexpr qint64 ArrowJumpMs = 5000;
constexpr qint64 WatchTailMs = 1000; // a round watched again plays on this long after its end
constexpr qint64 WatchLeadMs = 1000; // ... and starts this long before its riding, at "1"
const char* const SpeedNames[] = {"\u00bc\u00d7", "\u00bd\u00d7", "1\u00d7", "2\u00d7", "4\u00d7", "8\u00d7"};
} // namespace

// The replay's game window never minimises itself for a pause the host sent long ago.
class frmReplay::Port : public WindowPort {
public:
    explicit Port(frmVyre& game) : game_(game) {}
    bool IsMinimised() const override { return false; }
    void Minimise() override {}
    void Restore() override {}
    void FocusArena() override { game_.FocusArena(); }
    void FitArena(int width, int height) override { game_.FitArena(width, height); }

private:
    frmVyre& game_;
};

QString frmReplay::Clock(qint64 ms) {
    // In the digits of the language in use.
    const QLocale l;
    const qint64 s = ms / 1000;
    return s >= 3600 ? QStringLiteral("%1:%2:%3").arg(l.toString(s / 3600), TwoDigits(s / 60 % 60), TwoDigits(s % 60))
                     : QStringLiteral("%1:%2").arg(l.toString(s / 60), TwoDigits(s % 60));
}

QString frmReplay::RoundText(int number, const ReplayPlayer::Round& r) {
    QString how;
    if (!r.outcome)
        how = tr("not decided");
    else if (r.winners.isEmpty())
        how = tr("Nobody won");
    else {
        QStringList names;
        for (const QString& w : r.winners) names << Isolated(w);
        how = tr("%1 won").arg(names.join(QStringLiteral(" & ")));
    }
    return tr("Round %1 \u00b7 %2 \u00b7 %3").arg(number).arg(Clock(r.startMs), how);
}

frmReplay::frmReplay(replay::Contents contents, QWidget* parent)
    : QWidget(parent, Qt::Window), contents_(std::move(contents)), copy_(feed_, 1) {
    setAttribute(Qt::WA_DeleteOnClose);
    game_ = std::make_unique<frmVyre>(copy_.Window(), nullptr, frmVyre::PadsToo::No);
    port_ = std::make_unique<Port>(*game_);
    copy_.SetWindow(port_.get());
    copy_.SetMessageBox([](const QString&, const QString&, MessageIcon) {}); // the banner says it
    player_ = std::make_unique<ReplayPlayer>(copy_.Parts(), feed_, std::move(contents_.records));
    contents_.records.clear();

    const QString who = contents_.header.name.isEmpty() ? tr("a player") : contents_.header.name;
    const QString when = QLocale().toString(QDateTime::fromMSecsSinceEpoch(contents_.header.startedMs), QLocale::ShortFormat);
    setWindowTitle(tr("Lumivex Replay: %1, %2").arg(who, when));
    game_->setWindowTitle(tr("Lumivex Replay"));
    setWindowIcon(AppIcon::Icon());

    auto* top = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    play_ = new QPushButton(this);
    connect(play_, &QPushButton::clicked, this, [this] {
        if (player_->Playing())
            player_->Pause();
        else if (player_->PositionMs() >= player_->DurationMs())
            Jump(0), player_->Play();
        else
            player_->Play();
    });
    speed_ = new QComboBox(this);
    for (const char* name : SpeedNames) speed_->addItem(QString::fromUtf8(name));
    speed_->setCurrentIndex(2);
    speed_->setToolTip(tr("Speed (+ and - in the game window)"));
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this](int i) { player_->SetSpeed(ReplayPlayer::Speeds[std::clamp(i, 0, 5)]); });
    previous_ = new QPushButton(style()->standardIcon(QStyle::SP_MediaSkipBackward),
                                tr("&Previous Round"), this);
    next_ = new QPushButton(style()->standardIcon(QStyle::SP_MediaSkipForward), tr("&Next Round"),
                            this);
    connect(previous_, &QPushButton::clicked, this, [this] { Key(Qt::Key_PageUp); });
    connect(next_, &QPushButton::clicked, this, [this] { Key(Qt::Key_PageDown); });
    time_ = new QLabel(this);
    row->addWidget(play_);
    row->addWidget(speed_);
    row->addWidget(previous_);
    row->addWidget(next_);
    row->addStretch();
    row->addWidget(time_);
    top->addLayout(row);
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(0, static_cast<int>(player_->DurationMs() / SliderStepMs));
    slider_->setPageStep(static_cast<int>(ArrowJumpMs / SliderStepMs));
    // Dragging jumps as it goes, the latest place only, once the last jump is shown.
    connect(slider_, &QSlider::valueChanged, this, [this](int v) {
        const qint64 ms = qint64(v) * SliderStepMs;
        if (std::abs(ms - player_->PositionMs()) >= SliderStepMs)
            QTimer::singleShot(0, this, [this] {
                const qint64 want = qint64(slider_->value()) * SliderStepMs;
                if (std::abs(want - player_->PositionMs()) >= SliderStepMs) Jump(want);
            });
    });
    top->addWidget(slider_);
    note_ = new QLabel(DamageNote(), this);
    note_->setWordWrap(true);
    note_->setVisible(!note_->text().isEmpty());
    top->addWidget(note_);
    rounds_ = new QListWidget(this);
    int number = 0;
    for (const ReplayPlayer::Round& r : player_->Rounds()) rounds_->addItem(RoundText(++number, r));
    connect(rounds_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const auto i = static_cast<std::size_t>(rounds_->row(item));
        if (i < player_->Rounds().size()) Jump(player_->Rounds()[i].startMs);
    });
    top->addWidget(rounds_);
    resize(520, 320);

    connect(player_.get(), &ReplayPlayer::moved, this, &frmReplay::ShowMoment);
    connect(player_.get(), &ReplayPlayer::playingChanged, this, &frmReplay::ShowPlaying);
    game_->SetKeyHook([this](const keys::Key& k) {
        if (watching_) {
            if (k.code == Qt::Key_Minus) player_->SetSpeed(0.5);
            else close();
            return true;
        }
        return Key(k.code);
    });
    game_->installEventFilter(this);
    ShowPlaying(false);
    ShowMoment(0);
}

frmReplay::~frmReplay() {
    player_->Pause();
    game_->removeEventFilter(this);
}

QString frmReplay::DamageNote() const {
    if (contents_.result != replay::Result::Damaged) return {};
    return tr("This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)")
        .arg(Clock(player_->DurationMs()), contents_.problem)
        .arg(contents_.offset);
}

void frmReplay::Start() {
    game_->Load(false);
    game_->SetZoom(game_->View().zoom);
    show();
    // The controls sit beside the game window where the screen has room, and on it always.
    const QRect game = game_->frameGeometry();
    const QRect room = game_->screen() ? game_->screen()->availableGeometry() : QRect();
    QRect frame = frameGeometry();
    frame.moveTopLeft(QPoint(game.right() + 8, game.top()));
    if (room.isValid() && frame.right() > room.right()) frame.moveTopRight(QPoint(game.left() - 8, game.top()));
    if (room.isValid()) frame.moveTopLeft(zoom::PlaceInside(frame, room));
    move(frame.topLeft());
    Jump(0);
    player_->Play();
    game_->raise();
    game_->activateWindow();
    game_->FocusArena();
}

void frmReplay::WatchRound(int index) {
    const auto& rounds = player_->Rounds();
    if (index < 0 || index >= static_cast<int>(rounds.size())) return;
    watching_ = true;
    game_->setWindowTitle(tr("The round again: - for half speed, other keys return"));
    game_->Load(false);
    const ReplayPlayer::Round& r = rounds[static_cast<std::size_t>(index)];
    player_->SetStopAt(std::min(player_->DurationMs(), r.endMs + WatchTailMs));
    // From the countdown's last second, at the pace it was ridden.
    player_->SetSpeed(1);
    Jump(std::max(r.startMs, r.rideMs - WatchLeadMs));
    player_->Play();
    game_->raise();
    game_->activateWindow();
    game_->FocusArena();
}

void frmReplay::Jump(qint64 ms) {
    // A jump replays many rounds in a moment: their sounds are not heard.
    SoundBoard& sounds = game_->Sounds();
    const bool muted = sounds.Muted();
    sounds.SetMuted(true);
    player_->Seek(ms);
    sounds.SetMuted(muted);
}

void frmReplay::ShowMoment(qint64 ms) {
    time_->setText(Clock(ms) + QStringLiteral(" / ") + Clock(player_->DurationMs()));
    if (!slider_->isSliderDown()) {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(static_cast<int>(ms / SliderStepMs));
    }
    const int round = player_->RoundAt(ms);
    previous_->setEnabled(round > 0 || (round == 0 && ms > player_->Rounds()[0].startMs));
    next_->setEnabled(round + 1 < static_cast<int>(player_->Rounds().size()));
    if (round >= 0 && rounds_->currentRow() != round) {
        const QSignalBlocker quiet(rounds_);
        rounds_->setCurrentRow(round);
    }
}

void frmReplay::ShowPlaying(bool playing) {
    play_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    play_->setText(playing ? tr("P&ause") : tr("&Play"));
}

bool frmReplay::Key(int code) {
    const auto& rounds = player_->Rounds();
    const qint64 now = player_->PositionMs();
    const int round = player_->RoundAt(now);
    switch (code) {
    case Qt::Key_Space: play_->click(); break;
    case Qt::Key_Left: Jump(std::max<qint64>(0, now - ArrowJumpMs)); break;
    case Qt::Key_Right: Jump(now + ArrowJumpMs); break;
    case Qt::Key_PageUp: {
        // Back to this round's start; from its first moments, to the one before.
        int to = round;
        if (to >= 0 && now - rounds[std::size_t(to)].startMs < 1500) --to;
        Jump(to >= 0 ? rounds[std::size_t(to)].startMs : 0);
        break;
    }
    case Qt::Key_PageDown:
        if (round + 1 < static_cast<int>(rounds.size())) Jump(rounds[std::size_t(round + 1)].startMs);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        speed_->setCurrentIndex(std::min(speed_->currentIndex() + 1, speed_->count() - 1));
        break;
    case Qt::Key_Minus: speed_->setCurrentIndex(std::max(speed_->currentIndex() - 1, 0)); break;
    case Qt::Key_Escape: close(); break;
    default: return true; // nothing steers in a replay
    }
    return true;
}

bool frmReplay::eventFilter(QObject* watched, QEvent* e) {
    if (watched == game_.get() && e->type() == QEvent::Close && !closing_)
        QTimer::singleShot(0, this, &QWidget::close);
    return QWidget::eventFilter(watched, e);
}

void frmReplay::closeEvent(QCloseEvent* e) {
    closing_ = true;
    player_->Pause();
    game_->Unload();
    emit closed();
    e->accept();
}
