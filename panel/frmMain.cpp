#include "frmMain.h"

#include "Fit.h"
#include "WebSeats.h"

#include "AppIcon.h"
#include "Convert.h"
#include "HelpFile.h"
#include "MessageBox.h"
#include "NetworkMenu.h"
#include "ReplayKeeper.h"
#include "Settings.h"
#include "TrayIcon.h"
#include "TypingLimit.h"
#include "frmReplay.h"
#include "frmVyre.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

frmMain::frmMain(WindowParts copy, frmVyre& game, QWidget* parent)
    : QMainWindow(parent), in_(copy), game_(game) {
    setWindowTitle(tr("Lumivex"));
    setWindowIcon(AppIcon::Icon());
    setFont(PanelFont(8.25));
    choose_ = [this](Colour current, const QString& title) -> std::optional<Colour> {
        const QColor c = QColorDialog::getColor(QColor(Canvas::ToRgb(current)), this, title);
        if (!c.isValid()) return std::nullopt;
        return Canvas::FromRgb(c.rgb());
    };
    open_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    askName_ = [this](const QString& current, int seat) -> std::optional<QString> {
        // The new player learns the keys to ride with, and may change them first.
        QDialog ask(this);
        ask.setWindowTitle(tr("Add Local Player"));
        auto* layout = new QFormLayout(&ask);
        auto* name = new QLineEdit(current, &ask);
        name->setValidator(new TypingLimit(20, name));
        layout->addRow(tr("Name:"), name);
        auto* keys = new QLabel(SeatKeys(seat), &ask); // one line, however long the language makes it
        auto* change = new QPushButton(tr("Change Keys..."), &ask);
        connect(change, &QPushButton::clicked, &ask, [this, keys, seat] {
            OpenKeys();
            keys->setText(SeatKeys(seat));
        });
        auto* row = new QHBoxLayout;
        row->addWidget(keys, 1);
        row->addWidget(change);
        layout->addRow(tr("Keys:"), row);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
        connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
        layout->addRow(buttons);
        // Roomy, and never narrower than its texts.
        ask.resize(std::max(ask.sizeHint().width(), ask.fontMetrics().horizontalAdvance(tr("W A S D, left Shift for turbo")) * 2),
                   ask.sizeHint().height());
        if (ask.exec() != QDialog::Accepted) return std::nullopt;
        return name->text();
    };
    BuildControls();
    BuildMenus();
    Arrange();
    tmrStart.setSingleShot(true);
    tmrStart.setInterval(200);
    tmrClient.setSingleShot(true);
    tmrClient.setInterval(200);
    connect(&tmrStart, &QTimer::timeout, this, &frmMain::tmrStart_Timer);
    connect(&tmrClient, &QTimer::timeout, this, &frmMain::tmrClient_Timer);
    connect(&in_.control, &MatchControl::controlsChanged, this, &frmMain::ShowControls);
    in_.chat.SetSpeaker([this] {
        return std::pair<QString, Colour>{txtName->text(), SwatchColour(txtPointColor)};
    });
    connect(&in_.control, &MatchControl::panelMinimised, this, &frmMain::Minimise);
    connect(&in_.control, &MatchControl::panelWanted, this, [this] { TrayIcon::RestoreWindow(*this); });
    connect(&game_, &frmVyre::panelWanted, this, [this] { TrayIcon::RestoreWindow(*this); });
    connect(&game_, &frmVyre::gameWindowWanted, this, [this] {
        if (game_.IsUnloaded()) game_.Load();
        else TrayIcon::RestoreWindow(game_);
    });
    connect(&game_, &frmVyre::leaveMatchWanted, this, [this] {
        tmrClient.stop();
        in_.control.LeaveMatch();
    });
    connect(&in_.roster, &Roster::changed, this, &frmMain::ShowRoster);
    connect(&in_.roster, &Roster::ridersChanged, this, &frmMain::ShowRiderButtons);
    connect(&in_.control, &MatchControl::matchBegan, this, [this] {
        hint_ = false;
        settings_.SetPlayed();
    });
    // The hint has done its work once someone is there to play with.
    auto company = [this] {
        if (!hint_ || (in_.roster.Riders().empty() && RosterText(1).isEmpty())) return;
        hint_ = false;
        in_.board.SetBanner({});
        in_.board.Notify();
    };
    connect(&in_.roster, &Roster::ridersChanged, this, company);
    connect(&in_.roster, &Roster::changed, this, company);
    connect(&in_.roster, &Roster::note, this, [this](const QString& text) {
        in_.board.SetStatus(text);
        in_.board.Notify();
    });
    connect(&game_, &frmVyre::programEnds, this, &frmMain::Unload);
    keeper_ = new ReplayKeeper(in_.control, in_.state, in_.net, this);
    connect(keeper_, &ReplayKeeper::note, this, [this](const QString& text) {
        in_.board.SetStatus(text);
        in_.board.Notify();
    });
    game_.SetWatchAgain([this] { WatchAgain(); });
    // A pad nobody holds joins as a new local player, with the name and colour that seat had last.
    connect(&game_, &frmVyre::joinWithPad, this, [this](int pad) {
        const auto next = NextSeat();
        if (next && in_.roster.AddLocalPlayer(next->name, next->colour)) game_.BindPad(pad, next->seat);
    });
    connect(&in_.control, &MatchControl::roundDecided, this, [this] { game_.OfferWatchAgain(true); });
    connect(&in_.countdown, &Countdown::stepped, this, [this](int n) {
        if (n == 0) game_.OfferWatchAgain(false); // riding again: the button would only distract
    });
    connect(&in_.net, &Transport::note, this, [this](const QString& text) {
        // The network's news (a port mapped, renewed) waits for the match to end: the status
        // line then says what the match needs (Network > Diagnostics tells how the network stands).
        if (in_.control.MatchRunning()) return;
        in_.board.SetStatus(text);
        in_.board.Notify();
    });
    connect(&game_.Sounds(), &SoundBoard::settingsChanged, this, [this] {
        settings_.SetSound(game_.Sounds().Volume(), game_.Sounds().ChatVolume(), game_.Sounds().Muted());
    });
    connect(&game_, &frmVyre::viewChanged, this, [this] {
        settings_.SetView({game_.View().ZoomText(), game_.View().FullscreenText(),
                            game_.Colours() == palette::Colours::ColourBlindSafe, game_.NamesAtRiders(),
                            settings_.GetView().language});
        ShowRoster(); // its boxes show the players' colours as the game window does
    });
}

void frmMain::ShowRiderButtons() {
    cmdRemoveRider->setEnabled(cmdAddRider->isEnabled() && !in_.roster.Riders().empty());
}

void frmMain::RosterMenu(int slot, const QPoint& at) {
    const auto& riders = in_.roster.Riders();
    const auto it =
        std::find_if(riders.begin(), riders.end(), [slot](const Roster::Rider& r) { return r.slot == slot; });
    QMenu menu(this);
    if (it != riders.end() && cmdAddRider->isEnabled())
        menu.addAction(tr("Remove %1").arg(it->name), this, [this, slot] { in_.roster.RemoveRider(slot); });
    network_->AddRemovals(menu, slot);
    if (!menu.isEmpty()) menu.exec(at);
}

void frmMain::cmdAddRider_Click() {
    const int level = std::clamp(cboLevel->currentIndex(), 0, 2);
    settings_.SetRiderLevel(level); // kept by its own name, not the one shown
    in_.roster.AddRider(static_cast<RiderLevel>(level));
}

void frmMain::cmdRemoveRider_Click() {
    const auto& riders = in_.roster.Riders();
    if (!riders.empty()) in_.roster.RemoveRider(riders.back().slot);
}

void frmMain::OpenHelp(const QString& part) {
    const QString installed = HelpFile(QCoreApplication::applicationDirPath());
    const QString title = tr("Lumivex - Help");
    if (installed.isEmpty()) {
        in_.copy.ShowMessage(tr("The help is not installed beside the program."), title,
                             MessageIcon::Warning);
        return;
    }
    const QString file = PersonalHelp(installed, game_.Keys());
    QUrl url = QUrl::fromLocalFile(file);
    if (!part.isEmpty()) url.setFragment(part);
    if (!open_(url))
        in_.copy.ShowMessage(
            tr("No web browser could be opened for the help. Open this file with one:\n%1")
                .arg(QDir::toNativeSeparators(file)),
            title, MessageIcon::Information);
}

frmReplay* frmMain::OpenReplay(const QString& path) {
    // Watching seals this copy off the network, which a match it rides in cannot spare. A
    // match that ended or was reset blocks nothing (a seat kept meanwhile is taken up again
    // by the next match's first round), nor does one this copy only watches.
    const bool rides = in_.state.LocalPlayer >= 0 || !in_.roster.Riders().empty();
    if (rides && in_.control.MatchRunning()) {
        in_.copy.ShowMessage(in_.state.LocalPlayer == 0
                                 ? tr("A match is running here: Reset Match first.")
                                 : tr("A match is running here: Leave Match first."),
                             tr("Open Replay"), MessageIcon::Warning);
        return nullptr;
    }
    replay::Contents contents = replay::Load(path);
    if (contents.result == replay::Result::NotAReplay) {
        in_.copy.ShowMessage(
            tr("%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)")
                .arg(QFileInfo(path).fileName(), contents.problem),
            tr("Open Replay"), MessageIcon::Warning);
        return nullptr;
    }
    if (replay_) replay_->close();
    in_.copy.SetSealed(true);
    replay_ = new frmReplay(std::move(contents));
    connect(replay_, &frmReplay::closed, this, [this] { in_.copy.SetSealed(false); });
    replay_->Start();
    return replay_;
}

frmReplay* frmMain::WatchAgain() {
    if (!keeper_->RoundToWatch()) return nullptr;
    if (replay_) replay_->close();
    replay::Contents contents;
    contents.result = replay::Result::Whole;
    contents.header.name = in_.state.UserName;
    contents.header.startedMs = QDateTime::currentMSecsSinceEpoch();
    contents.records = keeper_->Match();
    replay_ = new frmReplay(std::move(contents));
    // The round that just ended: the last one decided.
    const auto& rounds = replay_->Player().Rounds();
    int last = static_cast<int>(rounds.size()) - 1;
    while (last > 0 && !rounds[std::size_t(last)].outcome) --last;
    replay_->WatchRound(last);
    replay_->Game().move(game_.pos()); // over the match's own window
    return replay_;
}

frmMain::~frmMain() {
    // The browsers' seats go while the panel is whole: freeing them changes the roster and the
    // game window, which the panel follows.
    delete web_;
    web_ = nullptr;
}

void frmMain::ShowControls() {
    const ControlState& c = in_.control.Controls();
    if (c.optionsEnabled != shown_.optionsEnabled) {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 cmdClient, txtWidth, txtHeight, txtName, txtPointColor, txtGridColor, txtBackColor,
                 cboPlayers, cboTurbo, cboWarp, cboSnaptogrid, cboThickness, cboComplexity, cboSpeed,
                 cboMatch, cboFixedPosition})
            w->setEnabled(c.optionsEnabled);
        // Freed again, the two lists that depend on others follow their rules.
        cboTeam->setEnabled(c.optionsEnabled && TeamsPossible(cboPlayers->currentIndex() + 2));
        cboDiagonalMotion->setEnabled(c.optionsEnabled && cboThickness->currentIndex() == 0);
    }
    cmdServer->setEnabled(c.startEnabled);
    // Riders can be added wherever a match could still be started.
    cboLevel->setEnabled(c.startEnabled);
    cmdAddRider->setEnabled(c.startEnabled);
    cmdPause->setEnabled(c.pauseEnabled);
    cmdPause->setText(c.hostPaused ? tr("Resume") : tr("Pause"));
    cmdResetMatch->setEnabled(c.resetMatchEnabled);
    cmdStop->setEnabled(c.resetAllEnabled);
    if (c.playersSet != shown_.playersSet && c.playersIndex >= -1 && c.playersIndex < cboPlayers->count())
        cboPlayers->setCurrentIndex(c.playersIndex);
    shown_ = c;
    ShowRiderButtons();
}

void frmMain::ShowFirstRunHint() {
    if (!in_.roster.Riders().empty() || in_.control.MatchRunning() || settings_.Played()) return;
    hint_ = true;
    in_.board.SetBanner(
        {tr("Add computer riders and press Start Match, or wait for friends on this network")});
    in_.board.Notify();
}

void frmMain::tmrStart_Timer() {
    tmrStart.stop();
    network_->RollCallSent();
    in_.copy.SendData(wire::RollCall());
}

void frmMain::ShowNextStep() {
    // A host to ride with is there (heard on the LAN, or the online game just joined) and this
    // copy has no seat yet: say how to take one, and make that the button Enter presses.
    const bool seatWaits = (hostHeard_ || network_->JoinedOnline()) && in_.state.LocalPlayer == -1 &&
                           in_.control.Controls().optionsEnabled;
    network_->SetNextStep(seatWaits ? tr("Press Client Registration to take a seat in the match")
                                    : QString());
    if (cmdClient->isDefault() == seatWaits) return;
    cmdClient->setDefault(seatWaits);
    if (seatWaits && !qobject_cast<QLineEdit*>(QApplication::focusWidget())) cmdClient->setFocus();
}

void frmMain::cmdClient_Click() {
    SaveSettings(QStringLiteral("Client"));
    in_.control.BeginRegistration();
    game_.activateWindow();
    game_.FocusArena();
    tmrClient.start();
}

void frmMain::tmrClient_Timer() {
    tmrClient.stop();
    // With all seven slots taken, the panel is free again at once: nothing was registered.
    if (!in_.roster.RegisterSelf(txtName->text(), SwatchColour(txtPointColor))) in_.control.LeaveMatch();
}

MatchControl::MatchOptions frmMain::Options() const {
    MatchControl::MatchOptions o;
    wire::Settings& m = o.settings;
    // A size that is not a number counts as below the minimum.
    m.height = convert::ToInt16(txtHeight->text()).value_or(0);
    m.width = convert::ToInt16(txtWidth->text()).value_or(0);
    m.speed = cboSpeed->currentIndex() + 1;
    m.thickness = cboThickness->currentIndex();
    m.warp = cboWarp->currentIndex();
    m.numPlayers = cboPlayers->currentIndex() + 2;
    m.matchScore = cboMatch->currentIndex() + 1;
    m.complexity = cboComplexity->currentIndex() + 1;
    m.turbo = cboTurbo->currentIndex();
    // A disabled list counts as "No", so the clients play by the host's rules.
    m.team = cboTeam->currentIndex() != 0 && cboTeam->isEnabled() ? 1 : 0;
    m.name = txtName->text();
    m.color = SwatchColour(txtPointColor);
    m.gridColor = SwatchColour(txtGridColor);
    m.fixedPosition = cboFixedPosition->currentIndex();
    m.diagonalMotion = cboDiagonalMotion->currentIndex() != 0 && cboDiagonalMotion->isEnabled() ? 1 : 0;
    o.snapToGrid = cboSnaptogrid->currentIndex() != 0;
    return o;
}

void frmMain::cmdServer_Click() {
    MatchControl::MatchOptions o = Options();
    if (!RosterText(1).isEmpty()) {
        SaveSettings(QStringLiteral("Server"));
        // The host may have closed its game window; the match needs it (and its sockets) again.
        if (game_.IsUnloaded()) game_.Load();
    }
    if (in_.control.StartMatch(o) != MatchControl::Start::Started) return;
    txtWidth->setText(QString::number(o.settings.width));
    txtHeight->setText(QString::number(o.settings.height));
    Minimise();
}

frmReplay* frmMain::Replay() const { return replay_; }

void frmMain::cmdPause_Click() { in_.control.PauseResume(); }

void frmMain::cmdResetMatch_Click() { in_.control.ResetMatch(); }

void frmMain::cmdStop_Click() { in_.control.ResetAll(); }

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && e->type() == QEvent::MouseButtonPress && box->isEnabled() &&
        (box == txtPointColor || box == txtBackColor || box == txtGridColor)) {
        PickColour(box);
        return true;
    }
    // The roster is read-only: focus entering it moves on to the width box.
    if (box && e->type() == QEvent::FocusIn &&
        std::find(txtClient.begin(), txtClient.end(), box) != txtClient.end())
        QMetaObject::invokeMethod(txtWidth, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, e);
}

QString frmMain::RosterText(int slot) const { return in_.roster.Text(slot); }

void frmMain::SetRosterText(int slot, const QString& text) { in_.roster.SetText(slot, text); }

void frmMain::Minimise() {
    if (!isMinimized()) setWindowState(windowState() | Qt::WindowMinimized);
}

void frmMain::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    in_.roster.RemoveAllRiders();
    tray_->Remove();
    game_.Unload();
    hide();
    emit unloaded();
}

void frmMain::closeEvent(QCloseEvent* e) {
    Unload();
    e->accept();
}

void frmMain::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (firstResize_ && !e->spontaneous()) {
        firstResize_ = false;
        move(std::max(0, x() - 200), y());
        // Side by side: where the game window would cover the panel, it moves to its right.
        const QRect mine = frameGeometry();
        if (game_.isVisible() && !game_.isFullScreen() && game_.frameGeometry().intersects(mine))
            game_.move(mine.right() + 8, game_.y());
        // Title bars stay on the screen, where they can be dragged.
        auto place = [this] {
            if (screen()) move(zoom::PlaceInside(frameGeometry(), screen()->availableGeometry()));
            game_.PlaceOnScreen();
        };
        place();
        QTimer::singleShot(200, this, place);
        activateWindow();
    }
}

void frmMain::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    TrayIcon::HideWhenMinimised(*this, *e);
    if (e->type() == QEvent::LanguageChange && words_) {
        // What is worded from the state, said again in the new language.
        shown_ = {};
        ShowControls();
        ShowRoster();
        SetSwatchColour(txtPointColor, SwatchColour(txtPointColor));
        if (hint_ && !in_.board.Banner().isEmpty()) ShowFirstRunHint();
        network_->Reword();
        if (languages_) FillLanguages(*languages_);
        ShowNextStep();
    }
    // The panel's boxes sit where the first Lumivex had them, by position rather than in
    // layouts: another language or writing direction places them again, as a layout would.
    if ((e->type() == QEvent::LanguageChange && words_) || e->type() == QEvent::LayoutDirectionChange) Arrange();
}

void frmMain::Arrange() {
    if (!centralWidget()) return;
    const QSize before = centralWidget()->size();
    fit::Arrange(*centralWidget(), layoutDirection() == Qt::RightToLeft);
    if (centralWidget()->size() != before) adjustSize();
}
