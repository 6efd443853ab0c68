#include "PreciseWait.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cstdint>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#endif

PreciseWait::PreciseWait(QObject* parent) : QObject(parent) {
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, &PreciseWait::Fired);
#ifdef __linux__
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            std::uint64_t expirations = 0;
            if (read(fd_, &expirations, sizeof expirations) == sizeof expirations) Fired();
        });
    }
#endif
}

PreciseWait::~PreciseWait() {
#ifdef __linux__
    delete notifier_;
    if (fd_ >= 0) close(fd_);
#endif
}

void PreciseWait::Start(qint64 ns) {
    active_ = true;
#ifdef __linux__
    if (fd_ >= 0) {
        // A zero it_value would disarm the timer: the shortest wait is a microsecond.
        const qint64 wait = std::max<qint64>(ns, 1000);
        itimerspec spec{};
        spec.it_value.tv_sec = static_cast<time_t>(wait / 1'000'000'000);
        spec.it_value.tv_nsec = static_cast<long>(wait % 1'000'000'000);
        if (timerfd_settime(fd_, 0, &spec, nullptr) == 0) return;
    }
#endif
    fallback_.start(ns <= 0 ? 0 : static_cast<int>((ns + 500'000) / 1'000'000));
}

void PreciseWait::Stop() {
    active_ = false;
    fallback_.stop();
#ifdef __linux__
    if (fd_ >= 0) {
        const itimerspec off{};
        timerfd_settime(fd_, 0, &off, nullptr);
    }
#endif
}

void PreciseWait::Fired() {
    // An expiry already counted when the wait was stopped or replaced is dropped here.
    if (!active_) return;
    active_ = false;
    emit timeout();
}
