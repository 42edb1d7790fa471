#include "XfcePanelConfig.h"

#include <QFile>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace XfcePanelConfig {

namespace {

// The channel's properties, each as its attributes. Xfconf 4.20 writes "XML 1.1", which the reader
// refuses, though the files use nothing 1.0 lacks.
template<typename Visit>
void forEachProperty(QByteArray channel, Visit visit)
{
    channel.replace("<?xml version=\"1.1\"", "<?xml version=\"1.0\"");
    QXmlStreamReader xml(channel);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("property")
            && !visit(xml.attributes()))
            return;
    }
}

} // namespace

PanelHost::XfceTray trayIn(const QByteArray &channel)
{
    // Plugins are properties "plugin-N" of type string whose value is the plugin's name.
    bool systray = false;
    bool sntray = false;
    forEachProperty(channel, [&](const QXmlStreamAttributes &attributes) {
        if (attributes.value(QLatin1String("name")).startsWith(QLatin1String("plugin-"))) {
            const auto plugin = attributes.value(QLatin1String("value"));
            systray = systray || plugin == QLatin1String("systray");
            sntray = sntray || plugin == QLatin1String("sntray");
        }
        return !systray;
    });
    return sntray && !systray ? PanelHost::XfceTray::sntray : PanelHost::XfceTray::systray;
}

QByteArray channel(const QString &configHome, const QStringList &configDirs)
{
    const QString name = QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml");
    QStringList candidates{configHome + name};
    for (const QString &dir : configDirs)
        candidates << dir + name;
    for (const QString &dir : configDirs)
        candidates << dir + QStringLiteral("/xfce4/panel/default.xml");
    for (const QString &path : std::as_const(candidates)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    return {};
}

PanelHost::XfceTray tray(const QString &configHome, const QStringList &configDirs)
{
    return trayIn(channel(configHome, configDirs));
}

std::optional<PanelShade::Shade> shadeIn(const QByteArray &channel)
{
    bool dark = false;
    forEachProperty(channel, [&](const QXmlStreamAttributes &attributes) {
        dark = attributes.value(QLatin1String("name")) == QLatin1String("dark-mode")
            && attributes.value(QLatin1String("value")) == QLatin1String("true");
        return !dark;
    });
    return dark ? std::optional(PanelShade::Shade::dark) : std::nullopt;
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
