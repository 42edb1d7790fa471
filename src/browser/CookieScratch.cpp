#include "CookieScratch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString prefix = QStringLiteral("quotabar-cookies-");
// An import holds its copy for seconds; one older than this was left by a process that ended,
// even if its process id now belongs to another program.
constexpr qint64 longestImportSeconds = 15 * 60;

bool isRunning(qint64 pid)
{
    // EPERM: a process of another user has that id now.
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// A real folder (not a link to one) that belongs to this user.
bool isOwnFolder(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode)
        && status.st_uid == ::getuid();
}

} // namespace

namespace CookieScratch {

QString defaultBase()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}

QTemporaryDir create(const QString &base)
{
    return QTemporaryDir(QDir(base).filePath(QStringLiteral("%1%2-XXXXXX").arg(prefix).arg(QCoreApplication::applicationPid())));
}

int removeLeftovers(const QString &base, const QDateTime &now)
{
    static const QRegularExpression name(QRegularExpression::anchoredPattern(QRegularExpression::escape(prefix)
                                                                             + QStringLiteral("(\\d{1,10})-\\w+")));
    int removed = 0;
    const QDir folder(base);
    const QStringList entries = folder.entryList({prefix + QLatin1Char('*')}, QDir::AllEntries | QDir::System | QDir::Hidden);
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = name.match(entry);
        const QString path = folder.filePath(entry);
        if (!match.hasMatch() || !isOwnFolder(path))
            continue;
        const QDateTime made = QFileInfo(path).lastModified();
        if (isRunning(match.captured(1).toLongLong()) && made.secsTo(now) < longestImportSeconds)
            continue;
        removed += QDir(path).removeRecursively() ? 1 : 0;
    }
    return removed;
}

} // namespace CookieScratch
