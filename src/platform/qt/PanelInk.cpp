#include "PanelInk.h"

#include "platform/qt/SemanticColors.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {

bool hasDesktop(const QString &currentDesktop, const QString &name)
{
    return currentDesktop.split(QLatin1Char(':')).contains(name, Qt::CaseInsensitive);
}

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
    static const QRegularExpression theme(
        QStringLiteral("<property name=\"ThemeName\" type=\"string\" value=\"([^\"]*)\""));
    return theme.match(QString::fromUtf8(file.readAll())).captured(1);
}

} // namespace

PanelInk::PanelInk(QString currentDesktop, QString configHome, QObject *parent)
    : QObject(parent)
    , m_currentDesktop(std::move(currentDesktop))
    , m_configHome(std::move(configHome))
    , m_budgie(hasDesktop(m_currentDesktop, QStringLiteral("Budgie")))
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
            m_configHome + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xsettings.xml")};
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

PanelInk::Hints PanelInk::read() const
{
    Hints hints;
    PanelShade::Hints &shade = hints.shade;
    shade.currentDesktop = m_currentDesktop;
    shade.panelSetting = m_budgie.shade();
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
    hints.paletteText = SemanticColors::label(QGuiApplication::palette());
    return hints;
}

QColor PanelInk::choose(const Hints &hints)
{
    // Plasma's panel is drawn in the colour scheme's window colours.
    if (hasDesktop(hints.shade.currentDesktop, QStringLiteral("KDE")))
        return hints.kdeWindowText.value_or(darkInk);
    const std::optional<PanelShade::Shade> shade = PanelShade::decide(hints.shade);
    if (!shade)
        return hints.paletteText;
    return *shade == PanelShade::Shade::dark ? lightInk : darkInk;
}
