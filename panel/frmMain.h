#pragma once

#include "CopyParts.h"
#include "KeyBindings.h"
#include "MatchControl.h"
#include "Roster.h"
#include "Settings.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <array>
#include <functional>
#include <optional>

class frmReplay;
class frmVyre;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QMenu;
class ChatPane;
class NetworkMenu;
class WebSeats;
class TrayIcon;
class Wording;

// The control panel: match options, the roster of registered clients and the buttons that
// register, host, pause and reset. Its options live in the settings file. It shows what the
// match control publishes and hands its presses to it.
class ReplayKeeper;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(WindowParts copy, frmVyre& game, QWidget* parent = nullptr);
    ~frmMain() override;

    // Replaceable for tests: the colour chooser (nothing when cancelled) and the desktop's "open".
    // The chooser's title says whose colour it is.
    void SetColourChooser(std::function<std::optional<Colour>(Colour current, const QString& title)> choose) {
        choose_ = std::move(choose);
    }
    // The opener answers whether a browser took the page.
    void SetOpener(std::function<bool(const QUrl&)> open) { open_ = std::move(open); }
    void SetAboutOpener(std::function<void()> open) { about_ = std::move(open); }

    // Start-up: settings file, shared variables, controls, game window, roll call.
    void Load();
    // Before Load: a settings file of one's own, and an interface for this run only.
    void SetSettingsFile(const QString& file) { settingsFile_ = file; }
    // The Network menu, the network line and the start-up notice.
    NetworkMenu& Network() { return *network_; }
    WebSeats& Web() { return *web_; }
    // What keeps this copy's matches as replays.
    ReplayKeeper& Keeper() { return *keeper_; }
    // File > Open Replay: watches a replay in windows of its own while this copy is sealed off
    // from the network. Refused (with a box) while this copy hosts or rides in a match, or
    // when the file is no replay.
    frmReplay* OpenReplay(const QString& path);
    // The round that just ended, again at half speed, while the match goes on.
    frmReplay* WatchAgain();
    // The replay window open now, if any.
    frmReplay* Replay() const;

    // The settings module's procedures.
    void InitVariables();
    void PopulateControls();
    void SaveSettings(const QString& mode);

    // Buttons, timers and swatches.
    void cmdServer_Click();
    void cmdClient_Click();
    void cmdPause_Click();
    void cmdResetMatch_Click();
    void cmdStop_Click();
    void tmrStart_Timer();
    void tmrClient_Timer();
    void PickColour(QLineEdit* swatch);
    void ApplyBackColor(Colour c);

    // The roster boxes show the roster model.
    QString RosterText(int slot) const;
    void SetRosterText(int slot, const QString& text);
    // Computer riders: the level list's choice, and removal of the rider last added.
    void cmdAddRider_Click();
    void cmdRemoveRider_Click();
    // A second, third or fourth player at this keyboard: name and colour asked for, then kept.
    void AddLocalPlayer();
    // The panel names the next step when a seat is there to take.
    void ShowNextStep();
    // Asks a new local player's name; the seat's keys are shown with it.
    void SetNameAsker(std::function<std::optional<QString>(const QString& current, int seat)> ask) {
        askName_ = std::move(ask);
    }
    // "W A S D, left Shift for turbo": the keys a seat rides with.
    QString SeatKeys(int seat) const;
    // Settings > Keys; the dialog is modal, tests use the two halves.
    void OpenKeys();
    void ApplyKeys(const keys::Bindings& b);
    // The options as Start Match sends them.
    MatchControl::MatchOptions Options() const;

    void Minimise();
    // Closes the panel, which ends the program.
    void Unload();

    // Controls, by their names.
    QLineEdit *txtName, *txtPointColor, *txtBackColor, *txtGridColor, *txtWidth, *txtHeight;
    std::array<QLineEdit*, 7> txtClient{};
    QComboBox *cboThickness, *cboSnaptogrid, *cboSpeed, *cboTurbo, *cboWarp, *cboComplexity, *cboMatch,
        *cboPlayers, *cboTeam, *cboFixedPosition, *cboDiagonalMotion;
    QPushButton *cmdPause, *cmdClient, *cmdServer, *cmdResetMatch, *cmdStop, *cmdAddRider, *cmdRemoveRider;
    QComboBox* cboLevel;
    QGroupBox *fraCommon, *fraClient, *fraServer;
    ChatPane* fraChat = nullptr;
    QMenu* mPopupSys = nullptr;
    TrayIcon* Tray() const { return tray_; }
    QTimer tmrStart, tmrClient;

    static Colour SwatchColour(const QLineEdit* swatch);
    void SetSwatchColour(QLineEdit* swatch, Colour c);

signals:
    // The panel was closed: the program ends.
    void unloaded();

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    static QFont PanelFont(double points);
    void BuildControls();
    // Renders the match control's state: what is enabled, the pause caption, the players list.
    void ShowControls();
    void ShowRoster();
    void ShowRiderButtons();
    void RosterMenu(int slot, const QPoint& at);
    void BuildMenus();
    void OpenHelp(const QString& part);
    // A label in the panel's colours, its text (marked with QT_TR_NOOP) following the language.
    QLabel* Label(const char* text, QWidget* parent, QPoint at);
    QComboBox* AddRow(const char* label, int row, QStringList items);
    // A computer rider's level as the panel shows it.
    static QString LevelText(RiderLevel level);
    // View > Language: "System default", English and every translation, each in its own name;
    // a choice applies at once and is kept in [View] Language ("en" for English).
    void FillLanguages(QMenu& menu);
    void ChooseLanguage(const QString& code);
    // Gives every text of the panel its room, in the writing direction of the language in use.
    void Arrange();

    WindowParts in_;
    frmVyre& game_;
    ReplayKeeper* keeper_ = nullptr;
    QPointer<frmReplay> replay_;
    std::function<std::optional<Colour>(Colour, const QString&)> choose_;
    std::function<bool(const QUrl&)> open_;
    std::function<std::optional<QString>(const QString&, int)> askName_;
    QString settingsFile_;
    Settings settings_;
    QLabel* lblNetwork = nullptr;
    NetworkMenu* network_ = nullptr;
    WebSeats* web_ = nullptr;
    bool hostHeard_ = false; // a host was heard on this network
    std::function<void()> about_;
    TrayIcon* tray_ = nullptr;
    bool firstResize_ = true;
    bool unloaded_ = false;
    ControlState shown_;
    bool hint_ = false; // the first-run hint shows over the arena
    QLabel* title_ = nullptr;
    Wording* words_ = nullptr; // the texts that follow the language
    QMenu* languages_ = nullptr; // View > Language
    // The colour a new local player's chooser opens on: the wanted one unless another rider
    // shows it, else the first default colour nobody shows.
    Colour FreeColour(Colour wanted) const;
    // The first free seat, with the name it had last and its colour (moved off one another
    // shows); none, and the roster says why, when every seat is taken.
    struct Seat {
        int seat;
        QString name;
        Colour colour;
    };
    std::optional<Seat> NextSeat();
    // A copy alone, with no riders, before its first match ever: what to do first.
    void ShowFirstRunHint();
};
