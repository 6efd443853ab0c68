#pragma once

#include "ChatLog.h"
#include "CopyParts.h"
#include "KeyBindings.h"
#include "Pads.h"
#include "Palette.h"
#include "Ports.h"
#include "SoundBoard.h"
#include "Zoom.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <deque>
#include <functional>
#include <optional>

class ArenaView;
class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class TrayIcon;
class Wording;

// The game window: arena, turbo gauges, score boxes, countdown box and status line. It
// shows the board model and forwards keys; the match logic lives elsewhere.
class frmVyre : public QWidget, public WindowPort {
    Q_OBJECT
public:
    static constexpr int FrameMs = 16;

    // SDL's pads have one event queue for the whole program: only the match's own window reads
    // it (a replay's window takes no pads).
    enum class PadsToo { Yes, No };
    explicit frmVyre(WindowParts copy, QWidget* parent = nullptr, PadsToo pads = PadsToo::Yes);

    // Opens the About box; the program supplies it.
    void SetAboutOpener(std::function<void()> open) { about_ = std::move(open); }
    void SetBackColor(Colour c);
    // A QR code of the address browsers join at, shown over the arena while no match runs
    // (a null image: none).
    void SetJoinCode(const QImage& code, const QString& caption);
    // Load: the instance's start-up, then show (with the tray icon, unless this window shows a replay).
    void Load(bool tray = true);
    // Unload as the close button does it; harmless when already done.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    bool IsMinimised() const override;
    void Minimise() override;
    void Restore() override;
    void FocusArena() override;
    void FitArena(int width, int height) override;

    ArenaView* Arena() const { return arena_; }
    QLineEdit* ScoreBox(int i) const { return scores_[static_cast<std::size_t>(i - 1)]; }
    QLineEdit* StopGoBox() const { return stopGo_; }
    // The name under score box i, 1..8.
    QLabel* ScoreName(int i) const { return scoreNames_[static_cast<std::size_t>(i - 1)]; }
    // Whether player 1..8's seat rides in the match shown.
    bool SeatRides(int player) const;
    void ShowStatus();
    QLineEdit* StatusBox() const { return status_; }
    QMenu* PopupMenu() const { return mPopupSys_; }
    TrayIcon* Tray() const { return tray_; }
    SoundBoard& Sounds() { return sounds_; }
    keys::Bindings& Keys() { return keys_; }
    // A key went down on the arena: the seat it belongs to steers.
    void KeyDown(const keys::Key& k);
    // Game controllers: each is bound to a seat (0 the player at the computer, 1..3 local players).
    Pads& GetPads() { return *pads_; } // a window with pads only
    bool HasPads() const { return pads_ != nullptr; }
    int SeatOfPad(int pad) const { return padSeat_.value(pad, -1); }
    void BindPad(int pad, int seat);
    // Takes every key before the seats do (a replay's window); true when it used the key.
    void SetKeyHook(std::function<bool(const keys::Key&)> hook) { keyHook_ = std::move(hook); }
    // What the Watch Again key and button do; none hides the button.
    void SetWatchAgain(std::function<void()> watch) { watchAgain_ = std::move(watch); }
    // Shows or hides the Watch Again button on the status line.
    void OfferWatchAgain(bool offer);
    QAction* WatchAgainButton() const { return watchAgainButton_; }
    // Shows the current keys in the arena's tool tip.
    void ShowKeys();
    // View: the zoom and fullscreen choices, with their keys; the panel shows the same menu.
    QMenu* ViewMenu() const { return mView_; }
    // The right button's menu over the game window.
    QMenu* GameMenu() const { return mGame_; }
    const zoom::ViewSettings& View() const { return view_; }
    void SetView(const zoom::ViewSettings& v);
    void SetZoom(int zoom);
    void SetFullscreen(bool on);
    // View > Colours: how players' colours are shown here (the picture only).
    void SetColours(palette::Colours mode);
    palette::Colours Colours() const { return colours_; }
    // The colour player i, who chose this one, is shown in on this copy.
    Colour ShownColour(int player, Colour chosen) const;
    // View > Names at Riders: each rider's name beside its head for a round's countdown and
    // the first NamesMs of riding.
    void SetNamesAtRiders(bool on);
    bool NamesAtRiders() const { return names_; }
    static constexpr int NamesMs = 2000;
    static constexpr int FlashMs = 2000; // "You crashed" and the like
    // The scale the arena is shown at now.
    const zoom::Scale& CurrentScale() const { return scale_; }
    // Where the score boxes, gauges and arena sit: centred in the window.
    QWidget* Sheet() const { return sheet_; }
    // Shows what the board changed; the frame timer calls it.
    void ShowChanges();
    // Moves the whole frame inside the screen's available area.
    void PlaceOnScreen();
    // The chat key: a line to type over the status line. Enter sends it, Esc puts it away;
    // while it is open, keys type and do not steer.
    void OpenChat();
    QLineEdit* ChatInput() const { return chatInput_; }
    // How long a line of chat shows over the arena, and how many at once.
    static constexpr int ChatShownMs = 6000;
    static constexpr std::size_t ChatShownLines = 3;

signals:
    // A button was pressed on a pad bound to no seat, and pressed again: a new local player.
    void joinWithPad(int pad);
    // The window closed on an instance that is not hosting: the program ends.
    void programEnds();
    // The player changed the zoom or fullscreen choice.
    void viewChanged();
    // From this window's menus: the panel, the game window itself, leaving the match.
    void panelWanted();
    void gameWindowWanted();
    void leaveMatchWanted();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    Wording* words_ = nullptr; // the texts that follow the language

    void ShowJoinCode();
    QImage joinCode_;
    QString joinCaption_;

    void BuildViewMenu();
    // What a seat's key or pad does once known: steers, pauses, chats or watches again.
    void Act(int seat, keys::Action action, const keys::Key& key);
    void PadPressed(int pad, const QString& button);
    void PadSteered(int pad, int direction);
    // The palette and the names, as the board and the choices stand.
    void ShowShadeAndTags();
    void ShowChat(const ChatLog::Line& line);
    void ExpireChat();
    // The window's 1x size around the arena as shown at a shrink.
    // The arena and what lies around it, for the zoom's sums.
    zoom::Sheet Shown() const;
    // What the window may take of the screen.
    QRect Room() const;
    int ZoomNow() const;
    bool ZoomFits(int zoom) const;
    void Refit();
    void ApplyWindowState();
    void LayOut();
    QLineEdit* MakeBox();

    WindowParts in_;
    std::function<void()> about_;
    std::function<bool(const keys::Key&)> keyHook_;
    std::function<void()> watchAgain_;
    QAction* watchAgainButton_ = nullptr;
    QMenu* mPopupSys_ = nullptr;
    QMenu* mView_ = nullptr;
    QMenu* mGame_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
    QAction* fullscreen_ = nullptr;
    QActionGroup* coloursGroup_ = nullptr;
    QAction* namesAction_ = nullptr;
    palette::Colours colours_ = palette::Colours::AsChosen;
    bool names_ = true;
    QElapsedTimer riding_; // since the round's countdown ended; invalid before
    int step_ = -1;        // the countdown's last step
    QTimer namesEnd_;
    QTimer flashEnd_;
    std::array<std::optional<Colour>, 8> scoreShown_{}; // what each score box is painted in
    Pads* pads_ = nullptr;
    QMap<int, int> padSeat_;
    int offeredPad_ = -1; // the pad offered to join, waiting for its second press
    QElapsedTimer offered_;
    zoom::ViewSettings view_;
    zoom::Scale scale_;
    int shownZoom_ = 1; // the zoom scale_ is of
    QRect normalGeometry_;
    QWidget* sheet_ = nullptr;
    TrayIcon* tray_ = nullptr;
    ArenaView* arena_ = nullptr;
    std::array<ArenaView*, 8> gauges_{};
    std::array<QLineEdit*, 8> scores_{};
    std::array<QLabel*, 8> scoreNames_{};
    std::array<QString, 8> namesShown_{};
    QLineEdit* stopGo_ = nullptr;
    QLineEdit* status_ = nullptr;
    QLineEdit* chatInput_ = nullptr;
    struct Said {
        ChatLog::Line line;
        QElapsedTimer since;
    };
    std::deque<Said> said_;
    QTimer chatExpiry_;
    QTimer frame_;
    SoundBoard sounds_;
    keys::Bindings keys_;
    bool firstResize_ = true;
    bool followsScreen_ = false;
    bool unloaded_ = false;
};
