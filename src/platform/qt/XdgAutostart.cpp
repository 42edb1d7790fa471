#include "XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Launchers read the Exec key differently where a path holds `%` (GLib looks for a file named
// with the doubled `%%`), `\` (systemd's autostart generator rejects the line) or a control
// character (a line break ends the key): no quoting serves them all.
bool isQuotable(const QString &path)
{
    return std::none_of(path.cbegin(), path.cend(), [](QChar c) {
        return c == QLatin1Char('%') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
    });
}

// Quotes a path for the Exec key of a desktop entry: inside double quotes `"`, `` ` `` and `$`
// take a backslash, which the key's own string escaping doubles.
QString execArgument(const QString &path)
{
    QString quoted = path;
    for (const char *special : {"\"", "`", "$"})
        quoted.replace(QLatin1String(special), QLatin1String("\\\\") + QLatin1String(special));
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
    if (!isQuotable(m_executablePath))
        return tr("The program's path holds %, \\ or a control character, which autostart entries "
                  "cannot start; move Quotabar to another folder");
    if (!QDir().mkpath(m_folder))
        return tr("Cannot create the folder %1").arg(m_folder);
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
