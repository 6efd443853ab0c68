#include "PreciseWait.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cstdint>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <QWinEventNotifier>
#include <windows.h>
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002 // Windows 10 1803 on; older headers lack it
#endif
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
#elif defined(Q_OS_WIN)
    // A high-resolution waitable timer (Windows 10 1803 on); an ordinary one elsewhere.
    handle_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (!handle_) handle_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    if (handle_) {
        winNotifier_ = new QWinEventNotifier(handle_, this);
        connect(winNotifier_, &QWinEventNotifier::activated, this, &PreciseWait::Fired);
    }
#endif
}

PreciseWait::~PreciseWait() {
#ifdef __linux__
    delete notifier_;
    if (fd_ >= 0) close(fd_);
#elif defined(Q_OS_WIN)
    delete winNotifier_;
    if (handle_) CloseHandle(handle_);
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
#elif defined(Q_OS_WIN)
    if (handle_) {
        LARGE_INTEGER due{};
        due.QuadPart = -std::max<qint64>(ns / 100, 1); // relative, in 100 ns units
        if (SetWaitableTimer(handle_, &due, 0, nullptr, nullptr, FALSE)) return;
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
#elif defined(Q_OS_WIN)
    if (handle_) CancelWaitableTimer(handle_);
#endif
}

void PreciseWait::Fired() {
    // An expiry already counted when the wait was stopped or replaced is dropped here.
    if (!active_) return;
    active_ = false;
    emit timeout();
}
