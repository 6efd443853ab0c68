#pragma once

#include "Gateway.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class Dispatcher;
class QTreeWidget;
class QTreeWidgetItem;
class QVariant;
class QLabel;
class QDialog;
class QMenu;
class QMessageBox;
class QWidget;
class Roster;
class Settings;
class OnlineTransport;
class Transport;
class WebSeats;

// The panel's Network menu and what the panel says about the network: the interface the
// game sends through (kept in [Network]), the diagnostics, the line under the roster, and the
// notice when nobody answers the start-up roll call.
class NetworkMenu : public QObject {
    Q_OBJECT
public:
    NetworkMenu(Transport& net, const Dispatcher& dispatcher, const Roster& roster, QLabel& line, QWidget& parent);

    QMenu* Menu() const { return menu_; }
    // Before Load: the settings file, and an interface for this run only.
    void SetSettings(Settings* settings) { settings_ = settings; }
    void SetInterfaceForThisRun(const QString& name) { interfaceForRun_ = name; }
    // The start-up notice when nobody answers; off for a demo, which plays alone anyway.
    void SetNoticeEnabled(bool on) { noticeEnabled_ = on; }
    // Takes the interface from the settings (or this run's choice).
    void Load();
    // Where datagrams leave ("" for Automatic), kept in [Network].
    void ChooseInterface(const QString& name);
    QString LineText() const;
    // The language changed: the line under the roster says it again.
    void Reword();
    // The notice's text while it shows, empty otherwise.
    QString NoticeText() const;
    // A roll call went out: the answers are counted, and the notice shows if none came.
    void RollCallSent();
    void OpenDiagnostics();

    // Online play (when the transport can do it). Each asks what it needs, then acts.
    void OpenOnline();
    void JoinOnline();
    // Opens the game online on `port` (kept in [Network]); false with the reason.
    bool OpenOnlineOn(quint16 port, QString* error);
    // Joins by link; the panel hears joined or failed through the line and a message.
    void JoinLink(const QString& link);
    // The dialog with the link, its Copy and Close buttons and the addresses to choose from.
    void ShowLink();
    quint16 SavedOnlinePort() const;
    // The relay that games opened online keep a room at ("HOST:PORT", empty for none), kept in
    // [Network]; the command line may name one for this run only.
    QString SavedRelayServer() const;
    void SetRelayServerForThisRun(const QString& hostPort) { relayForRun_ = hostPort; }
    void ChooseRelayServer();
    // Games opened online from now on are listed publicly at the relay as `name`, with the
    // players in the roster and whether a match runs (an empty name: not listed).
    void ListPublicly(const QString& name);
    // Network > Online Players: the joined copies, with Kick, Ban and "Close to new players".
    void OpenOnlinePlayers();
    // Network > Find Games Online: the public games of the relays in [Network] ListServers and
    // the relay server; joins the one chosen.
    void FindGames();
    QStringList ListServers() const;
    // A read-only table of whole rows, one chosen at a time, for the online dialogs.
    static QTreeWidget* ListTable(const QString& name, const QStringList& columns, QWidget* parent);
    // A row of it, carrying `key`; and the key of the row chosen (null when none is).
    static QTreeWidgetItem* ListRow(QTreeWidget& table, const QStringList& cells, const QVariant& key);
    static QVariant ChosenKey(const QTreeWidget& table);
    // Kick and Ban for the seat's joined copy, added to a roster box's menu (nothing when no
    // joined copy holds the seat).
    void AddRemovals(QMenu& menu, int slot);
    // The line the chat pane shows for a removal, with the riders' names.
    void SayRemoved(const Gateway::RemoteInfo& info, Gateway::Removal how);
    void SetMatchRunning(std::function<bool()> running) { matchRunning_ = std::move(running); }
    // A line under the network's, naming what to do next (empty for none).
    void SetNextStep(const QString& text);
    bool JoinedOnline() const;
    // Seats lent to browsers: Network > Let Browsers Join shows the address and its QR code,
    // serving on the port kept in [Web] (31317 unless set).
    void SetWebSeats(WebSeats* web) { web_ = web; }
    void LetBrowsersJoin();
    bool OpenBrowsersOn(quint16 port, QString* error);
    quint16 SavedWebPort() const;

signals:
    // The notice's "Send Roll Call Again".
    void rollCallWanted();
    // No other copy answered the start-up roll call.
    void nobodyAnswered();
    // The lone copy's notice: the player chose to ride against computer riders.
    void ridersWanted();
    // This copy is about to leave the game it is in, for another network: it says goodbye there.
    void leavingNetwork();
    // This copy now plays on another network (joined online, or back on its LAN): its roster
    // starts afresh and it sends a roll call.
    void switchedNetwork();
    // The online game this copy joined is gone, before switchedNetwork: nobody there to tell.
    void networkLost();
    // Joining by link did not succeed, or a joined game was lost: why.
    void onlineProblem(const QString& why);
    // What the gateway's owner did to keep the game clean (a copy removed, the game closed to
    // new players or open again): a line for the chat pane.
    void gatewayNotice(const QString& line);

private:
    // A window of this menu open when the player picks another language is opened again, in it.
    void ReopenOnLanguageChange(QDialog* dialog, void (NetworkMenu::*open)());
    QString SavedInterface() const;
    void ShowLine();
    void ShowAloneNotice();
    void CheckForAnswers();
    void FillMenu();
    void Message(const QString& text) const;

    Transport& net_;
    WebSeats* web_ = nullptr;
    OnlineTransport* online_ = nullptr; // null when the transport cannot go online
    std::function<bool()> matchRunning_;
    const Dispatcher& dispatcher_;
    const Roster& roster_;
    QLabel& line_;
    QWidget& parent_;
    QMenu* menu_ = nullptr;
    Settings* settings_ = nullptr;
    std::optional<QString> interfaceForRun_, relayForRun_;
    bool noticeEnabled_ = true;
    bool alone_ = false; // nobody answered the last roll call
    QString nextStep_;
    bool quietAfterLoss_ = false; // the roll call after a lost online game shows no notice
    QPointer<QMessageBox> notice_;
    qint64 registersBefore_ = 0;
};
