#include "frmVyre.h"

#include "MessageBox.h"

#include <QStyle>

#include "AppIcon.h"
#include "ArenaView.h"
#include "Board.h"
#include "CharsLeft.h"
#include "Countdown.h"
#include "CrashWatch.h"
#include "GameBoxes.h"
#include "MatchControl.h"
#include "Messages.h"
#include "Roster.h"
#include "Steering.h"
#include "TrayIcon.h"
#include "Wording.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <cmath>

using namespace boxes;

frmVyre::frmVyre(WindowParts copy, QWidget* parent, PadsToo pads) : QWidget(parent), in_(copy) {
    words_ = new Wording(this);
    words_->Set(this, &QWidget::setWindowTitle, QT_TR_NOOP("Lumivex"));
    setWindowIcon(AppIcon::Icon());
    setAutoFillBackground(true);
    mPopupSys_ = new QMenu(QStringLiteral("&Systray"), this); // never shown by its title
    mPopupSys_->addAction(QT_TR_NOOP("&Restore"), this, [this] { TrayIcon::RestoreWindow(*this); });
    mPopupSys_->addAction(QT_TR_NOOP("&Minimize"), this, [this] { Minimise(); });
    mPopupSys_->addAction(QT_TR_NOOP("&About"), this, [this] {
        if (about_) about_();
    });
    mPopupSys_->addSeparator();
    mPopupSys_->addAction(QT_TR_NOOP("&Exit"), this, [this] { Unload(); });
    words_->Actions(mPopupSys_);
    tray_ = new TrayIcon(*this, *mPopupSys_, this);
    sheet_ = new QWidget(this);
    Board& board = in_.board;
    for (int i = 1; i <= 8; ++i) gauges_[i - 1] = new ArenaView(board.Gauge(i), sheet_, false);
    for (int i = 1; i <= 8; ++i) {
        scores_[i - 1] = MakeBox();
        auto* name = new QLabel(sheet_);
        name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        name->setFont(NameFont(BoxFont(1)));
        Paint(name, QPalette::WindowText, colours::White);
        scoreNames_[i - 1] = name;
    }
    stopGo_ = MakeBox();
    words_->Set(stopGo_, &QWidget::setToolTip, QT_TR_NOOP("The countdown to the next round; green while the riders ride"));
    status_ = MakeBox();
    arena_ = new ArenaView(board.Arena(), sheet_, true, &board);
    watchAgainButton_ = new QAction(style()->standardIcon(QStyle::SP_MediaSeekBackward), QString(), this);
    words_->Set(watchAgainButton_, &QAction::setText, QT_TR_NOOP("Watch the round again (R)"));
    watchAgainButton_->setToolTip(watchAgainButton_->text());
    connect(watchAgainButton_, &QAction::triggered, this, [this] {
        if (watchAgain_) watchAgain_();
    });
    chatInput_ = new QLineEdit(sheet_);
    chatInput_->setMaxLength(wire::MaxChatLength);
    words_->Set(chatInput_, &QLineEdit::setPlaceholderText, QT_TR_NOOP("Say something; Enter sends, Esc cancels"));
    CountCharsLeft(chatInput_);
    chatInput_->hide();
    chatInput_->installEventFilter(this);
    connect(chatInput_, &QLineEdit::returnPressed, this, [this] {
        in_.chat.Say(chatInput_->text());
        chatInput_->clear();
        chatInput_->hide();
        FocusArena();
    });
    connect(&in_.chat, &ChatLog::lineAdded, this, &frmVyre::ShowChat);
    chatExpiry_.setSingleShot(true);
    connect(&chatExpiry_, &QTimer::timeout, this, &frmVyre::ExpireChat);
    BuildViewMenu();
    connect(&in_.control, &MatchControl::cue, &sounds_, &SoundBoard::Play);
    connect(&in_.control, &MatchControl::controlsChanged, this, &frmVyre::ShowJoinCode);
    connect(arena_, &ArenaView::keyPressed, this, &frmVyre::KeyDown);
    connect(&in_.roster, &Roster::ridersChanged, this, &frmVyre::ShowKeys);
    ShowKeys();
    // Changes are shown at most once per display frame: ticks may come faster than a screen
    // refreshes, and every repaint costs the host's processor.
    frame_.setSingleShot(true);
    frame_.setInterval(FrameMs);
    connect(&frame_, &QTimer::timeout, this, &frmVyre::ShowChanges);
    connect(&board, &Board::changed, this, [this] {
        if (!frame_.isActive()) frame_.start();
    });
    if (pads == PadsToo::Yes) pads_ = new Pads(this);
    if (pads_) {
        connect(pads_, &Pads::added, this, [this](int pad) {
            // The first pad is the player's at the computer; others are offered to new local players.
            if (!padSeat_.values().contains(0)) padSeat_.insert(pad, 0);
        });
        connect(pads_, &Pads::removed, this, [this](int pad) { padSeat_.remove(pad); });
        connect(pads_, &Pads::pressed, this, &frmVyre::PadPressed);
        connect(pads_, &Pads::steered, this, &frmVyre::PadSteered);
        for (int pad : pads_->Connected())
            if (!padSeat_.values().contains(0)) padSeat_.insert(pad, 0);
        // A crash shakes the pads of that rider's seat.
        connect(&in_.crashes, &CrashWatch::playerCrashed, this, [this](int player) {
            for (auto it = padSeat_.cbegin(); it != padSeat_.cend(); ++it) {
                const int slot = it.value() == 0 ? in_.state.LocalPlayer : in_.roster.SlotOfSeat(it.value());
                if (slot >= 0 && slot + 1 == player) pads_->Rumble(it.key());
            }
        });
    }
    // What happened to the player at this keyboard, said over the arena for a moment.
    flashEnd_.setSingleShot(true);
    flashEnd_.setInterval(FlashMs);
    connect(&flashEnd_, &QTimer::timeout, this, [this] { arena_->SetFlash({}); });
    connect(&in_.crashes, &CrashWatch::playerCrashed, this, [this](int player) {
        if (player != in_.state.LocalIndex() || !in_.control.MatchRunning()) return;
        arena_->SetFlash(tr("You crashed"));
        flashEnd_.start();
    });
    connect(&in_.control, &MatchControl::cue, this, [this](Cue c, double) {
        if (c != Cue::RoundWon) return;
        arena_->SetFlash(tr("You won the round!"));
        flashEnd_.start();
    });
    namesEnd_.setSingleShot(true);
    namesEnd_.setInterval(NamesMs + 50);
    connect(&namesEnd_, &QTimer::timeout, this, &frmVyre::ShowShadeAndTags);
    connect(&in_.countdown, &Countdown::stepped, this, [this](int n) {
        step_ = n;
        if (n == 3) riding_.invalidate();
        if (n != 0) return;
        riding_.start();
        namesEnd_.start();
    });
    SetBackColor(colours::PanelBack);
    Refit();
    in_.control.SetWindow(this);
}

void frmVyre::SetColours(palette::Colours mode) {
    for (QAction* a : coloursGroup_->actions()) a->setChecked(a->data().toInt() == static_cast<int>(mode));
    if (mode == colours_) return;
    colours_ = mode;
    in_.board.TrackOwners(mode == palette::Colours::ColourBlindSafe);
    ShowShadeAndTags();
    emit viewChanged();
}

void frmVyre::SetNamesAtRiders(bool on) {
    namesAction_->setChecked(on);
    if (on == names_) return;
    names_ = on;
    ShowShadeAndTags();
    emit viewChanged();
}

Colour frmVyre::ShownColour(int player, Colour chosen) const {
    return palette::Shown(colours_, player, chosen, in_.board.Arena().BackColor());
}

void frmVyre::ShowShadeAndTags() {
    const MatchState& s = in_.state;
    Board& board = in_.board;
    const int players = std::clamp(s.PlayerCount(), 0, 8);
    const bool safe = colours_ == palette::Colours::ColourBlindSafe;
    if (safe) {
        ArenaView::Shade shade;
        shade.players = players;
        shade.owners = board.Owners();
        for (int i = 1; i <= 8; ++i) {
            shade.chosen[std::size_t(i)] = Canvas::ToRgb(s.Players[i].Color) | 0xFF000000;
            shade.shown[std::size_t(i)] = Canvas::ToRgb(ShownColour(i, s.Players[i].Color)) | 0xFF000000;
        }
        arena_->SetShade(shade);
        for (int i = 1; i <= 8; ++i) {
            ArenaView::Shade gauge = shade;
            gauge.owners = nullptr;
            gauge.only = i;
            gauges_[std::size_t(i - 1)]->SetShade(gauge);
        }
    } else {
        arena_->SetShade(std::nullopt);
        for (ArenaView* g : gauges_) g->SetShade(std::nullopt);
    }
    for (int i = 1; i <= 8; ++i) {
        const bool riding = SeatRides(i);
        const Colour c = riding ? ShownColour(i, board.Score(i).color) : EmptySeat;
        // Each box says whose it is: the name's first letters under it, the whole on a tool tip.
        const QString name = !riding ? QString()
                             : s.Players[i].Name.isEmpty() ? tr("Player %1").arg(i)
                                                           : s.Players[i].Name;
        QLabel* label = scoreNames_[std::size_t(i - 1)];
        if (std::exchange(namesShown_[std::size_t(i - 1)], name) != name) {
            // Too long, a name loses a last part in brackets (a computer rider's level), then its
            // middle: "Computer 2" and "Computer 3" stay told apart by their ends.
            const QFontMetrics m = label->fontMetrics();
            QString shortName = name;
            if (m.horizontalAdvance(name) > label->width() - 4 && name.endsWith(QLatin1Char(')')) && name.contains(QStringLiteral(" (")))
                shortName = name.left(name.lastIndexOf(QStringLiteral(" (")));
            label->setText(m.elidedText(shortName, Qt::ElideMiddle, label->width() - 4)); // apart from the next
            const QString tip = riding ? tr("%1's points").arg(name) : tr("Nobody rides in this seat");
            label->setToolTip(tip);
            scores_[std::size_t(i - 1)]->setToolTip(tip);
            gauges_[std::size_t(i - 1)]->setToolTip(riding ? tr("%1's turbo fuel").arg(name) : QString());
        }
        if (std::exchange(scoreShown_[std::size_t(i - 1)], c) != c) {
            Paint(scores_[std::size_t(i - 1)], QPalette::Base, c);
            // A score must show on a very dark box too (the palette's black).
            Paint(scores_[std::size_t(i - 1)], QPalette::Text,
                  qGray(Canvas::ToRgb(c)) < 60 ? colours::White : Colour(0));
        }
    }
    // Names: through the countdown of a match that runs, and the first moments of riding.
    QList<ArenaView::Tag> tags;
    // From the round's setup (step "2") through the countdown, and the first moments of riding.
    const bool counting = in_.countdown.IsRunning() && (step_ == 2 || step_ == 1);
    const bool starting = riding_.isValid() && riding_.elapsed() < NamesMs;
    if (names_ && in_.control.MatchRunning() && (counting || starting)) {
        for (int i = 1; i <= players; ++i) {
            const auto& head = board.Head(i);
            if (!head) continue;
            const QString name = s.Players[i].Name.isEmpty() ? tr("Player %1").arg(i) : s.Players[i].Name;
            tags << ArenaView::Tag{name, QColor(Canvas::ToRgb(ShownColour(i, s.Players[i].Color))), *head};
        }
    }
    arena_->SetTags(tags);
}

void frmVyre::ShowStatus() {
    // A text too long for the line ends in an ellipsis (never cut at both ends); whole on a tool tip.
    const QString whole = in_.board.Status();
    const QString fits = status_->fontMetrics().elidedText(whole, Qt::ElideRight, std::max(0, status_->width() - 8));
    if (status_->text() != fits) status_->setText(fits);
    status_->setToolTip(fits != whole ? whole : QString());
}

bool frmVyre::SeatRides(int player) const {
    // Before any match none does: nobody has a name yet.
    const MatchState& s = in_.state;
    return player <= s.PlayerCount() && (in_.control.MatchRunning() || !s.Players[player].Name.isEmpty());
}

void frmVyre::KeyDown(const keys::Key& key) {
    const unsigned seats = in_.roster.SeatsInUse();
    const bool diagonal = in_.state.DiagonalMotion != 0;
    keys::Key k = key;
    if (keyHook_ && keyHook_(key)) return;
    auto held = keys_.Lookup(k, diagonal, seats);
    if (!held && k.keypad) { // with Num Lock off the keypad's arrows are arrows
        k.keypad = false;
        held = keys_.Lookup(k, diagonal, seats);
    }
    if (!held) return; // a key bound to nothing sends nothing
    Act(held->seat, held->action, k);
}

void frmVyre::Act(int seat, keys::Action action, const keys::Key& k) {
    if (action == keys::Action::WatchAgain) {
        if (watchAgain_) watchAgain_();
        return;
    }
    if (action == keys::Action::Chat) {
        OpenChat();
        return;
    }
    if (action == keys::Action::Pause) {
        in_.steering.Pause();
        return;
    }
    // Every seat's keys and pads come in here, and go on as a direction and a turbo switch;
    // the keypad's rule is the first seat's (the others never had one).
    const bool turbo = action == keys::Action::Turbo;
    const int dir = keys::DirectionOf(action, seat == 0 && k.keypad, in_.state.DiagonalMotion != 0);
    if (!dir && !turbo) return; // steers nothing, sends nothing
    const int slot = seat == 0 ? in_.state.LocalPlayer : in_.roster.SlotOfSeat(seat);
    if (seat == 0 || slot > 0) in_.steering.Want(slot, {Wish::From::Keys, dir, turbo ? 1 : 0});
}

void frmVyre::BindPad(int pad, int seat) {
    if (seat < 0) padSeat_.remove(pad);
    else padSeat_.insert(pad, seat);
    if (offeredPad_ == pad) offeredPad_ = -1;
}

void frmVyre::PadPressed(int pad, const QString& button) {
    const int seat = SeatOfPad(pad);
    // A seat whose local player left frees its pad.
    if (seat > 0 && !in_.roster.SlotOfSeat(seat)) padSeat_.remove(pad);
    if (SeatOfPad(pad) < 0) {
        if (offeredPad_ == pad && offered_.elapsed() < 10000 && button == QLatin1String("a")) {
            offeredPad_ = -1;
            emit joinWithPad(pad);
            return;
        }
        offeredPad_ = pad;
        offered_.start();
        in_.board.SetStatus(
            tr("Join with this pad? Press A on it to join as a new local player"));
        in_.board.Notify();
        return;
    }
    if (const auto action = keys_.PadAction(SeatOfPad(pad), button)) Act(SeatOfPad(pad), *action, keys::Key{});
}

void frmVyre::PadSteered(int pad, int direction) {
    const int seat = SeatOfPad(pad);
    if (seat < 0 || direction < 0 || direction > 7) return;
    if (seat > 0 && !in_.roster.SlotOfSeat(seat)) return;
    Act(seat, static_cast<keys::Action>(direction), keys::Key{});
}

void frmVyre::OfferWatchAgain(bool offer) {
    watchAgainButton_->setToolTip(tr("Watch the round again (%1)")
                                      .arg(keys_.Describe(0, keys::Action::WatchAgain)));
    // The line edit shows its actions whatever they say of themselves: it holds the button only while offered.
    status_->removeAction(watchAgainButton_);
    if (offer && watchAgain_) status_->addAction(watchAgainButton_, QLineEdit::TrailingPosition);
}

void frmVyre::ShowKeys() {
    QStringList lines;
    Roster& roster = in_.roster;
    for (int seat = 0; seat < keys::Seats; ++seat) {
        if (seat > 0 && !roster.SlotOfSeat(seat)) continue;
        QStringList parts;
        for (keys::Action a : {keys::Action::Up, keys::Action::Right, keys::Action::Down, keys::Action::Left,
                               keys::Action::Turbo, keys::Action::Pause}) {
            const QString d = keys_.Describe(seat, a);
            if (!d.isEmpty()) parts << keys::ActionName(a) + QStringLiteral(": ") + d;
        }
        QString who = tr("You");
        for (const Roster::Rider& r : roster.Riders())
            if (seat > 0 && r.seat == seat) who = r.name;
        lines << who + QStringLiteral(" - ") + parts.join(QStringLiteral("; "));
    }
    arena_->setToolTip(PlainToolTip(lines.join(QLatin1Char('\n'))));
}

QLineEdit* frmVyre::MakeBox() {
    auto* box = new QLineEdit(sheet_);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(BoxFont(1));
    box->setFrame(false);
    // The boxes never keep the focus: keys must always reach the arena.
    box->setFocusPolicy(Qt::NoFocus);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setTextMargins(0, 0, 0, 0);
    box->installEventFilter(this);
    return box;
}

bool frmVyre::eventFilter(QObject* watched, QEvent* e) {
    if (watched == chatInput_) {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            chatInput_->clear();
            chatInput_->hide();
            FocusArena();
            return true;
        }
        return QWidget::eventFilter(watched, e);
    }
    if (e->type() == QEvent::MouseButtonPress && watched != arena_) FocusArena();
    return QWidget::eventFilter(watched, e);
}

void frmVyre::SetBackColor(Colour c) { Paint(this, QPalette::Window, c); }

void frmVyre::Load(bool tray) {
    firstResize_ = true;
    unloaded_ = false;
    in_.copy.Load();
    Paint(status_, QPalette::Base, colours::StatusBack);
    ShowChanges();
    if (tray) tray_->Add();
    show();
    if (view_.fullscreen) ApplyWindowState();
    FocusArena();
}

void frmVyre::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    const bool endProgram = in_.copy.Unload();
    hide();
    if (endProgram) emit programEnds();
    tray_->Remove();
}

void frmVyre::closeEvent(QCloseEvent* e) {
    Unload();
    e->accept();
}

void frmVyre::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    TrayIcon::HideWhenMinimised(*this, *e);
    if (e->type() == QEvent::LanguageChange && words_) {
        // What is worded from the state, said again in the new language.
        namesShown_.fill(QStringLiteral("\n"));
        ShowShadeAndTags();
        ShowKeys();
        OfferWatchAgain(status_->actions().contains(watchAgainButton_));
    }
}

bool frmVyre::IsMinimised() const { return isMinimized(); }

void frmVyre::Minimise() { setWindowState(windowState() | Qt::WindowMinimized); }

void frmVyre::Restore() { TrayIcon::RestoreWindow(*this); }

void frmVyre::FocusArena() { arena_->setFocus(Qt::OtherFocusReason); }

void frmVyre::paintEvent(QPaintEvent*) {
    // The background is filled already; only what lies around the sheet is darker.
    const QRegion margin = QRegion(rect()) - QRegion(sheet_->geometry());
    if (margin.isEmpty()) return;
    QPainter p(this);
    for (const QRect& r : margin) p.fillRect(r, Margin);
}

void frmVyre::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The panel moves left on its first showing and this window right, so they start side by side.
    if (firstResize_ && !e->spontaneous()) {
        firstResize_ = false;
        move(x() + 333, y());
        PlaceOnScreen();
        // The window manager adds its frame after the window shows.
        QTimer::singleShot(200, this, &frmVyre::PlaceOnScreen);
    }
    // Moved to another screen, the window takes that screen's ratio and room.
    if (!followsScreen_ && windowHandle()) {
        followsScreen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { Refit(); });
    }
    if (view_.zoom == zoom::Auto) Refit(); // the decorations are known now
}

void frmVyre::OpenChat() {
    chatInput_->setFont(status_->font());
    chatInput_->setGeometry(status_->geometry());
    chatInput_->show();
    chatInput_->raise();
    chatInput_->setFocus(Qt::OtherFocusReason);
}

void frmVyre::ShowChat(const ChatLog::Line& line) {
    if (line.notice) return; // the panel's news, not the riders' talk
    said_.push_back({line, {}});
    said_.back().since.start();
    while (said_.size() > ChatShownLines) said_.pop_front();
    ExpireChat();
}

void frmVyre::ExpireChat() {
    while (!said_.empty() && said_.front().since.elapsed() >= ChatShownMs) said_.pop_front();
    QList<ArenaView::Said> lines;
    for (const Said& s : said_) lines.append({s.line.name, ToQColor(s.line.colour), s.line.text});
    arena_->SetSaid(lines);
    if (!said_.empty()) chatExpiry_.start(static_cast<int>(std::max<qint64>(1, ChatShownMs - said_.front().since.elapsed())));
}

void frmVyre::ShowChanges() {
    Board& board = in_.board;
    const Board::Changes c = board.TakeChanges();
    if (c.arenaSize) {
        arena_->Fit();
        arena_->update();
        LayOut();
    } else if (!c.arena.isEmpty()) {
        arena_->UpdateCanvas(c.arena);
    }
    if (!c.marker.isNull()) arena_->UpdateCanvas(c.marker);
    if (c.banner) arena_->update();
    for (int i = 0; i < 8; ++i)
        if (c.gauges[i]) gauges_[i]->update();
    if (c.texts) {
        for (int i = 1; i <= 8; ++i) scores_[i - 1]->setText(SeatRides(i) ? board.Score(i).text : QString());
        stopGo_->setText(board.StopGo().text);
        Paint(stopGo_, QPalette::Base, board.StopGo().color);
        ShowStatus();
    }
    ShowShadeAndTags(); // cheap when nothing changed: the views compare first
    if (pads_) {
        pads_->SetDiagonals(in_.state.DiagonalMotion != 0);
        pads_->SetRiding(in_.control.MatchRunning());
    }
}

void frmVyre::SetJoinCode(const QImage& code, const QString& caption) {
    joinCode_ = code;
    joinCaption_ = caption;
    ShowJoinCode();
}

void frmVyre::ShowJoinCode() {
    const bool idle = !in_.control.MatchRunning();
    arena_->SetJoinCode(idle ? joinCode_ : QImage(), joinCaption_);
}
