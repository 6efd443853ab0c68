#pragma once

#include "Ports.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class ArenaView;
class Instance;
class QLineEdit;
class QMenu;
class TrayIcon;

// The game window: arena, turbo gauges, score boxes, countdown box and status line. It
// shows the board model and forwards keys; the match logic lives elsewhere.
class frmVyre : public QWidget, public WindowPort {
    Q_OBJECT
public:
    static constexpr int FrameMs = 16;

    explicit frmVyre(Instance& instance, QWidget* parent = nullptr);

    // Opens the About box; the program supplies it.
    void SetAboutOpener(std::function<void()> open) { about_ = std::move(open); }
    void SetBackColor(Colour c);
    // Load: the instance's start-up, then show.
    void Load();
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
    QLineEdit* StatusBox() const { return status_; }
    QMenu* PopupMenu() const { return mPopupSys_; }
    TrayIcon* Tray() const { return tray_; }

signals:
    // The window closed on an instance that is not hosting: the program ends.
    void programEnds();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void ShowChanges();
    void LayOut();
    QLineEdit* MakeBox(const QRect& geometry);

    Instance& in_;
    std::function<void()> about_;
    QMenu* mPopupSys_ = nullptr;
    TrayIcon* tray_ = nullptr;
    ArenaView* arena_ = nullptr;
    std::array<ArenaView*, 8> gauges_{};
    std::array<QLineEdit*, 8> scores_{};
    QLineEdit* stopGo_ = nullptr;
    QLineEdit* status_ = nullptr;
    QTimer frame_;
    bool firstResize_ = true;
    bool unloaded_ = false;
};
