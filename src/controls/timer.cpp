#include "controls/timer.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>
#include <vector>

namespace controls {

namespace {

constexpr qint64 nanosecondsPerMillisecond = 1000000;
constexpr qint64 nanosecondsPerSecond = 1000000000;

std::vector<Timer*> timersWithSlack; // all on the user-interface thread

timespec timespecOf(qint64 nanoseconds) {
    return {static_cast<time_t>(nanoseconds / nanosecondsPerSecond),
            static_cast<long>(nanoseconds % nanosecondsPerSecond)};
}

qint64 monotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * nanosecondsPerSecond + now.tv_nsec;
}

} // namespace

Timer::Timer(QObject* parent)
    : QObject(parent) {
    descriptor_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (descriptor_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(descriptor_, QSocketNotifier::Read);
        notifier_->setEnabled(false);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &Timer::expired);
    }
}

Timer::~Timer() {
    std::erase(timersWithSlack, this);
    notifier_.reset();
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    apply();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    apply();
}

void Timer::setSlack(int milliseconds) {
    slack_ = milliseconds;
    std::erase(timersWithSlack, this);
    if (slack_ > 0) {
        timersWithSlack.push_back(this);
    }
    apply();
}

// Arms the timer afresh (a full interval until the first tick) or disarms it. The system wakes
// the program at the end of each tick's slack.
void Timer::apply() {
    ticking_ = enabled_ && interval_ > 0 && descriptor_ >= 0;
    due_ = monotonicNow() + interval_ * nanosecondsPerMillisecond;
    const timespec period = timespecOf(interval_ * nanosecondsPerMillisecond);
    const itimerspec schedule =
        ticking_ ? itimerspec{period, timespecOf((interval_ + slack_) * nanosecondsPerMillisecond)}
                 : itimerspec{};
    timerfd_settime(descriptor_, 0, &schedule, nullptr);
    if (notifier_) {
        notifier_->setEnabled(ticking_);
    }
}

// However many periods have passed, the tick comes once; the timers with slack that are due tick
// with it.
void Timer::expired() {
    std::uint64_t expirations = 0;
    if (::read(descriptor_, &expirations, sizeof expirations) != sizeof expirations || !ticking_) {
        return;
    }
    const qint64 now = monotonicNow();
    passDue(now);
    Q_EMIT tick();
    for (std::size_t i = 0; i < timersWithSlack.size(); ++i) { // a tick may end a timer
        Timer* other = timersWithSlack[i];
        if (other != this && other->ticking_ && other->due_ <= now) {
            other->tickEarly(now);
        }
    }
}

// The next tick is due a whole number of intervals after the one that was, later than now.
void Timer::passDue(qint64 now) {
    const qint64 interval = interval_ * nanosecondsPerMillisecond;
    if (due_ <= now) {
        due_ += ((now - due_) / interval + 1) * interval;
    }
}

// A tick within its slack, with another timer's: the system's wake at the end of the slack moves
// to that of the next tick.
void Timer::tickEarly(qint64 now) {
    passDue(now);
    const itimerspec schedule{timespecOf(interval_ * nanosecondsPerMillisecond),
                              timespecOf(due_ + slack_ * nanosecondsPerMillisecond)};
    timerfd_settime(descriptor_, TFD_TIMER_ABSTIME, &schedule, nullptr);
    Q_EMIT tick();
}

} // namespace controls
