#pragma once

#include <QLockFile>
#include <QString>

// Holds the per-user lock that lets only one copy of the application run.
class SingleInstance
{
public:
    // `lockPath` defaults to quotabar.lock in the user's runtime folder. The lock file is removed
    // when this object ends.
    explicit SingleInstance(const QString &lockPath = {});

    // False when another running copy holds the lock.
    bool acquire();

private:
    QLockFile m_lock;
};
