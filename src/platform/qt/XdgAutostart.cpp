#include "XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Quotes a path for the Exec key of a desktop entry.
QString execArgument(const QString &path)
{
    QString quoted = path;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\\\\\"));
    for (const char *special : {"\"", "`", "$"})
        quoted.replace(QLatin1String(special), QLatin1String("\\\\") + QLatin1String(special));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

XdgAutostart::XdgAutostart(QString executablePath, QString autostartFolder)
    : m_executablePath(std::move(executablePath))
    , m_folder(autostartFolder.isEmpty()
                   ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart")
                   : std::move(autostartFolder))
{
}

QString XdgAutostart::entryPath() const
{
    return m_folder + QStringLiteral("/app.quotabar.Quotabar.desktop");
}

std::optional<QString> XdgAutostart::registerApplication()
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("Cannot create the folder %1").arg(m_folder);
    QSaveFile entry(entryPath());
    if (!entry.open(QIODevice::WriteOnly))
        return entry.errorString();
    const QString content = QStringLiteral("[Desktop Entry]\n"
                                           "Type=Application\n"
                                           "Name=Quotabar\n"
                                           "Comment=Claude and ChatGPT usage limits in the panel\n"
                                           "Exec=%1\n"
                                           "Icon=app.quotabar.Quotabar\n"
                                           "Terminal=false\n"
                                           "X-GNOME-Autostart-enabled=true\n")
                                .arg(execArgument(m_executablePath));
    entry.write(content.toUtf8());
    if (!entry.commit())
        return entry.errorString();
    return std::nullopt;
}

std::optional<QString> XdgAutostart::unregisterApplication()
{
    QFile entry(entryPath());
    if (entry.exists() && !entry.remove())
        return entry.errorString();
    return std::nullopt;
}
