#include "XfcePanelConfig.h"

#include <QFile>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace XfcePanelConfig {

PanelHost::XfceTray trayIn(const QByteArray &channel)
{
    // Plugins are properties "plugin-N" of type string whose value is the plugin's name.
    QXmlStreamReader xml(channel);
    bool sntray = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("property"))
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (!attributes.value(QLatin1String("name")).startsWith(QLatin1String("plugin-")))
            continue;
        const auto plugin = attributes.value(QLatin1String("value"));
        if (plugin == QLatin1String("systray"))
            return PanelHost::XfceTray::systray;
        sntray = sntray || plugin == QLatin1String("sntray");
    }
    return sntray ? PanelHost::XfceTray::sntray : PanelHost::XfceTray::systray;
}

PanelHost::XfceTray tray(const QString &configHome, const QStringList &configDirs)
{
    const QString channel = QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml");
    QStringList candidates{configHome + channel};
    for (const QString &dir : configDirs)
        candidates << dir + channel;
    for (const QString &dir : configDirs)
        candidates << dir + QStringLiteral("/xfce4/panel/default.xml");
    for (const QString &path : std::as_const(candidates)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return trayIn(file.readAll());
    }
    return PanelHost::XfceTray::systray;
}

PanelHost sessionHost(const QString &currentDesktop)
{
    PanelHost host{currentDesktop};
    if (host.isDesktop("XFCE")) {
        QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
        const QString home = dirs.isEmpty() ? QString() : dirs.takeFirst();
        host.xfceTray = tray(home, dirs);
    }
    return host;
}

}
