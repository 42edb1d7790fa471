#include "ReaderGoneWatch.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/stat.h>

ReaderGoneWatch::ReaderGoneWatch(int fd, std::function<void()> onGone, QObject *parent)
    : QObject(parent)
    , m_onGone(std::move(onGone))
{
    struct stat status = {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &status) != 0 || !S_ISFIFO(status.st_mode) || flags < 0 || (flags & O_ACCMODE) != O_WRONLY)
        return;
    // Asked whether a writing end can be read, the kernel never says yes; it reports an error
    // condition, which the notifier passes on as readable, once the last reader has closed.
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        m_notifier->setEnabled(false);
        m_onGone();
    });
}
