#include "WallClockMonitor.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

// A real-time timer set for the far future with TFD_TIMER_CANCEL_ON_SET never expires; the
// kernel cancels it whenever the real-time clock is set, which is exactly the event wanted.
WallClockMonitor::WallClockMonitor(QObject *parent)
    : QObject(parent)
    , m_fd(::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (m_fd < 0 || !arm())
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &WallClockMonitor::fired);
}

WallClockMonitor::~WallClockMonitor()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool WallClockMonitor::arm()
{
    itimerspec farFuture{};
    farFuture.it_value.tv_sec = INT32_MAX;
    return ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &farFuture, nullptr) == 0;
}

void WallClockMonitor::fired()
{
    std::uint64_t expirations = 0;
    if (::read(m_fd, &expirations, sizeof expirations) < 0 && errno != ECANCELED)
        return;
    arm();
    emit changed();
}
