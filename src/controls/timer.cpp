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

std::vector<Timer*> timers; // all on the user-interface thread

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
    timers.push_back(this);
    descriptor_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (descriptor_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(descriptor_, QSocketNotifier::Read);
        notifier_->setEnabled(false);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &Timer::expired);
    }
}

Timer::~Timer() {
    std::erase(timers, this);
    watchDescriptors();
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
    watchDescriptors();
}

// The event loop looks at the descriptor of each ticking timer, but not at that of a timer with
// slack while another ticks at least as often as its slack: it ticks with that one.
void Timer::watchDescriptors() {
    for (Timer* timer : timers) {
        const bool carried =
            timer->slack_ > 0 &&
            std::any_of(timers.begin(), timers.end(), [timer](const Timer* other) {
                return other != timer && other->ticking_ && other->interval_ <= timer->slack_;
            });
        if (timer->notifier_) {
            timer->notifier_->setEnabled(timer->ticking_ && !carried);
        }
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
    for (std::size_t i = 0; i < timers.size(); ++i) { // a tick may end a timer
        Timer* other = timers[i];
        if (other != this && other->slack_ > 0 && other->ticking_ && other->due_ <= now) {
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
