#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace controls {

// A timer control: while enabled and with an interval above 0 it ticks once per interval.
// Setting the interval of a running timer starts its count afresh. Ticks follow a fixed schedule
// kept by the system (a periodic timerfd), so short intervals do not drift by the time spent in
// each tick; a tick that comes late is delivered once, never made up for.
//
// A timer given slack may tick up to that much after a tick is due: with the first tick of
// another timer meanwhile, so that the program wakes once for both, or at the end of the slack.
// Its schedule stays that of its interval.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent);
    ~Timer() override;

    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    void setSlack(int milliseconds);

Q_SIGNALS:
    void tick();

private:
    void apply();
    static void watchDescriptors();
    void expired();
    void passDue(qint64 now);
    void tickEarly(qint64 now);

    int descriptor_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    int interval_ = 0;
    int slack_ = 0;
    qint64 due_ = 0; // when the next tick is due, on the monotonic clock in nanoseconds
    bool enabled_ = false;
    bool ticking_ = false;
};

} // namespace controls
