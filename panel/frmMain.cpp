#include "frmMain.h"

#include "AppIcon.h"
#include "ChatPane.h"
#include "Convert.h"
#include "HelpFile.h"
#include "IniFile.h"
#include "Settings.h"
#include "ReplayChooser.h"
#include "ReplayKeeper.h"
#include "frmReplay.h"
#include "Instance.h"
#include "KeysDialog.h"
#include "MessageBox.h"
#include "Messages.h"
#include "MulticastTransport.h"
#include "NetworkMenu.h"
#include "Transport.h"
#include "TrayIcon.h"
#include "TypingLimit.h"
#include "frmVyre.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QGroupBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>

namespace {
constexpr int Twips = 15; // twips per pixel
constexpr Colour TitleColour = 0xC0E0FF;
constexpr Colour RosterBack = 0xC0FFFF;
const QString KeysSection = QStringLiteral("Keys");

QRect T(int left, int top, int width, int height) {
    return QRect(left / Twips, top / Twips, width / Twips, height / Twips);
}

QFont PanelFont(double points) {
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    f.setPointSizeF(points);
    return f;
}

void Paint(QWidget* w, QPalette::ColorRole role, Colour c) {
    QPalette pal = w->palette();
    pal.setColor(role, QColor(Canvas::ToRgb(c)));
    w->setPalette(pal);
}

QLabel* WhiteLabel(const QString& text, QWidget* parent, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(at.x(), at.y(), 104, 17);
    Paint(l, QPalette::WindowText, colours::White);
    return l;
}

QStringList Numbers(int from, int to) {
    QStringList l;
    for (int i = from; i <= to; ++i) l << QString::number(i);
    return l;
}
} // namespace

frmMain::frmMain(Instance& instance, frmVyre& game, QWidget* parent)
    : QMainWindow(parent), in_(instance), game_(game) {
    setWindowTitle(QStringLiteral("Lumivex"));
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
        ask.setWindowTitle(QStringLiteral("Add Local Player"));
        auto* layout = new QFormLayout(&ask);
        auto* name = new QLineEdit(current, &ask);
        name->setValidator(new TypingLimit(20, name));
        layout->addRow(QStringLiteral("Name:"), name);
        auto* keys = new QLabel(SeatKeys(seat), &ask);
        keys->setWordWrap(true);
        auto* change = new QPushButton(QStringLiteral("Change Keys..."), &ask);
        connect(change, &QPushButton::clicked, &ask, [this, keys, seat] {
            OpenKeys();
            keys->setText(SeatKeys(seat));
        });
        auto* row = new QHBoxLayout;
        row->addWidget(keys, 1);
        row->addWidget(change);
        layout->addRow(QStringLiteral("Keys:"), row);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
        connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
        layout->addRow(buttons);
        ask.setMinimumWidth(ask.fontMetrics().horizontalAdvance(QStringLiteral("W A S D, left Shift for turbo")) * 2);
        if (ask.exec() != QDialog::Accepted) return std::nullopt;
        return name->text();
    };
    BuildControls();
    BuildMenus();
    tmrStart.setSingleShot(true);
    tmrStart.setInterval(200);
    tmrClient.setSingleShot(true);
    tmrClient.setInterval(200);
    connect(&tmrStart, &QTimer::timeout, this, &frmMain::tmrStart_Timer);
    connect(&tmrClient, &QTimer::timeout, this, &frmMain::tmrClient_Timer);
    connect(&in_.Control(), &MatchControl::controlsChanged, this, &frmMain::ShowControls);
    in_.Chat().SetSpeaker([this] {
        return std::pair<QString, Colour>{txtName->text(), SwatchColour(txtPointColor)};
    });
    connect(&in_.Control(), &MatchControl::panelMinimised, this, &frmMain::Minimise);
    connect(&in_.Control(), &MatchControl::panelWanted, this, [this] { TrayIcon::RestoreWindow(*this); });
    connect(&game_, &frmVyre::panelWanted, this, [this] { TrayIcon::RestoreWindow(*this); });
    connect(&game_, &frmVyre::gameWindowWanted, this, [this] {
        if (game_.IsUnloaded()) game_.Load();
        else TrayIcon::RestoreWindow(game_);
    });
    connect(&game_, &frmVyre::leaveMatchWanted, this, [this] {
        tmrClient.stop();
        in_.Control().LeaveMatch();
    });
    connect(&in_.GetRoster(), &Roster::changed, this, &frmMain::ShowRoster);
    connect(&in_.GetRoster(), &Roster::ridersChanged, this, &frmMain::ShowRiderButtons);
    connect(&in_.Control(), &MatchControl::matchBegan, this, [this] {
        hint_ = false;
        settings_.SetPlayed();
    });
    // The hint has done its work once someone is there to play with.
    auto company = [this] {
        if (!hint_ || (in_.GetRoster().Riders().empty() && RosterText(1).isEmpty())) return;
        hint_ = false;
        in_.GetBoard().SetBanner({});
        in_.GetBoard().Notify();
    };
    connect(&in_.GetRoster(), &Roster::ridersChanged, this, company);
    connect(&in_.GetRoster(), &Roster::changed, this, company);
    connect(&in_.GetRoster(), &Roster::note, this, [this](const QString& text) {
        in_.GetBoard().SetStatus(text);
        in_.GetBoard().Notify();
    });
    connect(&game_, &frmVyre::programEnds, this, &frmMain::Unload);
    keeper_ = new ReplayKeeper(in_, in_.Net(), this);
    connect(keeper_, &ReplayKeeper::note, this, [this](const QString& text) {
        in_.GetBoard().SetStatus(text);
        in_.GetBoard().Notify();
    });
    game_.SetWatchAgain([this] { WatchAgain(); });
    // A pad nobody holds joins as a new local player, with the name and colour that seat had last.
    connect(&game_, &frmVyre::joinWithPad, this, [this](int pad) {
        const auto next = NextSeat();
        if (next && in_.GetRoster().AddLocalPlayer(next->name, next->colour)) game_.BindPad(pad, next->seat);
    });
    connect(&in_, &Instance::roundDecided, this, [this] { game_.OfferWatchAgain(true); });
    connect(&in_.GetCountdown(), &Countdown::stepped, this, [this](int n) {
        if (n == 0) game_.OfferWatchAgain(false); // riding again: the button would only distract
    });
    connect(&in_.Net(), &Transport::note, this, [this](const QString& text) {
        // The network's news (a port mapped, renewed) waits for the match to end: the status
        // line then says what the match needs (Network > Diagnostics tells how the network stands).
        if (in_.Control().MatchRunning()) return;
        in_.GetBoard().SetStatus(text);
        in_.GetBoard().Notify();
    });
    connect(&game_.Sounds(), &SoundBoard::settingsChanged, this, [this] {
        settings_.SetSound(game_.Sounds().Volume(), game_.Sounds().ChatVolume(), game_.Sounds().Muted());
    });
    connect(&game_, &frmVyre::viewChanged, this, [this] {
        settings_.SetView({game_.View().ZoomText(), game_.View().FullscreenText(),
                            game_.Colours() == palette::Colours::ColourBlindSafe, game_.NamesAtRiders()});
        ShowRoster(); // its boxes show the players' colours as the game window does
    });
}

void frmMain::BuildControls() {
    auto* central = new QWidget(this);
    central->setFixedSize(9810 / Twips, 8400 / Twips);
    setCentralWidget(central);
    setAutoFillBackground(true);

    auto* title = title_ = new QLabel(QStringLiteral("Lumivex Control panel"), central);
    title->setGeometry(T(3240, 60, 3315, 375));
    title->setFont(PanelFont(14.25));
    Paint(title, QPalette::WindowText, TitleColour);

    auto frame = [&](const QString& caption, QRect r) {
        auto* f = new QGroupBox(caption, central);
        f->setGeometry(r);
        f->setAutoFillBackground(true);
        Paint(f, QPalette::WindowText, colours::White);
        return f;
    };
    fraCommon = frame(QStringLiteral("Common"), T(120, 480, 4875, 1515));
    fraClient = frame(QStringLiteral("Client"), T(120, 2040, 4875, 3975));
    fraServer = frame(QStringLiteral("Server"), T(5100, 480, 4575, 5535));
    fraChat = new ChatPane(in_.Chat(), central);
    fraChat->setGeometry(T(120, 6075, 9555, 2265));
    fraChat->setAutoFillBackground(true);
    Paint(fraChat, QPalette::WindowText, colours::White);

    auto box = [this](QWidget* parent, QRect r) {
        auto* e = new QLineEdit(parent);
        e->setGeometry(r);
        e->setAlignment(Qt::AlignCenter);
        return e;
    };
    auto swatch = [&](QWidget* parent, QRect r) {
        QLineEdit* e = box(parent, r);
        e->setReadOnly(true);
        e->setCursor(Qt::PointingHandCursor);
        e->installEventFilter(this);
        return e;
    };

    WhiteLabel(QStringLiteral("Name:"), fraCommon, QPoint(240 / Twips, 420 / Twips));
    txtName = box(fraCommon, T(1500, 360, 1335, 315));
    txtName->setValidator(new TypingLimit(20, txtName));
    WhiteLabel(QStringLiteral("Point Color:"), fraCommon, QPoint(240 / Twips, 780 / Twips));
    txtPointColor = swatch(fraCommon, T(1500, 720, 1335, 315));
    WhiteLabel(QStringLiteral("Back Color:"), fraCommon, QPoint(240 / Twips, 1140 / Twips));
    txtBackColor = swatch(fraCommon, T(1500, 1080, 1335, 315));
    cmdPause = new QPushButton(QStringLiteral("Pause"), fraCommon);
    cmdPause->setGeometry(T(3000, 360, 1695, 375));
    cmdPause->setEnabled(false);

    auto* roster = new QWidget(fraClient);
    roster->setGeometry(T(1020, 360, 1875, 2595));
    roster->setAutoFillBackground(true);
    Paint(roster, QPalette::Window, RosterBack);
    for (int i = 1; i <= 7; ++i) {
        QLineEdit* e = box(roster, T(60, 60 + 360 * (i - 1), 1755, 315));
        e->setReadOnly(true);
        e->installEventFilter(this);
        Paint(e, QPalette::Base, colours::FreeRosterBox);
        e->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(e, &QWidget::customContextMenuRequested, this,
                [this, i, e](const QPoint& at) { RosterMenu(i, e->mapToGlobal(at)); });
        txtClient[i - 1] = e;
    }
    cmdClient = new QPushButton(QStringLiteral("Client Registration"), fraClient);
    cmdClient->setGeometry(T(3000, 420, 1755, 375));
    // Computer riders fill empty seats: a level, then the rider.
    WhiteLabel(QStringLiteral("Computer:"), fraClient, QPoint(3000 / Twips, 1000 / Twips));
    cboLevel = new QComboBox(fraClient);
    cboLevel->setGeometry(T(3000, 1260, 1755, 315));
    cboLevel->addItems({Roster::LevelName(RiderLevel::Easy), Roster::LevelName(RiderLevel::Normal),
                        Roster::LevelName(RiderLevel::Hard)});
    cmdAddRider = new QPushButton(QStringLiteral("Add Rider"), fraClient);
    cmdAddRider->setGeometry(T(3000, 1680, 1755, 375));
    cmdRemoveRider = new QPushButton(QStringLiteral("Remove Rider"), fraClient);
    cmdRemoveRider->setGeometry(T(3000, 2100, 1755, 375));
    lblNetwork = new QLabel(fraClient);
    lblNetwork->setGeometry(T(240, 3060, 4500, 795));
    lblNetwork->setWordWrap(true);
    lblNetwork->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    {
        QPalette pal = lblNetwork->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        lblNetwork->setPalette(pal);
    }
    cmdRemoveRider->setEnabled(false);
    network_ = new NetworkMenu(in_.Net(), in_.GetDispatcher(), in_.GetRoster(), *lblNetwork, *this);
    network_->SetSettings(&settings_);
    connect(network_, &NetworkMenu::rollCallWanted, this, &frmMain::tmrStart_Timer);
    connect(network_, &NetworkMenu::nobodyAnswered, this, &frmMain::ShowFirstRunHint);
    // Alone, the player asked for company: computer riders for the match's other seats.
    connect(network_, &NetworkMenu::ridersWanted, this, [this] {
        const int wanted = std::max(1, cboPlayers->currentIndex() + 1) - static_cast<int>(in_.GetRoster().Riders().size());
        for (int i = 0; i < wanted; ++i) cmdAddRider_Click();
    });
    // Moving to another network (online, or back): goodbye where this copy was, a fresh roster
    // and a roll call where it is now.
    connect(network_, &NetworkMenu::leavingNetwork, this, [this] {
        in_.Control().LeaveMatch();
        in_.GetRoster().RemoveAllRiders();
    });
    connect(network_, &NetworkMenu::networkLost, this, [this] {
        in_.Control().NetworkLost();
        in_.GetRoster().ForgetRiders();
    });
    connect(network_, &NetworkMenu::switchedNetwork, this, [this] {
        in_.GetRoster().Clear();
        hostHeard_ = false;
        ShowNextStep();
        tmrStart_Timer();
    });
    connect(&in_.Control(), &MatchControl::hostHeard, this, [this] {
        if (hostHeard_) return;
        hostHeard_ = true;
        ShowNextStep();
    });
    connect(&in_.Control(), &MatchControl::controlsChanged, this, &frmMain::ShowNextStep);
    connect(network_, &NetworkMenu::onlineProblem, this, [this](const QString& why) {
        in_.ShowMessage(why, QStringLiteral("Lumivex - Online"), MessageIcon::Warning);
    });
    connect(&in_.Net(), &Transport::onlineChanged, this, &frmMain::ShowRoster);

    cmdServer = new QPushButton(QStringLiteral("Start Match"), fraServer);
    cmdServer->setGeometry(T(2760, 360, 1695, 375));
    cmdResetMatch = new QPushButton(QStringLiteral("Reset Match"), fraServer);
    cmdResetMatch->setGeometry(T(2760, 780, 1695, 375));
    cmdStop = new QPushButton(QStringLiteral("Reset All"), fraServer);
    cmdStop->setGeometry(T(2760, 1200, 1695, 375));

    const QStringList noYes = {QStringLiteral("No"), QStringLiteral("Yes")};
    cboThickness = AddRow(QStringLiteral("Thickness:"), 0, Numbers(1, 4));
    cboSnaptogrid = AddRow(QStringLiteral("Snap to grid:"), 1, noYes);
    cboSpeed = AddRow(QStringLiteral("Speed:"), 2, Numbers(1, 500));
    cboTurbo = AddRow(QStringLiteral("Turbo:"), 3, noYes);
    cboWarp = AddRow(QStringLiteral("Warp:"), 4, noYes);
    cboComplexity = AddRow(QStringLiteral("Complexity:"), 5, Numbers(1, 30));
    cboMatch = AddRow(QStringLiteral("Match:"), 6, Numbers(1, 100));
    cboPlayers = AddRow(QStringLiteral("Players:"), 7, Numbers(2, 8));
    cboTeam = AddRow(QStringLiteral("Team:"), 8, noYes);
    cboFixedPosition = AddRow(QStringLiteral("Fixed position:"), 9, noYes);
    cboDiagonalMotion = AddRow(QStringLiteral("Diagonal motion:"), 10, noYes);
    cboTeam->setEnabled(false);
    WhiteLabel(QStringLiteral("Width:"), fraServer, QPoint(300 / Twips, (4320 + 60) / Twips));
    txtWidth = box(fraServer, T(1860, 4320, 675, 315));
    txtWidth->setValidator(new TypingLimit(4, txtWidth));
    WhiteLabel(QStringLiteral("Height:"), fraServer, QPoint(300 / Twips, (4680 + 60) / Twips));
    txtHeight = box(fraServer, T(1860, 4680, 675, 315));
    txtHeight->setValidator(new TypingLimit(4, txtHeight));
    WhiteLabel(QStringLiteral("Grid Color:"), fraServer, QPoint(300 / Twips, (5040 + 60) / Twips));
    txtGridColor = swatch(fraServer, T(1860, 5040, 1335, 315));

    // Each option says in a line what it does.
    const std::pair<QWidget*, QString> tips[] = {
        {txtName, QStringLiteral("Your name, as the others see it")},
        {txtPointColor, QStringLiteral("Point Color: your trail's colour; Default gives each seat its own")},
        {txtBackColor, QStringLiteral("Back Color: the colour of this panel's and the game window's background")},
        {cboThickness, QStringLiteral("Thickness: how wide every trail is, from 1 (thin) to 4")},
        {cboSnaptogrid, QStringLiteral("Snap to grid: turns are taken only on the grid of lanes, so trails never touch")},
        {cboSpeed, QStringLiteral("Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower")},
        {cboTurbo, QStringLiteral("Turbo: riders may burn fuel to go twice as fast for a while")},
        {cboWarp, QStringLiteral("Warp: a rider leaving the arena at one edge comes back at the other")},
        {cboComplexity, QStringLiteral("Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none")},
        {cboMatch, QStringLiteral("Match: the points a player or team needs to win the match")},
        {cboPlayers, QStringLiteral("Players: how many riders the match has, from 2 to 8")},
        {cboTeam, QStringLiteral("Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins")},
        {cboFixedPosition, QStringLiteral("Fixed position: every rider starts from the same place each round")},
        {cboDiagonalMotion, QStringLiteral("Diagonal motion: riders may also ride diagonally (thin trails only)")},
        {txtWidth, QStringLiteral("Width: the arena's width in pixels")},
        {txtHeight, QStringLiteral("Height: the arena's height in pixels")},
        {txtGridColor, QStringLiteral("Grid Color: the arena's colour in the next match")},
        {cboLevel, QStringLiteral("Computer: how well the next computer rider plays")},
    };
    for (const auto& [widget, tip] : tips) widget->setToolTip(tip);

    // Option interlocks: Team only for 4, 6 and 8 players; diagonal motion only for thin trails.
    connect(cboPlayers, &QComboBox::currentIndexChanged, this,
            [this](int i) { cboTeam->setEnabled(TeamsPossible(i + 2)); });
    connect(cboThickness, &QComboBox::currentIndexChanged, this,
            [this](int i) { cboDiagonalMotion->setEnabled(i == 0); });
    connect(cmdServer, &QPushButton::clicked, this, &frmMain::cmdServer_Click);
    connect(cmdClient, &QPushButton::clicked, this, &frmMain::cmdClient_Click);
    connect(cmdPause, &QPushButton::clicked, this, &frmMain::cmdPause_Click);
    connect(cmdResetMatch, &QPushButton::clicked, this, &frmMain::cmdResetMatch_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmMain::cmdStop_Click);
    connect(cmdAddRider, &QPushButton::clicked, this, &frmMain::cmdAddRider_Click);
    connect(cmdRemoveRider, &QPushButton::clicked, this, &frmMain::cmdRemoveRider_Click);
}

void frmMain::ShowRoster() {
    const Roster& roster = in_.GetRoster();
    for (int i = 1; i <= Roster::Slots; ++i) {
        QLineEdit* box = txtClient[static_cast<std::size_t>(i - 1)];
        // A name too long for its box ends in an ellipsis; the tool tip holds it whole.
        const QString whole = roster.Text(i);
        const int room = box->contentsRect().width() - 8;
        const QString shown = box->fontMetrics().elidedText(whole, Qt::ElideRight, room);
        if (box->text() != shown) {
            box->setText(shown);
            box->setCursorPosition(0);
        }
        QStringList tip;
        if (shown != whole) tip << whole;
        if (const int ms = in_.Net().RoundTripMs(i); ms >= 0 && !whole.isEmpty())
            tip << QStringLiteral("Round trip: %1 ms").arg(ms);
        box->setToolTip(PlainToolTip(tip.join(QLatin1Char('\n'))));
        // An empty box keeps its neutral colour under every palette: coloured, it looks taken.
        Paint(box, QPalette::Base, whole.isEmpty() ? colours::FreeRosterBox : game_.ShownColour(i + 1, roster.Color(i)));
    }
}

void frmMain::ShowRiderButtons() {
    cmdRemoveRider->setEnabled(cmdAddRider->isEnabled() && !in_.GetRoster().Riders().empty());
}

void frmMain::RosterMenu(int slot, const QPoint& at) {
    const auto& riders = in_.GetRoster().Riders();
    const auto it =
        std::find_if(riders.begin(), riders.end(), [slot](const Roster::Rider& r) { return r.slot == slot; });
    if (it == riders.end() || !cmdAddRider->isEnabled()) return;
    QMenu menu(this);
    menu.addAction(QStringLiteral("Remove %1").arg(it->name), this,
                   [this, slot] { in_.GetRoster().RemoveRider(slot); });
    menu.exec(at);
}

void frmMain::cmdAddRider_Click() {
    const int level = std::clamp(cboLevel->currentIndex(), 0, 2);
    settings_.SetRiderLevel(cboLevel->currentText());
    in_.GetRoster().AddRider(static_cast<RiderLevel>(level));
}

void frmMain::cmdRemoveRider_Click() {
    const auto& riders = in_.GetRoster().Riders();
    if (!riders.empty()) in_.GetRoster().RemoveRider(riders.back().slot);
}

QComboBox* frmMain::AddRow(const QString& label, int row, QStringList items) {
    const int top = 360 + 360 * row;
    WhiteLabel(label, fraServer, QPoint(300 / Twips, (top + 60) / Twips));
    auto* list = new QComboBox(fraServer);
    list->setGeometry(T(1860, top, 675, 315));
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open &Replay..."), this, [this] {
        if (const auto path = replaychooser::Choose(this, ReplayKeeper::DefaultFolder())) OpenReplay(*path);
    });
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, [this] { close(); });
    QMenu* match = menuBar()->addMenu(QStringLiteral("&Match"));
    for (RiderLevel level : {RiderLevel::Easy, RiderLevel::Normal, RiderLevel::Hard}) {
        QAction* add = match->addAction(
            QStringLiteral("Add Computer Rider (%1)").arg(Roster::LevelName(level)), this, [this, level] {
                cboLevel->setCurrentIndex(static_cast<int>(level));
                cmdAddRider_Click();
            });
        connect(match, &QMenu::aboutToShow, add, [this, add] { add->setEnabled(cmdAddRider->isEnabled()); });
    }
    QAction* local = match->addAction(QStringLiteral("Add Local Player..."), this, &frmMain::AddLocalPlayer);
    connect(match, &QMenu::aboutToShow, local,
            [this, local] { local->setEnabled(cmdAddRider->isEnabled()); });
    QAction* remove =
        match->addAction(QStringLiteral("Remove Computer Rider"), this, &frmMain::cmdRemoveRider_Click);
    connect(match, &QMenu::aboutToShow, remove,
            [this, remove] { remove->setEnabled(cmdRemoveRider->isEnabled()); });
    match->addSeparator();
    QAction* leave = match->addAction(QStringLiteral("&Leave Match"), this, [this] {
        tmrClient.stop();
        in_.Control().LeaveMatch();
    });
    connect(match, &QMenu::aboutToShow, leave,
            [this, leave] { leave->setEnabled(in_.Control().Controls().leaveEnabled); });
    menuBar()->addMenu(game_.ViewMenu());
    menuBar()->addMenu(game_.Sounds().Menu());
    menuBar()->addMenu(network_->Menu());
    QMenu* settings = menuBar()->addMenu(QStringLiteral("S&ettings"));
    settings->addAction(QStringLiteral("&Keys..."), this, &frmMain::OpenKeys);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1), this,
                    [this] { OpenHelp(QString()); });
    // The program has no web site: both say so, then open the installed help.
    help->addAction(QStringLiteral("C&heck for updates..."), this, [this] {
        in_.ShowMessage(QStringLiteral("Lumivex is updated by your package manager or installer; this is version "
                                       LUMIVEX_VERSION ". The player's guide opens at its part about versions."),
                        QStringLiteral("Lumivex - Updates"), MessageIcon::Information);
        OpenHelp(QStringLiteral("versions"));
    });
    help->addAction(QStringLiteral("&Visit the Author's Homepage..."), this, [this] {
        in_.ShowMessage(QStringLiteral("Lumivex has no web site of its own: its player's guide, installed with it, "
                                       "opens instead."),
                        QStringLiteral("Lumivex - Homepage"), MessageIcon::Information);
        OpenHelp(QString());
    });
    help->addSeparator();
    auto about = [this] {
        if (about_) about_();
    };
    help->addAction(QStringLiteral("&About Lumivex..."), this, about);
    // The tray's pop-up menu; never shown in the menu bar.
    mPopupSys = new QMenu(QStringLiteral("&SysTray"), this);
    mPopupSys->addAction(QStringLiteral("&Restore"), this, [this] { TrayIcon::RestoreWindow(*this); });
    mPopupSys->addAction(QStringLiteral("&Minimize"), this, [this] { Minimise(); });
    mPopupSys->addAction(QStringLiteral("&About"), this, about);
    mPopupSys->addSeparator();
    mPopupSys->addAction(QStringLiteral("&Exit"), this, [this] { close(); });
    tray_ = new TrayIcon(*this, *mPopupSys, this);
}

std::optional<frmMain::Seat> frmMain::NextSeat() {
    Roster& roster = in_.GetRoster();
    const int seat = roster.FreeSeat();
    if (seat == 0) {
        roster.AddLocalPlayer(QString(), 0); // says why
        return std::nullopt;
    }
    // Seats nobody used may share keys; one that joins must not take another's.
    if (const auto clash = game_.Keys().ClashOf(seat, roster.SeatsInUse() | 1u << seat)) {
        in_.ShowMessage(QStringLiteral("%1 is the key for \"%2\" of %3 and of %4: give one of them another key "
                                       "in Settings > Keys first.")
                            .arg(keys::Name(clash->key), keys::ActionName(clash->holder.action),
                                 KeysDialog::SeatName(clash->holder.seat), KeysDialog::SeatName(seat)),
                        QStringLiteral("Add Local Player"), MessageIcon::Warning);
        return std::nullopt;
    }
    const Settings::Seat stored = settings_.GetSeat(seat);
    const QString name = stored.name.isEmpty() ? QStringLiteral("Player %1").arg(seat + 1) : stored.name;
    return Seat{seat, name, FreeColour(stored.colour.value_or(Roster::DefaultColour(seat + 1)))};
}

QString frmMain::SeatKeys(int seat) const {
    const keys::Bindings& b = game_.Keys();
    QStringList moves;
    for (keys::Action a : {keys::Action::Up, keys::Action::Left, keys::Action::Down, keys::Action::Right})
        moves << b.Describe(seat, a);
    const QString turbo = b.Describe(seat, keys::Action::Turbo);
    return QStringLiteral("%1 to steer, %2 for turbo").arg(moves.join(QLatin1Char(' ')), turbo.isEmpty() ? QStringLiteral("no key") : turbo);
}

void frmMain::AddLocalPlayer() {
    const auto next = NextSeat();
    if (!next) return;
    const auto typed = askName_(next->name, next->seat);
    if (!typed || typed->trimmed().isEmpty()) return;
    const auto colour = choose_(next->colour, QStringLiteral("Colour of %1").arg(typed->trimmed()));
    if (!colour) return;
    settings_.SetSeat(next->seat, typed->trimmed(), *colour);
    in_.GetRoster().AddLocalPlayer(typed->trimmed(), *colour);
}

Colour frmMain::FreeColour(Colour wanted) const {
    // What the roster shows, this player's own colour and the host's are taken.
    QList<Colour> taken{SwatchColour(txtPointColor), in_.State().Players[1].Color};
    for (int slot = 1; slot <= Roster::Slots; ++slot)
        if (!RosterText(slot).isEmpty()) taken << in_.GetRoster().Color(slot);
    if (!taken.contains(wanted)) return wanted;
    for (int i = 1; i <= 8; ++i)
        if (!taken.contains(colours::PlayerDefault[static_cast<std::size_t>(i)]))
            return colours::PlayerDefault[static_cast<std::size_t>(i)];
    return wanted;
}

void frmMain::OpenKeys() {
    KeysDialog dialog(game_.Keys(), game_.HasPads() ? &game_.GetPads() : nullptr, this, in_.GetRoster().SeatsInUse());
    if (dialog.exec() == QDialog::Accepted) ApplyKeys(dialog.Bindings());
}

void frmMain::ApplyKeys(const keys::Bindings& b) {
    game_.Keys() = b;
    game_.ShowKeys();
    settings_.SetSection(KeysSection, b.Entries());
}

void frmMain::OpenHelp(const QString& part) {
    const QString installed = HelpFile(QCoreApplication::applicationDirPath());
    const QString title = QStringLiteral("Lumivex - Help");
    if (installed.isEmpty()) {
        in_.ShowMessage(QStringLiteral("The help is not installed beside the program."), title,
                        MessageIcon::Warning);
        return;
    }
    const QString file = PersonalHelp(installed, game_.Keys());
    QUrl url = QUrl::fromLocalFile(file);
    if (!part.isEmpty()) url.setFragment(part);
    if (!open_(url))
        in_.ShowMessage(
            QStringLiteral("No web browser could be opened for the help. Open this file with one:\n%1")
                .arg(QDir::toNativeSeparators(file)),
            title, MessageIcon::Information);
}

void frmMain::Load() {
    if (settingsFile_.isEmpty()) {
        in_.State().IniFile = GetWindowsPath() + QStringLiteral("/lumivex.ini");
        AdoptSettings(in_.State().IniFile, OldSettingsFile());
    } else {
        in_.State().IniFile = settingsFile_;
    }
    settings_.Load(in_.State().IniFile);
    network_->Load();
    InitVariables();
    PopulateControls();
    const auto keep = settings_.ReplaysKept();
    keeper_->SetFolder(ReplayKeeper::DefaultFolder(), keep ? std::clamp(*keep, 0, 100000) : ReplayKeeper::DefaultKeep);
    tmrStart.start();
    tray_->Add();
}

frmReplay* frmMain::OpenReplay(const QString& path) {
    // Watching seals this copy off the network, which a match it rides in cannot spare. A
    // match that ended or was reset blocks nothing (a seat kept meanwhile is taken up again
    // by the next match's first round), nor does one this copy only watches.
    const bool rides = in_.State().LocalPlayer >= 0 || !in_.GetRoster().Riders().empty();
    if (rides && in_.Control().MatchRunning()) {
        in_.ShowMessage(in_.State().LocalPlayer == 0 ? QStringLiteral("A match is running here: Reset Match first.")
                                                     : QStringLiteral("A match is running here: Leave Match first."),
                        QStringLiteral("Open Replay"), MessageIcon::Warning);
        return nullptr;
    }
    replay::Contents contents = replay::Load(path);
    if (contents.result == replay::Result::NotAReplay) {
        in_.ShowMessage(QStringLiteral("%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)")
                            .arg(QFileInfo(path).fileName(), contents.problem),
                        QStringLiteral("Open Replay"), MessageIcon::Warning);
        return nullptr;
    }
    if (replay_) replay_->close();
    in_.SetSealed(true);
    replay_ = new frmReplay(std::move(contents));
    connect(replay_, &frmReplay::closed, this, [this] { in_.SetSealed(false); });
    replay_->Start();
    return replay_;
}

frmReplay* frmMain::WatchAgain() {
    if (!keeper_->RoundToWatch()) return nullptr;
    if (replay_) replay_->close();
    replay::Contents contents;
    contents.result = replay::Result::Whole;
    contents.header.name = in_.State().UserName;
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

void frmMain::InitVariables() {
    MatchState& s = in_.State();
    s.Delimiter = QString(QChar(1));
    s.WarpOn = False16;
    firstResize_ = true;
    s.LocalPlayer = -1;
    s.NumPlayers = 7;
    s.UserName = settings_.GetMain().name;
    if (!s.UserName.isEmpty()) return;
    s.UserName = GetEnvironmentString(QStringLiteral("USERNAME"));
    if (!s.UserName.isEmpty()) return;
    // Linux keeps the login name in USER.
    s.UserName = GetEnvironmentString(QStringLiteral("USER"));
    if (!s.UserName.isEmpty()) return;
    // From the system's randomness, and from thousands: copies started together would draw
    // the same name from the match's generator (seeded by the clock), and from a hundred
    // numbers two copies on a network meet one name too often.
    s.UserName = QStringLiteral("User") + QString::number(QRandomGenerator::system()->bounded(1, 10000));
}

void frmMain::PopulateControls() {
    const Settings::Main m = settings_.GetMain();
    const std::pair<QComboBox*, int> lists[] = {
        {cboWarp, m.warp},           {cboPlayers, m.players},       {cboThickness, m.thickness},
        {cboSpeed, m.speed},         {cboMatch, m.match},           {cboTeam, m.team},
        {cboTurbo, m.turbo},         {cboSnaptogrid, m.virtualGrid}, {cboComplexity, m.complexity},
        {cboFixedPosition, m.fixedPosition}, {cboDiagonalMotion, m.diagonalMotion}};
    const Settings::Main defaults;
    const int fallback[] = {defaults.warp,       defaults.players, defaults.thickness,  defaults.speed,
                            defaults.match,      defaults.team,    defaults.turbo,      defaults.virtualGrid,
                            defaults.complexity, defaults.fixedPosition, defaults.diagonalMotion};
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        const auto [list, index] = lists[i];
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : fallback[i]);
    }
    txtWidth->setText(m.width);
    txtHeight->setText(m.height);
    SetSwatchColour(txtPointColor, m.pointColor);
    SetSwatchColour(txtGridColor, m.gridColor);
    ApplyBackColor(m.backColor);
    const Settings::View view = settings_.GetView();
    game_.SetView(zoom::ViewSettings::Parse(view.zoom, view.fullscreen));
    game_.SetColours(view.colourBlindSafe ? palette::Colours::ColourBlindSafe : palette::Colours::AsChosen);
    game_.SetNamesAtRiders(view.namesAtRiders);
    const Settings::Sound sound = settings_.GetSound();
    game_.Sounds().SetVolume(sound.volume.value_or(SoundBoard::DefaultVolume));
    game_.Sounds().SetChatVolume(sound.chatVolume.value_or(SoundBoard::DefaultChatVolume));
    game_.Sounds().SetMuted(sound.muted);
    game_.Keys().Load([this](const QString& entry) { return settings_.Value(KeysSection, entry); });
    game_.ShowKeys();
    if (game_.IsUnloaded() || !game_.isVisible()) game_.Load();
    txtName->setText(in_.State().UserName);
    const int level = cboLevel->findText(settings_.RiderLevel());
    cboLevel->setCurrentIndex(level >= 0 ? level : static_cast<int>(RiderLevel::Normal));
}

void frmMain::ApplyBackColor(Colour c) {
    // Labels stay readable on any background: white on a dark one, black on a light one.
    const QColor back(Canvas::ToRgb(c));
    const bool light = 0.299 * back.red() + 0.587 * back.green() + 0.114 * back.blue() > 150;
    for (QWidget* w : findChildren<QLabel*>()) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText,
                     w == title_ ? (light ? QColor(0x10, 0x30, 0x70) : QColor(Canvas::ToRgb(TitleColour)))
                                 : (light ? Qt::black : Qt::white));
        w->setPalette(pal);
    }
    for (QGroupBox* f : {fraCommon, fraServer, fraClient, static_cast<QGroupBox*>(fraChat)})
        Paint(f, QPalette::WindowText, light ? 0 : colours::White);
    Paint(this, QPalette::Window, c);
    game_.SetBackColor(c);
    for (QGroupBox* f : {fraCommon, fraServer, fraClient, static_cast<QGroupBox*>(fraChat)})
        Paint(f, QPalette::Window, c);
    SetSwatchColour(txtBackColor, c);
}

void frmMain::SaveSettings(const QString& mode) {
    // A client keeps its name; a host, the match's options too. One write, of what changed.
    Settings::Main m = settings_.GetMain();
    m.name = txtName->text();
    if (mode != QLatin1String("Client")) {
        m.warp = cboWarp->currentIndex();
        m.players = cboPlayers->currentIndex();
        m.thickness = cboThickness->currentIndex();
        m.speed = cboSpeed->currentIndex();
        m.match = cboMatch->currentIndex();
        m.team = cboTeam->currentIndex();
        m.turbo = cboTurbo->currentIndex();
        m.virtualGrid = cboSnaptogrid->currentIndex();
        m.fixedPosition = cboFixedPosition->currentIndex();
        m.complexity = cboComplexity->currentIndex();
        m.diagonalMotion = cboDiagonalMotion->currentIndex();
        m.width = txtWidth->text();
        m.height = txtHeight->text();
    }
    settings_.SetMain(m);
}

void frmMain::ShowControls() {
    const ControlState& c = in_.Control().Controls();
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
    cmdPause->setText(c.pauseCaption);
    cmdResetMatch->setEnabled(c.resetMatchEnabled);
    cmdStop->setEnabled(c.resetAllEnabled);
    if (c.playersSet != shown_.playersSet && c.playersIndex >= -1 && c.playersIndex < cboPlayers->count())
        cboPlayers->setCurrentIndex(c.playersIndex);
    shown_ = c;
    ShowRiderButtons();
}

void frmMain::ShowFirstRunHint() {
    if (!in_.GetRoster().Riders().empty() || in_.Control().MatchRunning() ||
        settings_.Played())
        return;
    hint_ = true;
    in_.GetBoard().SetBanner(
        {QStringLiteral("Add computer riders and press Start Match, or wait for friends on this network")});
    in_.GetBoard().Notify();
}

void frmMain::tmrStart_Timer() {
    tmrStart.stop();
    network_->RollCallSent();
    in_.SendData(wire::RollCall());
}

void frmMain::ShowNextStep() {
    // A host to ride with is there (heard on the LAN, or the online game just joined) and this
    // copy has no seat yet: say how to take one, and make that the button Enter presses.
    const bool seatWaits = (hostHeard_ || network_->JoinedOnline()) && in_.State().LocalPlayer == -1 &&
                           in_.Control().Controls().optionsEnabled;
    network_->SetNextStep(seatWaits ? QStringLiteral("Press Client Registration to take a seat in the match")
                                    : QString());
    if (cmdClient->isDefault() == seatWaits) return;
    cmdClient->setDefault(seatWaits);
    if (seatWaits && !qobject_cast<QLineEdit*>(QApplication::focusWidget())) cmdClient->setFocus();
}

void frmMain::cmdClient_Click() {
    SaveSettings(QStringLiteral("Client"));
    in_.Control().BeginRegistration();
    game_.activateWindow();
    game_.FocusArena();
    tmrClient.start();
}

void frmMain::tmrClient_Timer() {
    tmrClient.stop();
    // With all seven slots taken, the panel is free again at once: nothing was registered.
    if (!in_.GetRoster().RegisterSelf(txtName->text(), SwatchColour(txtPointColor)))
        in_.Control().LeaveMatch();
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
    if (in_.Control().StartMatch(o) != MatchControl::Start::Started) return;
    txtWidth->setText(QString::number(o.settings.width));
    txtHeight->setText(QString::number(o.settings.height));
    Minimise();
}

void frmMain::cmdPause_Click() { in_.Control().PauseResume(); }

void frmMain::cmdResetMatch_Click() { in_.Control().ResetMatch(); }

void frmMain::cmdStop_Click() { in_.Control().ResetAll(); }

Colour frmMain::SwatchColour(const QLineEdit* swatch) {
    return Canvas::FromRgb(swatch->palette().color(QPalette::Base).rgb());
}

void frmMain::SetSwatchColour(QLineEdit* swatch, Colour c) {
    Paint(swatch, QPalette::Base, c);
    // White is no colour chosen: each seat then rides in its own.
    if (swatch == txtPointColor) swatch->setText(c == colours::White ? QStringLiteral("Default") : QString());
}

void frmMain::PickColour(QLineEdit* swatch) {
    cmdClient->setFocus();
    const QString whose = swatch == txtBackColor   ? QStringLiteral("Back Color")
                          : swatch == txtGridColor ? QStringLiteral("Grid Color: the arena's colour")
                                                   : QStringLiteral("Point Color: your trail's colour");
    const auto chosen = choose_(SwatchColour(swatch), whose);
    if (!chosen) return; // cancelled: nothing changes
    Settings::Main m = settings_.GetMain();
    if (swatch == txtBackColor) {
        ApplyBackColor(*chosen);
        m.backColor = *chosen;
    } else if (swatch == txtGridColor) {
        SetSwatchColour(txtGridColor, *chosen);
        m.gridColor = *chosen;
    } else if (swatch == txtPointColor) {
        SetSwatchColour(txtPointColor, *chosen);
        m.pointColor = *chosen;
    }
    settings_.SetMain(m);
}

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

QString frmMain::RosterText(int slot) const { return in_.GetRoster().Text(slot); }

void frmMain::SetRosterText(int slot, const QString& text) { in_.GetRoster().SetText(slot, text); }

void frmMain::Minimise() {
    if (!isMinimized()) setWindowState(windowState() | Qt::WindowMinimized);
}

void frmMain::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    in_.GetRoster().RemoveAllRiders();
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
}
