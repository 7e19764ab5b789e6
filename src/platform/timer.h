#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// A timer control: while enabled and with an interval above 0 it ticks once per interval.
// Setting the interval of a running timer starts its count afresh.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent);

    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    bool isTicking() const { return timer_.isActive(); }

Q_SIGNALS:
    void tick();

private:
    void apply();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

} // namespace platform
