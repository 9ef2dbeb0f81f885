// Timers with an enabled flag and an interval, ticking at the platform's 16 ms resolution.
#pragma once

#include <QObject>

namespace fourbar::ui {

// Setting the interval or enabling the timer restarts it. An interval of 0 means no ticks. Ticks
// come at multiples of 16 ms: an interval of 1 ms ticks about every 16 ms. When several timers fall
// due together, the one restarted last ticks first, and a timer restarted by another's tick in the
// same round waits for its own interval.
class Timer : public QObject {
    Q_OBJECT

  public:
    explicit Timer(QObject* parent);
    ~Timer() override;

    void setEnabled(bool enabled);
    bool isEnabled() const;
    void setInterval(int milliseconds);
    int interval() const;
    // True when enabled with an interval above 0.
    bool isTicking() const;

    static constexpr int kResolutionMs = 16;

  signals:
    void tick();

  private:
    friend class TimerScheduler;
    bool enabled_ = true;
    int interval_ = 0;
    qint64 dueAt_ = 0;           // scheduler round (16 ms each) of the next tick
    quint64 restartSerial_ = 0;  // larger: restarted more recently
    void restart();
};

}  // namespace fourbar::ui
