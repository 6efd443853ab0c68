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
#else
void QuitOnSignal(QObject*, std::function<void()>) {}
#endif
