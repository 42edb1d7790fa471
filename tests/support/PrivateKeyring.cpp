#include "PrivateKeyring.h"

#include "support/Waiting.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>

bool PrivateKeyring::start()
{
    const QString data = m_home.filePath(QStringLiteral("data"));
    const QString runtime = m_home.filePath(QStringLiteral("runtime"));
    if (!QDir().mkpath(data) || !QDir().mkpath(runtime))
        return false;
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    m_daemon.setProcessEnvironment(environment);
    // The password on standard input creates the login keyring and unlocks it.
    m_daemon.start(QStringLiteral("gnome-keyring-daemon"),
                   {QStringLiteral("--foreground"), QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
    if (!m_daemon.waitForStarted(5000))
        return false;
    m_daemon.write("test-keyring-password");
    m_daemon.closeWriteChannel();
    return waitUntil([] {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets")).value();
    }, 10000);
}

PrivateKeyring::~PrivateKeyring()
{
    m_daemon.terminate();
    m_daemon.waitForFinished(3000);
}
