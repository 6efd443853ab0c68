#pragma once

#include <QObject>
#include <QTimer>

class QSocketNotifier;
class QWinEventNotifier;

// A one-shot wait to the nanosecond for the game loop's tick deadlines. QTimer waits whole
// milliseconds, so its ticks wander by up to half of one either way; a Linux timerfd,
// watched by the event loop like a socket, wakes within a few microseconds of the deadline;
// on Windows a waitable timer does the same. Where neither can be made, a precise QTimer
// stands in.
class PreciseWait : public QObject {
    Q_OBJECT
public:
    explicit PreciseWait(QObject* parent = nullptr);
    ~PreciseWait() override;

    // Fires timeout() once, after ns nanoseconds (at once for ns <= 0); a running wait is replaced.
    void Start(qint64 ns);
    void Stop();
    bool IsActive() const { return active_; }

signals:
    void timeout();

private:
    void Fired();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    void* handle_ = nullptr; // Windows: the waitable timer
    QWinEventNotifier* winNotifier_ = nullptr;
    QTimer fallback_;
    bool active_ = false;
};
