#include "TrayIcon.h"

#include "AppIcon.h"

#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QWidget>

TrayIcon::Action TrayIcon::ActionFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::DoubleClick: return Action::Restore;
    case QSystemTrayIcon::Context: return Action::Menu;
    default: return Action::Nothing;
    }
}

std::function<bool()>& TrayIcon::Available() {
    static std::function<bool()> available = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    return available;
}

TrayIcon::TrayIcon(QWidget& window, QMenu& popup, QObject* parent)
    : QObject(parent), window_(window), popup_(popup), icon_(AppIcon::Icon()) {
    icon_.setToolTip(tr("Lumivex"));
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::Activate);
}

void TrayIcon::Add() { icon_.show(); }

void TrayIcon::Remove() { icon_.hide(); }

void TrayIcon::RestoreWindow(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void TrayIcon::Activate(QSystemTrayIcon::ActivationReason reason) {
    switch (ActionFor(reason)) {
    case Action::Restore: RestoreWindow(window_); break;
    case Action::Menu:
        window_.activateWindow();
        popup_.popup(QCursor::pos());
        break;
    case Action::Nothing: break;
    }
}

void TrayIcon::HideWhenMinimised(QWidget& window, const QEvent& e) {
    if (e.type() == QEvent::WindowStateChange && window.isMinimized() && Available()())
        QMetaObject::invokeMethod(&window, &QWidget::hide, Qt::QueuedConnection);
}
