#include "controls/timer.h"

#include <QSocketNotifier>

#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace controls {

namespace {

itimerspec periodOf(int milliseconds) {
    const timespec period{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    return itimerspec{period, period};
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

// Arms the timer afresh (a full interval until the first tick) or disarms it.
void Timer::apply() {
    ticking_ = enabled_ && interval_ > 0 && descriptor_ >= 0;
    const itimerspec schedule = ticking_ ? periodOf(interval_) : itimerspec{};
    timerfd_settime(descriptor_, 0, &schedule, nullptr);
    if (notifier_) {
        notifier_->setEnabled(ticking_);
    }
}

// However many periods have passed, the tick comes once.
void Timer::expired() {
    std::uint64_t expirations = 0;
    if (::read(descriptor_, &expirations, sizeof expirations) != sizeof expirations || !ticking_) {
        return;
    }
    Q_EMIT tick();
}

} // namespace controls
