#include "QuitOnSignal.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int pipeEnds[2] = {-1, -1};

void OnSignal(int) {
    // Only what is safe in a handler: one byte down the pipe the event loop watches.
    const char byte = 1;
    [[maybe_unused]] const auto n = write(pipeEnds[1], &byte, 1);
}
} // namespace

void QuitOnSignal(QObject* owner, std::function<void()> quit) {
    if (pipe(pipeEnds) != 0) return;
    for (int fd : pipeEnds) {
        fcntl(fd, F_SETFD, FD_CLOEXEC);
        fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    auto* notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [quit = std::move(quit)] {
        char bytes[16];
        while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
        }
        quit();
    });
    struct sigaction sa{};
    sa.sa_handler = OnSignal;
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}
#elif defined(Q_OS_WIN)
#include <QMetaObject>
#include <QPointer>

#include <windows.h>

namespace {
QPointer<QObject> target;
std::function<void()> onQuit;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) return FALSE;
    // This runs on a thread of the system's: the quitting itself happens on the event loop.
    if (target) QMetaObject::invokeMethod(target, [] { onQuit(); }, Qt::QueuedConnection);
    // A closed console ends the process when this returns: leave time to say goodbye.
    if (event == CTRL_CLOSE_EVENT) Sleep(2000);
    return TRUE;
}
} // namespace

void QuitOnSignal(QObject* owner, std::function<void()> quit) {
    target = owner;
    onQuit = std::move(quit);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}
#else
void QuitOnSignal(QObject*, std::function<void()>) {}
#endif
