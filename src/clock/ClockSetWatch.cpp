#include "ClockSetWatch.h"

#include <cerrno>
#include <cstdint>
#include <limits>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

// A timer on the wall clock that never expires, made only to be cancelled: the kernel cancels such a
// timer whenever the wall clock is set, and again on a resume from suspend.
ClockSetWatch::ClockSetWatch(QObject *parent) : QObject(parent)
{
    fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0)
        return; // without it the clock still ticks; it learns of a set clock at its next tick
    notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &ClockSetWatch::answer);
    arm();
}

ClockSetWatch::~ClockSetWatch()
{
    notifier.reset();
    if (fd >= 0)
        close(fd);
}

void ClockSetWatch::arm()
{
    itimerspec never{};
    never.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2;
    if (timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) != 0)
        notifier->setEnabled(false);
}

void ClockSetWatch::answer()
{
    std::uint64_t expirations = 0;
    if (read(fd, &expirations, sizeof expirations) < 0 && errno != ECANCELED && errno != EAGAIN) {
        notifier->setEnabled(false);
        return;
    }
    arm(); // a cancelled timer stays cancelled until it is set again
    emit clockSet();
}
