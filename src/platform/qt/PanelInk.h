#pragma once

#include "platform/PanelShade.h"
#include "platform/linux/BudgiePanelTheme.h"
#include "platform/linux/PortalColorScheme.h"
#include "platform/linux/XSettingsWatch.h"

#include <QColor>
#include <QFileSystemWatcher>
#include <QObject>

#include <optional>

// The colour of text in the panel, chosen from what the desktop tells rather than from the
// application's own palette (GNOME's top bar is dark whatever the theme); follows theme changes.
class PanelInk final : public QObject
{
    Q_OBJECT
public:
    // What the desktop tells about its panel.
    struct Hints
    {
        PanelShade::Hints shade;
        std::optional<QColor> kdeWindowText;     // kdeglobals [Colors:Window] ForegroundNormal
        std::optional<QColor> barBackground;     // behind the items, where the bar's style sheet tells (Waybar)
        QColor paletteText;                      // the application's palette, when nothing else tells
    };

    static inline const QColor lightInk{0xF6, 0xF5, 0xF4};
    static inline const QColor darkInk{0x23, 0x26, 0x29};

    // `configHome` is where the desktops keep their settings (XDG_CONFIG_HOME), `configDirs` where the
    // system keeps its defaults (XDG_CONFIG_DIRS).
    PanelInk(QString currentDesktop, QString configHome = defaultConfigHome(),
             QStringList configDirs = defaultConfigDirs(), QObject *parent = nullptr);

    QColor color() const { return m_color; }
    static QColor choose(const Hints &hints);
    Hints read() const;

    static QString defaultConfigHome();
    static QStringList defaultConfigDirs();

signals:
    void changed();

private:
    void reload();
    void watch();
    QStringList watchedFiles() const;

    QString m_currentDesktop;
    QString m_configHome;
    QStringList m_configDirs;
    // The live sources come before the colour read from them.
    XSettingsWatch m_xsettings;
    PortalColorScheme m_portal;
    BudgiePanelTheme m_budgie;
    QColor m_color;
    QFileSystemWatcher m_watcher;
};
