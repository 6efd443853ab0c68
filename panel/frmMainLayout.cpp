// The panel's widgets and menus, laid out as the first Lumivex had them (in twips), and its colours.
#include "frmMain.h"

#include "Fit.h"

#include "ChatPane.h"
#include "MessageBox.h"
#include "NetworkMenu.h"
#include "QrCode.h"
#include "WebSeats.h"
#include "ReplayChooser.h"
#include "ReplayKeeper.h"
#include "Transport.h"
#include "TrayIcon.h"
#include "TypingLimit.h"
#include "Wording.h"
#include "frmVyre.h"

#include <QLocale>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {
constexpr int Twips = 15; // twips per pixel
constexpr Colour TitleColour = 0xC0E0FF;
constexpr Colour RosterBack = 0xC0FFFF;

QRect T(int left, int top, int width, int height) {
    return QRect(left / Twips, top / Twips, width / Twips, height / Twips);
}


void Paint(QWidget* w, QPalette::ColorRole role, Colour c) {
    QPalette pal = w->palette();
    pal.setColor(role, QColor(Canvas::ToRgb(c)));
    w->setPalette(pal);
}

QLabel* WhiteLabel(const QString& text, QWidget* parent, QPoint at) { // NOLINT: worded by the caller
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

QFont frmMain::PanelFont(double points) {
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    f.setPointSizeF(points);
    return f;
}

void frmMain::BuildControls() {
    auto* central = new QWidget(this);
    central->setFixedSize(9810 / Twips, 8400 / Twips);
    setCentralWidget(central);
    setAutoFillBackground(true);

    words_ = new Wording(this);
    auto* title = title_ = new QLabel(central);
    words_->Set(title, &QLabel::setText, QT_TR_NOOP("Lumivex Control panel"));
    // Centred over the whole panel, where the first Lumivex had it, with room for longer titles.
    title->setGeometry(T(0, 60, 9810, 375));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setFont(PanelFont(14.25));
    Paint(title, QPalette::WindowText, TitleColour);

    auto frame = [&](const char* caption, QRect r) {
        auto* f = new QGroupBox(central);
        words_->Set(f, &QGroupBox::setTitle, caption);
        f->setGeometry(r);
        f->setAutoFillBackground(true);
        Paint(f, QPalette::WindowText, colours::White);
        return f;
    };
    fraCommon = frame(QT_TR_NOOP("Common"), T(120, 480, 4875, 1515));
    fraClient = frame(QT_TR_NOOP("Client"), T(120, 2040, 4875, 3975));
    fraServer = frame(QT_TR_NOOP("Server"), T(5100, 480, 4575, 5535));
    fraChat = new ChatPane(in_.chat, central);
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

    Label(QT_TR_NOOP("Name:"), fraCommon, QPoint(240 / Twips, 420 / Twips));
    txtName = box(fraCommon, T(1500, 360, 1335, 315));
    txtName->setValidator(new TypingLimit(20, txtName));
    Label(QT_TR_NOOP("Point Color:"), fraCommon, QPoint(240 / Twips, 780 / Twips));
    txtPointColor = swatch(fraCommon, T(1500, 720, 1335, 315));
    Label(QT_TR_NOOP("Back Color:"), fraCommon, QPoint(240 / Twips, 1140 / Twips));
    txtBackColor = swatch(fraCommon, T(1500, 1080, 1335, 315));
    cmdPause = new QPushButton(fraCommon); // its text says what it does now (ShowControls)
    // Its room is the longer of its two texts.
    words_->Add([this] { cmdPause->setProperty(fit::AlsoShows, QStringList{tr("Resume"), tr("Pause")}); });
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
    cmdClient = new QPushButton(fraClient);
    words_->Set(cmdClient, &QPushButton::setText, QT_TR_NOOP("Client Registration"));
    cmdClient->setGeometry(T(3000, 420, 1755, 375));
    // Computer riders fill empty seats: a level, then the rider.
    Label(QT_TR_NOOP("Computer:"), fraClient, QPoint(3000 / Twips, 1000 / Twips));
    cboLevel = new QComboBox(fraClient);
    cboLevel->setGeometry(T(3000, 1260, 1755, 315));
    cboLevel->addItems({QString(), QString(), QString()});
    words_->Add([this] {
        for (RiderLevel level : {RiderLevel::Easy, RiderLevel::Normal, RiderLevel::Hard})
            cboLevel->setItemText(static_cast<int>(level), LevelText(level));
    });
    cmdAddRider = new QPushButton(fraClient);
    words_->Set(cmdAddRider, &QPushButton::setText, QT_TR_NOOP("Add Rider"));
    cmdAddRider->setGeometry(T(3000, 1680, 1755, 375));
    cmdRemoveRider = new QPushButton(fraClient);
    words_->Set(cmdRemoveRider, &QPushButton::setText, QT_TR_NOOP("Remove Rider"));
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
    network_ = new NetworkMenu(in_.net, in_.dispatcher, in_.roster, *lblNetwork, *this);
    network_->SetMatchRunning([this] { return in_.control.MatchRunning(); });
    network_->SetSettings(&settings_);
    web_ = new WebSeats(in_, this);
    network_->SetWebSeats(web_);
    // While browsers may join, the game window shows where, for a phone to scan.
    connect(web_, &WebSeats::changed, this, [this] {
        const QString address = web_->Address();
        game_.SetJoinCode(address.isEmpty() ? QImage() : QrCode(address, 4),
                          address.isEmpty() ? QString() : tr("Scan to play from a phone"));
    });
    connect(network_, &NetworkMenu::gatewayNotice, &in_.chat, &ChatLog::Notice);
    connect(network_, &NetworkMenu::rollCallWanted, this, &frmMain::tmrStart_Timer);
    connect(network_, &NetworkMenu::nobodyAnswered, this, &frmMain::ShowFirstRunHint);
    // Alone, the player asked for company: computer riders for the match's other seats.
    connect(network_, &NetworkMenu::ridersWanted, this, [this] {
        const int wanted =
            std::max(1, cboPlayers->currentIndex() + 1) - static_cast<int>(in_.roster.Riders().size());
        for (int i = 0; i < wanted; ++i) cmdAddRider_Click();
    });
    // Moving to another network (online, or back): goodbye where this copy was, a fresh roster
    // and a roll call where it is now.
    connect(network_, &NetworkMenu::leavingNetwork, this, [this] {
        in_.control.LeaveMatch();
        in_.roster.RemoveAllRiders();
    });
    connect(network_, &NetworkMenu::networkLost, this, [this] {
        in_.control.NetworkLost();
        in_.roster.ForgetRiders();
    });
    connect(network_, &NetworkMenu::switchedNetwork, this, [this] {
        in_.roster.Clear();
        hostHeard_ = false;
        ShowNextStep();
        tmrStart_Timer();
    });
    connect(&in_.control, &MatchControl::hostHeard, this, [this] {
        if (hostHeard_) return;
        hostHeard_ = true;
        ShowNextStep();
    });
    connect(&in_.control, &MatchControl::controlsChanged, this, &frmMain::ShowNextStep);
    connect(network_, &NetworkMenu::onlineProblem, this, [this](const QString& why) {
        in_.copy.ShowMessage(why, tr("Lumivex - Online"), MessageIcon::Warning);
    });
    connect(&in_.net, &Transport::onlineChanged, this, &frmMain::ShowRoster);

    cmdServer = new QPushButton(fraServer);
    words_->Set(cmdServer, &QPushButton::setText, QT_TR_NOOP("Start Match"));
    cmdServer->setGeometry(T(2760, 360, 1695, 375));
    cmdResetMatch = new QPushButton(fraServer);
    words_->Set(cmdResetMatch, &QPushButton::setText, QT_TR_NOOP("Reset Match"));
    cmdResetMatch->setGeometry(T(2760, 780, 1695, 375));
    cmdStop = new QPushButton(fraServer);
    words_->Set(cmdStop, &QPushButton::setText, QT_TR_NOOP("Reset All"));
    cmdStop->setGeometry(T(2760, 1200, 1695, 375));

    const QStringList noYes = {QString(), QString()}; // worded below
    cboThickness = AddRow(QT_TR_NOOP("Thickness:"), 0, Numbers(1, 4));
    cboSnaptogrid = AddRow(QT_TR_NOOP("Snap to grid:"), 1, noYes);
    cboSpeed = AddRow(QT_TR_NOOP("Speed:"), 2, Numbers(1, 500));
    cboTurbo = AddRow(QT_TR_NOOP("Turbo:"), 3, noYes);
    cboWarp = AddRow(QT_TR_NOOP("Warp:"), 4, noYes);
    cboComplexity = AddRow(QT_TR_NOOP("Complexity:"), 5, Numbers(1, 30));
    cboMatch = AddRow(QT_TR_NOOP("Match:"), 6, Numbers(1, 100));
    cboPlayers = AddRow(QT_TR_NOOP("Players:"), 7, Numbers(2, 8));
    cboTeam = AddRow(QT_TR_NOOP("Team:"), 8, noYes);
    cboFixedPosition = AddRow(QT_TR_NOOP("Fixed position:"), 9, noYes);
    cboDiagonalMotion = AddRow(QT_TR_NOOP("Diagonal motion:"), 10, noYes);
    cboTeam->setEnabled(false);
    words_->Add([this] {
        for (QComboBox* c : {cboSnaptogrid, cboTurbo, cboWarp, cboTeam, cboFixedPosition, cboDiagonalMotion}) {
            c->setItemText(0, tr("No"));
            c->setItemText(1, tr("Yes"));
        }
    });
    Label(QT_TR_NOOP("Width:"), fraServer, QPoint(300 / Twips, (4320 + 60) / Twips));
    txtWidth = box(fraServer, T(1860, 4320, 675, 315));
    txtWidth->setValidator(new TypingLimit(4, txtWidth));
    Label(QT_TR_NOOP("Height:"), fraServer, QPoint(300 / Twips, (4680 + 60) / Twips));
    txtHeight = box(fraServer, T(1860, 4680, 675, 315));
    txtHeight->setValidator(new TypingLimit(4, txtHeight));
    Label(QT_TR_NOOP("Grid Color:"), fraServer, QPoint(300 / Twips, (5040 + 60) / Twips));
    txtGridColor = swatch(fraServer, T(1860, 5040, 1335, 315));

    // Each option says in a line what it does.
    const std::pair<QWidget*, const char*> tips[] = {
        {txtName, QT_TR_NOOP("Your name, as the others see it")},
        {txtPointColor, QT_TR_NOOP("Point Color: your trail's colour; Default gives each seat its own")},
        {txtBackColor, QT_TR_NOOP("Back Color: the colour of this panel's and the game window's background")},
        {cboThickness, QT_TR_NOOP("Thickness: how wide every trail is, from 1 (thin) to 4")},
        {cboSnaptogrid, QT_TR_NOOP("Snap to grid: turns are taken only on the grid of lanes, so trails never touch")},
        {cboSpeed, QT_TR_NOOP("Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower")},
        {cboTurbo, QT_TR_NOOP("Turbo: riders may burn fuel to go twice as fast for a while")},
        {cboWarp, QT_TR_NOOP("Warp: a rider leaving the arena at one edge comes back at the other")},
        {cboComplexity, QT_TR_NOOP("Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none")},
        {cboMatch, QT_TR_NOOP("Match: the points a player or team needs to win the match")},
        {cboPlayers, QT_TR_NOOP("Players: how many riders the match has, from 2 to 8")},
        {cboTeam, QT_TR_NOOP("Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins")},
        {cboFixedPosition, QT_TR_NOOP("Fixed position: every rider starts from the same place each round")},
        {cboDiagonalMotion, QT_TR_NOOP("Diagonal motion: riders may also ride diagonally (thin trails only)")},
        {txtWidth, QT_TR_NOOP("Width: the arena's width in pixels")},
        {txtHeight, QT_TR_NOOP("Height: the arena's height in pixels")},
        {txtGridColor, QT_TR_NOOP("Grid Color: the arena's colour in the next match")},
        {cboLevel, QT_TR_NOOP("Computer: how well the next computer rider plays")},
    };
    for (const auto& [widget, tip] : tips) words_->Set(widget, &QWidget::setToolTip, tip);

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

QString frmMain::LevelText(RiderLevel level) {
    switch (level) {
    case RiderLevel::Easy: return tr("Easy");
    case RiderLevel::Normal: return tr("Normal");
    case RiderLevel::Hard: return tr("Hard");
    }
    return {};
}

QLabel* frmMain::Label(const char* text, QWidget* parent, QPoint at) {
    QLabel* l = WhiteLabel(QString(), parent, at);
    words_->Set(l, &QLabel::setText, text);
    return l;
}

QComboBox* frmMain::AddRow(const char* label, int row, QStringList items) {
    const int top = 360 + 360 * row;
    Label(label, fraServer, QPoint(300 / Twips, (top + 60) / Twips));
    auto* list = new QComboBox(fraServer);
    // As wide as the column allows: "No" and "Yes" are longer in most languages.
    list->setGeometry(T(1860, top, 855, 315));
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QString());
    words_->Set(file, &QMenu::setTitle, QT_TR_NOOP("&File"));
    file->addAction(QT_TR_NOOP("Open &Replay..."), this, [this] {
        if (const auto path = replaychooser::Choose(this, ReplayKeeper::DefaultFolder())) OpenReplay(*path);
    });
    file->addSeparator();
    file->addAction(QT_TR_NOOP("E&xit"), this, [this] { close(); });
    QMenu* match = menuBar()->addMenu(QString());
    words_->Set(match, &QMenu::setTitle, QT_TR_NOOP("&Match"));
    for (RiderLevel level : {RiderLevel::Easy, RiderLevel::Normal, RiderLevel::Hard}) {
        QAction* add = match->addAction(QString(), this, [this, level] {
                cboLevel->setCurrentIndex(static_cast<int>(level));
                cmdAddRider_Click();
            });
        connect(match, &QMenu::aboutToShow, add, [this, add] { add->setEnabled(cmdAddRider->isEnabled()); });
        words_->Add([add, level] { add->setText(tr("Add Computer Rider (%1)").arg(LevelText(level))); });
    }
    QAction* local = match->addAction(QT_TR_NOOP("Add Local Player..."), this, &frmMain::AddLocalPlayer);
    connect(match, &QMenu::aboutToShow, local,
            [this, local] { local->setEnabled(cmdAddRider->isEnabled()); });
    QAction* remove =
        match->addAction(QT_TR_NOOP("Remove Computer Rider"), this, &frmMain::cmdRemoveRider_Click);
    connect(match, &QMenu::aboutToShow, remove,
            [this, remove] { remove->setEnabled(cmdRemoveRider->isEnabled()); });
    match->addSeparator();
    QAction* leave = match->addAction(QT_TR_NOOP("&Leave Match"), this, [this] {
        tmrClient.stop();
        in_.control.LeaveMatch();
    });
    connect(match, &QMenu::aboutToShow, leave,
            [this, leave] { leave->setEnabled(in_.control.Controls().leaveEnabled); });
    menuBar()->addMenu(game_.ViewMenu());
    QMenu* languages = languages_ = game_.ViewMenu()->addMenu(QString());
    languages->setObjectName(QStringLiteral("languageMenu"));
    words_->Set(languages, &QMenu::setTitle, QT_TR_NOOP("&Language"));
    connect(languages, &QMenu::aboutToShow, this, [this, languages] { FillLanguages(*languages); });
    FillLanguages(*languages);
    menuBar()->addMenu(game_.Sounds().Menu());
    menuBar()->addMenu(network_->Menu());
    QMenu* settings = menuBar()->addMenu(QString());
    words_->Set(settings, &QMenu::setTitle, QT_TR_NOOP("S&ettings"));
    settings->addAction(QT_TR_NOOP("&Keys..."), this, &frmMain::OpenKeys);
    QMenu* help = menuBar()->addMenu(QString());
    words_->Set(help, &QMenu::setTitle, QT_TR_NOOP("&Help"));
    help->addAction(QT_TR_NOOP("&Contents"), QKeySequence(Qt::Key_F1), this,
                    [this] { OpenHelp(QString()); });
    // The program has no web site: both say so, then open the installed help.
    help->addAction(QT_TR_NOOP("C&heck for updates..."), this, [this] {
        in_.copy.ShowMessage(
            tr("Lumivex is updated by your package manager or installer; this is version %1. The player's "
               "guide opens at its part about versions.")
                .arg(QStringLiteral(LUMIVEX_VERSION)),
            tr("Lumivex - Updates"), MessageIcon::Information);
        OpenHelp(QStringLiteral("versions"));
    });
    help->addAction(QT_TR_NOOP("&Visit the Author's Homepage..."), this, [this] {
        in_.copy.ShowMessage(
            tr("Lumivex has no web site of its own: its player's guide, installed with it, "
                           "opens instead."),
            tr("Lumivex - Homepage"), MessageIcon::Information);
        OpenHelp(QString());
    });
    help->addSeparator();
    auto about = [this] {
        if (about_) about_();
    };
    help->addAction(QT_TR_NOOP("&About Lumivex..."), this, about);
    // The tray's pop-up menu; never shown in the menu bar.
    mPopupSys = new QMenu(QStringLiteral("&SysTray"), this); // never shown by its title
    mPopupSys->addAction(QT_TR_NOOP("&Restore"), this, [this] { TrayIcon::RestoreWindow(*this); });
    mPopupSys->addAction(QT_TR_NOOP("&Minimize"), this, [this] { Minimise(); });
    mPopupSys->addAction(QT_TR_NOOP("&About"), this, about);
    mPopupSys->addSeparator();
    mPopupSys->addAction(QT_TR_NOOP("&Exit"), this, [this] { close(); });
    for (QMenu* m : {file, match, settings, help, mPopupSys}) words_->Actions(m);
    tray_ = new TrayIcon(*this, *mPopupSys, this);
}

void frmMain::ShowRoster() {
    const Roster& roster = in_.roster;
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
        if (const int ms = in_.net.RoundTripMs(i); ms >= 0 && !whole.isEmpty())
            tip << tr("Round trip: %1 ms").arg(QLocale().toString(ms));
        box->setToolTip(PlainToolTip(tip.join(QLatin1Char('\n'))));
        // An empty box keeps its neutral colour under every palette: coloured, it looks taken.
        Paint(box, QPalette::Base, whole.isEmpty() ? colours::FreeRosterBox : game_.ShownColour(i + 1, roster.Color(i)));
    }
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

Colour frmMain::SwatchColour(const QLineEdit* swatch) {
    return Canvas::FromRgb(swatch->palette().color(QPalette::Base).rgb());
}

void frmMain::SetSwatchColour(QLineEdit* swatch, Colour c) {
    Paint(swatch, QPalette::Base, c);
    // White is no colour chosen: each seat then rides in its own.
    if (swatch == txtPointColor) swatch->setText(c == colours::White ? tr("Default") : QString());
}
