#include "SingleInstance.h"

#include <QDir>

#include <unistd.h>

namespace {

// The session's runtime folder, emptied at logout; without one, a name of this user's own in the
// temporary folder, so that one user's lock never stops another's program.
QString defaultLockPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QStringLiteral("/quotabar.lock");
    return QDir::tempPath() + QStringLiteral("/quotabar-%1.lock").arg(getuid());
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
