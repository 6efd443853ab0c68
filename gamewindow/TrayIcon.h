#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <functional>

class QEvent;
class QMenu;
class QWidget;

// A window's icon in the notification area: a left click or double click brings the window
// back, a right click opens its pop-up menu. Only real activations of the icon act; mouse
// movements over the window itself never do.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    enum class Action { Nothing, Restore, Menu };
    static Action ActionFor(QSystemTrayIcon::ActivationReason reason);

    // Whether minimising may hide a window: only while there is a tray to bring it back.
    static std::function<bool()>& Available();

    TrayIcon(QWidget& window, QMenu& popup, QObject* parent = nullptr);

    void Add();
    void Remove();
    bool IsShown() const { return icon_.isVisible(); }
    void Activate(QSystemTrayIcon::ActivationReason reason);

    // Normal state, in front, shown.
    static void RestoreWindow(QWidget& window);
    // A window's state change: minimised, it leaves the taskbar for its tray icon, but only
    // where a tray exists to bring it back.
    static void HideWhenMinimised(QWidget& window, const QEvent& e);

private:
    QWidget& window_;
    QMenu& popup_;
    QSystemTrayIcon icon_;
};
