#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/quotabar.lock");
}

} // namespace

SingleInstance::SingleInstance(const QString &lockPath)
    : m_lock(lockPath.isEmpty() ? defaultLockPath() : lockPath)
{
    m_lock.setStaleLockTime(0); // a lock is stale only when its process is gone
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}
