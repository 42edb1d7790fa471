#include "LaunchAtLoginHelper.h"

#include "platform/LoginItems.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace LaunchAtLoginHelper {

void setEnabled(LoginItems &loginItems, bool enabled)
{
    const std::optional<QString> error = enabled ? loginItems.registerApplication() : loginItems.unregisterApplication();
    if (error) {
        std::fputs(qPrintable(QStringLiteral("LaunchAtLogin error: %1\n").arg(*error)), stdout);
        std::fflush(stdout);
    }
}

QString command()
{
    const QString name = QCoreApplication::arguments().value(0);
    return QFileInfo(name).isAbsolute() && QFileInfo(name).isExecutable() ? name
                                                                           : QCoreApplication::applicationFilePath();
}

QString programPath(const QString &running, const QString &installed)
{
    const QString runningFile = QFileInfo(running).canonicalFilePath();
    const bool isInstalled = !runningFile.isEmpty() && runningFile == QFileInfo(installed).canonicalFilePath();
    return isInstalled ? installed : running;
}

}
