#include "PanelInk.h"

#include "platform/WaybarStyle.h"
#include "platform/linux/XfcePanelConfig.h"
#include "platform/qt/SemanticColors.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>

namespace {

std::optional<QColor> kdeWindowText(const QString &configHome)
{
    const QString path = configHome + QStringLiteral("/kdeglobals");
    if (!QFile::exists(path))
        return std::nullopt;
    const QSettings kdeglobals(path, QSettings::IniFormat);
    const QStringList rgb = kdeglobals.value(QStringLiteral("Colors:Window/ForegroundNormal")).toStringList();
    if (rgb.size() < 3)
        return std::nullopt;
    return QColor(rgb[0].trimmed().toInt(), rgb[1].trimmed().toInt(), rgb[2].trimmed().toInt());
}

QString xfceTheme(const QString &configHome)
{
    QFile file(configHome + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xsettings.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray settings = file.readAll();
    const QByteArray property = "<property name=\"ThemeName\" type=\"string\" value=\"";
    const qsizetype start = settings.indexOf(property);
    if (start < 0)
        return {};
    const qsizetype value = start + property.size();
    const qsizetype end = settings.indexOf('"', value);
    return end < 0 ? QString() : QString::fromUtf8(settings.mid(value, end - value));
}

// A style sheet with the sheets it imports put before it, as CSS orders their rules; nothing when the
// file cannot be read. Users often start from Waybar's own sheet with an @import.
std::optional<QString> styleSheet(const QString &path, int depth = 0)
{
    QFile file(path);
    if (depth > 4 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString own = QString::fromUtf8(file.readAll());
    QString whole;
    for (const QString &imported : WaybarStyle::imports(own)) {
        const QString resolved = QFileInfo(path).dir().absoluteFilePath(imported);
        whole += styleSheet(resolved, depth + 1).value_or(QString()) + QLatin1Char('\n');
    }
    return whole + own;
}

// Behind Waybar's tray, from the style sheet Waybar reads: the user's, else the system's.
std::optional<QColor> waybarTray(const QString &configHome)
{
    for (const QString &folder : QStringList{configHome} + QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const std::optional<QString> css = styleSheet(folder + QStringLiteral("/waybar/style.css"));
        if (!css)
            continue;
        const std::optional<quint32> rgb = WaybarStyle::trayBackground(*css);
        return rgb ? std::optional(QColor::fromRgb(*rgb)) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

PanelInk::PanelInk(QString currentDesktop, QString configHome, QStringList configDirs, QObject *parent)
    : QObject(parent)
    , m_currentDesktop(std::move(currentDesktop))
    , m_configHome(std::move(configHome))
    , m_configDirs(std::move(configDirs))
    , m_budgie(PanelShade::hasDesktop(m_currentDesktop, "Budgie"), QCoreApplication::applicationDirPath()) // plugins are beside the program
    , m_color(choose(read()))
{
    watch();
    // Settings files are written in place or replaced, so both they and their folders are watched.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &PanelInk::reload);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &PanelInk::reload);
    connect(&m_xsettings, &XSettingsWatch::changed, this, &PanelInk::reload);
    connect(&m_portal, &PortalColorScheme::changed, this, &PanelInk::reload);
    connect(&m_budgie, &BudgiePanelTheme::changed, this, &PanelInk::reload);
}

void PanelInk::watch()
{
    for (const QString &path : watchedFiles()) {
        const QFileInfo file(path);
        if (file.exists())
            m_watcher.addPath(path);
        if (file.dir().exists())
            m_watcher.addPath(file.absolutePath());
    }
}

QStringList PanelInk::watchedFiles() const
{
    return {m_configHome + QStringLiteral("/kdeglobals"), m_configHome + QStringLiteral("/gtk-3.0/settings.ini"),
            m_configHome + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xsettings.xml"),
            m_configHome + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml"),
            m_configHome + QStringLiteral("/waybar/style.css")};
}

void PanelInk::reload()
{
    watch(); // a replaced file is a new file to watch
    const QColor color = choose(read());
    if (color == m_color)
        return;
    m_color = color;
    emit changed();
}

QString PanelInk::defaultConfigHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QStringList PanelInk::defaultConfigDirs()
{
    return QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).mid(1);
}

PanelInk::Hints PanelInk::read() const
{
    Hints hints;
    PanelShade::Hints &shade = hints.shade;
    shade.currentDesktop = m_currentDesktop;
    shade.panelSetting = m_budgie.shade();
    if (PanelShade::hasDesktop(m_currentDesktop, "XFCE"))
        shade.panelSetting = XfcePanelConfig::shadeIn(XfcePanelConfig::channel(m_configHome, m_configDirs));
    if (m_xsettings.settings())
        shade.xsettingsTheme = m_xsettings.settings()->string(QStringLiteral("Net/ThemeName"));
    const QSettings gtk(m_configHome + QStringLiteral("/gtk-3.0/settings.ini"), QSettings::IniFormat);
    shade.gtkPrefersDark = gtk.value(QStringLiteral("Settings/gtk-application-prefer-dark-theme")).toBool();
    shade.gtkTheme = qEnvironmentVariable("GTK_THEME");
    if (shade.gtkTheme.isEmpty())
        shade.gtkTheme = xfceTheme(m_configHome);
    if (shade.gtkTheme.isEmpty())
        shade.gtkTheme = gtk.value(QStringLiteral("Settings/gtk-theme-name")).toString();
    shade.colorScheme = m_portal.value();
    hints.kdeWindowText = kdeWindowText(m_configHome);
    if (PanelShade::usualBarIsWaybar(m_currentDesktop))
        hints.barBackground = waybarTray(m_configHome);
    hints.paletteText = SemanticColors::label(QGuiApplication::palette());
    return hints;
}

QColor PanelInk::choose(const Hints &hints)
{
    // Plasma's panel is drawn in the colour scheme's window colours.
    if (PanelShade::hasDesktop(hints.shade.currentDesktop, "KDE"))
        return hints.kdeWindowText.value_or(darkInk);
    if (hints.barBackground)
        return QColor::fromRgb(PanelShade::inkOn(hints.barBackground->rgb() & 0xFFFFFF, lightInk.rgb() & 0xFFFFFF,
                                                 darkInk.rgb() & 0xFFFFFF));
    const std::optional<PanelShade::Shade> shade = PanelShade::decide(hints.shade);
    if (!shade)
        return hints.paletteText;
    return *shade == PanelShade::Shade::dark ? lightInk : darkInk;
}
