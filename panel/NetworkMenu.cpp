#include "NetworkMenu.h"

#include "Wording.h"

#include "GameList.h"
#include "Messages.h"

#include "Dispatcher.h"
#include "Gateway.h"
#include "Settings.h"
#include "MessageBox.h"
#include "MulticastTransport.h"
#include "OnlineTransport.h"
#include "Roster.h"
#include "WebSeats.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {
const QString Section = QStringLiteral("Network");
constexpr int AnswerWaitMs = 2000; // for the start-up roll call
} // namespace

NetworkMenu::NetworkMenu(Transport& net, const Dispatcher& dispatcher, const Roster& roster, QLabel& line,
                         QWidget& parent)
    : QObject(&parent), net_(net), dispatcher_(dispatcher), roster_(roster), line_(line), parent_(parent) {
    online_ = qobject_cast<OnlineTransport*>(&net);
    menu_ = new QMenu(tr("&Network"), &parent);
    connect(menu_, &QMenu::aboutToShow, this, &NetworkMenu::FillMenu);
    // Something for the menu to show before it first opens (and for keyboard navigation).
    FillMenu();
    connect(&net_, &Transport::inUseChanged, this, &NetworkMenu::ShowLine);
    connect(&net_, &Transport::onlineChanged, this, &NetworkMenu::ShowLine);
    if (online_) {
        connect(online_, &OnlineTransport::joined, this, &NetworkMenu::switchedNetwork);
        connect(online_, &OnlineTransport::joinFailed, this, &NetworkMenu::onlineProblem);
        connect(online_, &OnlineTransport::remoteRemoved, this, &NetworkMenu::SayRemoved);
        connect(online_, &OnlineTransport::onlineLost, this, [this](const QString& why) {
            // Its message says it all: the LAN's notice that nobody answered would only bury it.
            quietAfterLoss_ = true;
            emit networkLost();
            emit switchedNetwork();
            emit onlineProblem(why);
        });
    }
}

void NetworkMenu::Reword() {
    menu_->setTitle(tr("&Network"));
    FillMenu();
    ShowLine();
}

void NetworkMenu::FillMenu() {
    menu_->clear();
    auto* group = new QActionGroup(menu_);
    const QString chosen = interfaceForRun_ ? *interfaceForRun_ : SavedInterface();
    QList<QPair<QString, QString>> list = {{QString(), QString()}};
    list.append(net_.Interfaces());
    for (const auto& [name, address] : list) {
        QAction* a = menu_->addAction(name.isEmpty() ? tr("Automatic")
                                                     : QStringLiteral("%1, %2").arg(name, address));
        a->setCheckable(true);
        a->setChecked(name == chosen);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, name = name] { ChooseInterface(name); });
    }
    menu_->addSeparator();
    if (online_) {
        using Mode = OnlineTransport::Mode;
        const Mode mode = online_->GetMode();
        if (mode == Mode::Open) {
            menu_->addAction(tr("Show Online &Link..."), this, &NetworkMenu::ShowLink);
            menu_->addAction(tr("Online &Players..."), this, &NetworkMenu::OpenOnlinePlayers);
            menu_->addAction(tr("&Close Online Game"), online_, &OnlineTransport::CloseOnline);
        } else {
            menu_->addAction(tr("&Open Game Online..."), this, &NetworkMenu::OpenOnline)
                ->setEnabled(mode == Mode::Lan);
        }
        if (mode == Mode::Joined || mode == Mode::Joining) {
            menu_->addAction(tr("&Leave Online Game"), this, [this] {
                emit leavingNetwork();
                online_->LeaveOnline();
                emit switchedNetwork();
            });
        } else {
            menu_->addAction(tr("&Join Online Game..."), this, &NetworkMenu::JoinOnline)
                ->setEnabled(mode == Mode::Lan);
            menu_->addAction(tr("&Find Games Online..."), this, &NetworkMenu::FindGames)
                ->setEnabled(mode == Mode::Lan);
        }
        menu_->addAction(tr("&Relay Server..."), this, &NetworkMenu::ChooseRelayServer);
        menu_->addSeparator();
    }
    if (web_ && WebSeats::Available()) {
        menu_->addAction(tr("Let &Browsers Join..."), this, &NetworkMenu::LetBrowsersJoin);
        menu_->addSeparator();
    }
    menu_->addAction(tr("&Diagnostics..."), this, &NetworkMenu::OpenDiagnostics);
}

QString NetworkMenu::SavedInterface() const {
    return settings_ ? settings_->Value(Section, QStringLiteral("Interface")) : QString();
}

void NetworkMenu::Load() { net_.SetSendInterface(interfaceForRun_ ? *interfaceForRun_ : SavedInterface()); }

void NetworkMenu::ChooseInterface(const QString& name) {
    // A choice from the menu is the player's from now on, also over --interface.
    interfaceForRun_.reset();
    if (settings_) settings_->Set(Section, {{QStringLiteral("Interface"), name}});
    net_.SetSendInterface(name);
    ShowLine();
}

QString NetworkMenu::LineText() const { return line_.text(); }

void NetworkMenu::ShowLine() {
    const QString where = net_.InUse();
    QString text = where.isEmpty() ? QString() : tr("Network: %1").arg(where);
    if (const QString online = net_.OnlineLine(); !online.isEmpty())
        text = text.isEmpty() ? online : QStringLiteral("%1; %2").arg(text, online);
    if (alone_ && net_.OnlineLine().isEmpty()) text += tr("; no other copy of Lumivex answered");
    if (!nextStep_.isEmpty()) text = text.isEmpty() ? nextStep_ : text + QLatin1Char('\n') + nextStep_;
    line_.setText(text);
}

void NetworkMenu::SetNextStep(const QString& text) {
    if (text == nextStep_) return;
    nextStep_ = text;
    ShowLine();
}

bool NetworkMenu::JoinedOnline() const { return online_ && online_->GetMode() == OnlineTransport::Mode::Joined; }

QString NetworkMenu::NoticeText() const {
    if (!notice_ || !notice_->isVisible()) return {};
    return notice_->text() + QLatin1Char('\n') + notice_->informativeText() + QLatin1Char('\n') + notice_->detailedText();
}

void NetworkMenu::RollCallSent() {
    if (notice_) notice_->close();
    alone_ = false;
    ShowLine();
    registersBefore_ = dispatcher_.RegistersHeard();
    QTimer::singleShot(AnswerWaitMs, this, &NetworkMenu::CheckForAnswers);
}

void NetworkMenu::CheckForAnswers() {
    // Every copy answers a roll call, this one too: more answers than its own mean company.
    const qint64 own = 1 + static_cast<qint64>(roster_.Riders().size());
    if (dispatcher_.RegistersHeard() - registersBefore_ > own) {
        quietAfterLoss_ = false;
        return;
    }
    alone_ = true;
    ShowLine();
    if (std::exchange(quietAfterLoss_, false)) return;
    emit nobodyAnswered();
    // Who plays with computer riders or friends at this keyboard, or watches a demo, is not
    // stopped by a warning: the network line says it.
    // Neither does a copy in an online game, where friends come and go by link.
    if (!noticeEnabled_ || !roster_.Riders().empty() || !net_.OnlineLine().isEmpty()) return;
    ShowAloneNotice();
}

void NetworkMenu::ShowAloneNotice() {
    if (notice_) notice_->close();
    // What a player can do about it comes first; what the network looks like is a click away.
    auto* box = new QMessageBox(QMessageBox::Information, tr("Lumivex"),
                                tr("You are the only one here."), QMessageBox::NoButton, &parent_);
    box->setInformativeText(tr("Ride against computer riders, open a game online for friends "
                                           "elsewhere, or wait for friends on this network."));
    box->setDetailedText(MulticastTransport::NoAnswerHint(net_.InUse()));
    QPushButton* riders = box->addButton(tr("Add Computer Riders"), QMessageBox::ActionRole);
    connect(riders, &QPushButton::clicked, this, &NetworkMenu::ridersWanted);
    if (online_) {
        QPushButton* online = box->addButton(tr("Open a Game Online..."), QMessageBox::ActionRole);
        connect(online, &QPushButton::clicked, this, &NetworkMenu::OpenOnline, Qt::QueuedConnection);
    }
    QPushButton* wait = box->addButton(tr("Wait for Friends on This Network"), QMessageBox::RejectRole);
    box->setDefaultButton(riders);
    box->setEscapeButton(wait);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    ReopenOnLanguageChange(box, &NetworkMenu::ShowAloneNotice);
    box->show();
    notice_ = box;
}

void NetworkMenu::OpenDiagnostics() {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Close, &parent_);
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Said again, figures and all, when the player picks another language with it open.
    (new Wording(box, metaObject()->className()))->Add([this, box] {
        box->setWindowTitle(tr("Network Diagnostics"));
        Transport::Counts c = net_.Diagnostics();
        c.malformed = dispatcher_.Malformed();
        c.flooded = dispatcher_.Flooded();
        QStringList lines{MulticastTransport::Report(c, net_.InUse())};
        lines << net_.OnlineReport();
        if (web_) lines << web_->Report();
        box->setText(lines.join(QLatin1Char('\n')));
    });
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void NetworkMenu::Message(const QString& text) const {
    OpenMessageBox(&parent_, text, tr("Lumivex - Online"), MessageIcon::Information);
}

quint16 NetworkMenu::SavedOnlinePort() const {
    const int port = settings_ ? settings_->Value(Section, QStringLiteral("OnlinePort")).toInt() : 0;
    return port >= 1 && port <= 65535 ? static_cast<quint16>(port) : OnlineLink::DefaultPort;
}

bool NetworkMenu::OpenOnlineOn(quint16 port, QString* error) {
    if (!online_) return false;
    if (settings_) settings_->Set(Section, {{QStringLiteral("OnlinePort"), QString::number(port)}});
    online_->SetRelayServer(relayForRun_ ? *relayForRun_ : SavedRelayServer());
    return online_->Open(port, error);
}

QString NetworkMenu::SavedRelayServer() const {
    const QString text = settings_ ? settings_->Value(Section, QStringLiteral("RelayServer")).trimmed() : QString();
    return OnlineTransport::SplitAddress(text) ? text : QString();
}

void NetworkMenu::ListPublicly(const QString& name) {
    if (!online_) return;
    if (name.isEmpty()) {
        online_->SetListing({});
        return;
    }
    online_->SetListing([this, name]() -> std::optional<gamelist::Entry> {
        gamelist::Entry e;
        e.name = name;
        e.players = roster_.Present();
        e.playing = matchRunning_ && matchRunning_();
        return e;
    });
}

void NetworkMenu::ChooseRelayServer() {
    bool ok = false;
    const QString text =
        QInputDialog::getText(&parent_, tr("Relay Server"),
                              tr("Games opened online also keep a room at this relay, for friends who "
                                             "cannot reach this computer directly.\nHOST:PORT, or empty for none "
                                             "(Lumivex runs no public relay):"),
                              QLineEdit::Normal, SavedRelayServer(), &ok)
            .trimmed();
    if (!ok) return;
    if (!text.isEmpty() && !OnlineTransport::SplitAddress(text)) {
        Message(QStringLiteral("\"%1\" is not HOST:PORT, such as relay.example.org:31316.").arg(text));
        return;
    }
    if (settings_) settings_->Set(Section, {{QStringLiteral("RelayServer"), text}});
    relayForRun_.reset();
    if (online_ && online_->GetMode() == OnlineTransport::Mode::Open)
        Message(tr("The relay is used from the next time a game is opened online."));
}

void NetworkMenu::OpenOnline() {
    // The port is rarely anyone's concern: it waits under Advanced, as it was last time.
    QDialog ask(&parent_);
    ask.setWindowTitle(tr("Open Game Online"));
    auto* layout = new QVBoxLayout(&ask);
    auto* intro = new QLabel(tr("Friends elsewhere join this game with a link that the next window "
                                            "gives you to send them."),
                             &ask);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    // Listed publicly, anyone may find the game at the relay and join: off unless asked.
    auto* listRow = new QHBoxLayout;
    auto* listIt = new QCheckBox(tr("&List this game publicly as:"), &ask);
    listIt->setObjectName(QStringLiteral("listPublicly"));
    auto* publicName = new QLineEdit(&ask);
    publicName->setObjectName(QStringLiteral("publicName"));
    publicName->setMaxLength(gamelist::MostNameUnits);
    publicName->setText(settings_ ? settings_->Value(Section, QStringLiteral("PublicName")) : QString());
    publicName->setEnabled(false);
    listRow->addWidget(listIt);
    listRow->addWidget(publicName, 1);
    layout->addLayout(listRow);
    auto* listAt = new QHBoxLayout;
    listAt->setContentsMargins(16, 0, 0, 0);
    listAt->addWidget(new QLabel(tr("at the relay (HOST:PORT):"), &ask));
    auto* relay = new QLineEdit(SavedRelayServer(), &ask);
    relay->setObjectName(QStringLiteral("listRelay"));
    relay->setEnabled(false);
    listAt->addWidget(relay, 1);
    layout->addLayout(listAt);
    connect(listIt, &QCheckBox::toggled, &ask, [publicName, relay](bool on) {
        publicName->setEnabled(on);
        relay->setEnabled(on);
        if (on) publicName->setFocus();
    });
    auto* advanced = new QToolButton(&ask);
    advanced->setText(tr("&Advanced"));
    advanced->setCheckable(true);
    advanced->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    advanced->setArrowType(Qt::RightArrow);
    advanced->setAutoRaise(true);
    layout->addWidget(advanced);
    auto* more = new QWidget(&ask);
    auto* row = new QHBoxLayout(more);
    row->setContentsMargins(16, 0, 0, 0);
    row->addWidget(new QLabel(tr("UDP port:"), more));
    auto* port = new QSpinBox(more);
    port->setRange(1, 65535);
    port->setValue(SavedOnlinePort());
    row->addWidget(port);
    row->addStretch();
    more->setVisible(false);
    layout->addWidget(more);
    connect(advanced, &QToolButton::toggled, &ask, [advanced, more, &ask](bool on) {
        advanced->setArrowType(on ? Qt::DownArrow : Qt::RightArrow);
        more->setVisible(on);
        ask.adjustSize();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Open"));
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    layout->addWidget(buttons);
    if (ask.exec() != QDialog::Accepted) return;
    const QString name = wire::CleanText(publicName->text(), gamelist::MostNameUnits).trimmed();
    if (listIt->isChecked()) {
        const QString at = relay->text().trimmed();
        if (name.isEmpty() || !OnlineTransport::SplitAddress(at)) {
            Message(name.isEmpty() ? tr("A public game needs a name to be listed under.")
                                   : tr("A public game is listed at a relay: \"%1\" is not HOST:PORT, such "
                                        "as relay.example.org:31316.")
                                         .arg(at));
            return;
        }
        if (settings_)
            settings_->Set(Section, {{QStringLiteral("PublicName"), name}, {QStringLiteral("RelayServer"), at}});
        relayForRun_.reset();
    }
    ListPublicly(listIt->isChecked() ? name : QString());
    QString error;
    if (!OpenOnlineOn(static_cast<quint16>(port->value()), &error)) {
        Message(tr("The game could not be opened online: %1").arg(error));
        return;
    }
    ShowLink();
}

void NetworkMenu::ShowLink() {
    if (!online_ || online_->GetMode() != OnlineTransport::Mode::Open) return;
    auto* dialog = new QDialog(&parent_);
    dialog->setWindowTitle(tr("Game Online"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(dialog);
    auto* intro =
        new QLabel(tr("Friends join with this link (Network > Join Online Game). It holds the "
                                  "game's key: give it only to those you play with."),
                   dialog);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    // What the router and the relay did, as it becomes known.
    auto* reach = new QLabel(dialog);
    reach->setWordWrap(true);
    layout->addWidget(reach);
    layout->addWidget(new QLabel(tr("Address friends can reach:"), dialog));
    auto* addresses = new QComboBox(dialog);
    if (const QString mapped = online_->MappedAddress(); !mapped.isEmpty()) addresses->addItem(mapped);
    addresses->addItems(OnlineTransport::Addresses());
    addresses->setEditable(true); // a public address or name the router forwards
    layout->addWidget(addresses);
    auto* link = new QLineEdit(dialog);
    link->setReadOnly(true);
    // Wide enough for the whole link with an IPv4 address.
    link->setMinimumWidth(link->fontMetrics().horizontalAdvance(online_->LinkText(QStringLiteral("255.255.255.255"))) + 16);
    layout->addWidget(link);
    // Said before anyone shares a link that cannot reach them.
    auto* local = new QLabel(dialog);
    local->setObjectName(QStringLiteral("onlyThisNetwork"));
    local->setWordWrap(true);
    local->setTextFormat(Qt::PlainText);
    layout->addWidget(local);
    auto update = [this, link, addresses] {
        link->setText(online_->LinkText(addresses->currentText().trimmed()));
    };
    connect(addresses, &QComboBox::currentTextChanged, dialog, update);
    auto known = [this, reach, addresses, update, local] {
        QStringList lines;
        for (const QString& line : {online_->MappingLine(), online_->RelayLine()})
            if (!line.isEmpty()) lines << (line.endsWith(QLatin1Char('.')) ? line : line + QLatin1Char('.'));
        reach->setText(lines.join(QLatin1Char('\n')));
        reach->setVisible(!lines.isEmpty());
        // The router's public address, once it forwards the port, is the one to give.
        if (const QString mapped = online_->MappedAddress(); !mapped.isEmpty() && addresses->findText(mapped) < 0) {
            addresses->insertItem(0, mapped);
            addresses->setCurrentIndex(0);
        }
        // Where the relay sees this game from: what a friend outside may reach, when the
        // router lets answers in from anyone.
        if (const QString seen = online_->SeenAddress(); !seen.isEmpty() && addresses->findText(seen) < 0) {
            addresses->insertItem(online_->MappedAddress().isEmpty() ? 0 : 1, seen);
            if (online_->MappedAddress().isEmpty()) addresses->setCurrentIndex(0);
        }
        bool onlyOwn = online_->MappedAddress().isEmpty() && !online_->RelayOpen();
        for (int i = 0; onlyOwn && i < addresses->count(); ++i) {
            QString text = addresses->itemText(i);
            if (text.startsWith(QLatin1Char('['))) text = text.mid(1, text.size() - 2); // [IPv6]
            const QHostAddress a(text);
            onlyOwn = !a.isNull() && PortMapper::Reserved(a);
        }
        const QString own = OnlineTransport::Addresses().value(0, tr("this computer"));
        local->setText(onlyOwn ? tr("This computer has only addresses of its own network, so friends "
                                                "elsewhere cannot reach it: the link works only on this network.\n"
                                                "What works: a relay (Network > Relay Server...), forwarding UDP "
                                                "port %1 on the router to this computer (%2), or a VPN that puts "
                                                "you and your friends on one network.")
                                     .arg(online_->GetGateway() ? online_->GetGateway()->Port() : 0)
                                     .arg(own)
                               : QString());
        local->setVisible(onlyOwn);
        update();
    };
    connect(online_, &Transport::onlineChanged, dialog, known);
    known();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, dialog,
            [link] { QGuiApplication::clipboard()->setText(link->text()); });
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(buttons);
    dialog->setObjectName(QStringLiteral("onlineLink"));
    ReopenOnLanguageChange(dialog, &NetworkMenu::ShowLink);
    dialog->show();
}

void NetworkMenu::ReopenOnLanguageChange(QDialog* dialog, void (NetworkMenu::*open)()) {
    (new Wording(dialog))->Later([this, dialog, open] {
        QTimer::singleShot(0, this, [this, shown = QPointer<QDialog>(dialog), open] {
            if (!shown || !shown->isVisible()) return;
            shown->close();
            (this->*open)();
        });
    });
}

void NetworkMenu::JoinOnline() {
    bool ok = false;
    const QString text = QInputDialog::getText(&parent_, tr("Join Online Game"),
                                               tr("The link a friend sent (lumivex://...):"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok && !text.trimmed().isEmpty()) JoinLink(text);
}

void NetworkMenu::JoinLink(const QString& text) {
    if (!online_) return;
    QString why;
    const auto link = OnlineLink::Parse(text, &why);
    if (!link) {
        // Words a player can act on first; what exactly is wrong after them.
        const bool ours = text.trimmed().startsWith(QStringLiteral("lumivex://"), Qt::CaseInsensitive);
        emit onlineProblem(ours ? tr("That link is not whole: copy all of it again from the one who sent "
                                                 "it, and paste it here. (In detail: %1.)")
                                      .arg(why)
                                : tr("That is not a Lumivex link: a game's link starts with lumivex://"));
        return;
    }
    emit leavingNetwork();
    online_->Join(*link);
}
