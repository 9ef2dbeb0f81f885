// Timers sharing one 16 ms scheduler; ticks come in rounds of the platform's resolution.
#include "ui/toolkit/timer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace fourbar::ui {

// One per application: a single QTimer that runs only while some Timer is ticking. Time is counted
// in rounds of 16 ms, so a late round delays the ticks instead of bunching them.
class TimerScheduler : public QObject {
  public:
    static TimerScheduler* instance() {
        if (!scheduler_) {
            scheduler_ = new TimerScheduler(QCoreApplication::instance());
        }
        return scheduler_;
    }
    // Null once the application has gone.
    static TimerScheduler* existing() { return scheduler_; }

    void schedule(Timer* timer) {
        setDue(timer);
        timer->restartSerial_ = ++serial_;
        if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end()) {
            timers_.push_back(timer);
        }
        if (!clock_.isActive()) {
            clock_.start();
        }
    }

    void unschedule(Timer* timer) {
        timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
        if (timers_.empty()) {
            clock_.stop();
        }
    }

  private:
    explicit TimerScheduler(QObject* parent) : QObject(parent), clock_(this) {
        clock_.setInterval(Timer::kResolutionMs);
        clock_.setTimerType(Qt::PreciseTimer);
        connect(&clock_, &QTimer::timeout, this, &TimerScheduler::onClockTimeout);
    }

    // The interval rounded up to whole rounds: 1 ms waits one round, 17 ms two.
    void setDue(Timer* timer) const {
        timer->dueAt_ =
            round_ + (timer->interval_ + Timer::kResolutionMs - 1) / Timer::kResolutionMs;
    }

    void onClockTimeout() {
        ++round_;
        std::vector<Timer*> due;
        for (Timer* timer : timers_) {
            if (timer->dueAt_ <= round_) {
                due.push_back(timer);
            }
        }
        // The most recently restarted first.
        std::sort(due.begin(), due.end(), [](const Timer* a, const Timer* b) {
            return a->restartSerial_ > b->restartSerial_;
        });
        std::vector<QPointer<Timer>> order(due.begin(), due.end());
        for (const QPointer<Timer>& timer : order) {
            // A tick may delete, stop or restart the timers after it; a restarted one waits.
            if (!timer || !timer->isTicking() || timer->dueAt_ > round_) {
                continue;
            }
            setDue(timer);
            emit timer->tick();
        }
    }

    QTimer clock_;
    std::vector<Timer*> timers_;  // the ticking timers
    qint64 round_ = 0;
    quint64 serial_ = 0;
    static inline QPointer<TimerScheduler> scheduler_;
};

Timer::Timer(QObject* parent) : QObject(parent) {
    Q_ASSERT(parent != nullptr);
}

Timer::~Timer() {
    if (TimerScheduler* scheduler = TimerScheduler::existing()) {
        scheduler->unschedule(this);
    }
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

bool Timer::isEnabled() const {
    return enabled_;
}

void Timer::setInterval(int milliseconds) {
    interval_ = std::max(milliseconds, 0);
    restart();
}

int Timer::interval() const {
    return interval_;
}

bool Timer::isTicking() const {
    return enabled_ && interval_ > 0;
}

void Timer::restart() {
    if (isTicking()) {
        TimerScheduler::instance()->schedule(this);
    } else if (TimerScheduler* scheduler = TimerScheduler::existing()) {
        scheduler->unschedule(this);
    }
}

}  // namespace fourbar::ui
