#include "PanelShade.h"

#include <QStringList>

#include <cmath>

namespace PanelShade {
namespace {

// The theme the panel itself is drawn with: the live one first, then the configured one.
QString panelTheme(const Hints &hints)
{
    return hints.xsettingsTheme.isEmpty() ? hints.gtkTheme : hints.xsettingsTheme;
}

std::optional<Shade> darkIf(bool dark)
{
    return dark ? std::optional(Shade::dark) : std::nullopt;
}

using Row = std::optional<Shade> (*)(const Hints &);

// Read top to bottom; the first row that tells decides.
constexpr Row rows[] = {
    // The panel's own setting.
    [](const Hints &h) { return h.panelSetting; },
    // A shell whose bar is dark whatever the theme. Budgie names GNOME too, but its panel follows the theme.
    [](const Hints &h) {
        const QString &desktop = h.currentDesktop;
        return darkIf(!hasDesktop(desktop, "Budgie")
                      && (hasDesktop(desktop, "GNOME") || hasDesktop(desktop, "Unity") || hasDesktop(desktop, "Pantheon")));
    },
    // The panel's theme, by name.
    [](const Hints &h) { return darkIf(isDarkTheme(panelTheme(h))); },
    [](const Hints &h) { return darkIf(h.gtkPrefersDark); },
    [](const Hints &h) { return panelTheme(h).isEmpty() ? std::nullopt : std::optional(Shade::light); },
    // The portal's colour scheme, where no theme is named.
    [](const Hints &h) -> std::optional<Shade> {
        if (h.colorScheme == ColorScheme::preferDark)
            return Shade::dark;
        if (h.colorScheme == ColorScheme::preferLight)
            return Shade::light;
        return std::nullopt;
    },
    // Compositors whose usual bar, Waybar, is dark in its default style.
    [](const Hints &h) { return darkIf(usualBarIsWaybar(h.currentDesktop)); },
};

} // namespace

double contrast(quint32 a, quint32 b)
{
    const auto luminance = [](quint32 rgb) {
        const auto linear = [](quint32 channel) {
            const double v = (channel & 0xFF) / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(rgb >> 16) + 0.7152 * linear(rgb >> 8) + 0.0722 * linear(rgb);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

quint32 inkOn(quint32 background, quint32 lightInk, quint32 darkInk)
{
    constexpr double readable = 4.5;
    const quint32 better = contrast(background, lightInk) >= contrast(background, darkInk) ? lightInk : darkInk;
    if (contrast(background, better) >= readable)
        return better;
    return contrast(background, 0xFFFFFF) >= contrast(background, 0x000000) ? 0xFFFFFF : 0x000000;
}

bool hasDesktop(const QString &currentDesktop, const char *name)
{
    return currentDesktop.split(QLatin1Char(':')).contains(QLatin1String(name), Qt::CaseInsensitive);
}

bool usualBarIsWaybar(const QString &currentDesktop)
{
    return hasDesktop(currentDesktop, "sway") || hasDesktop(currentDesktop, "Hyprland") || hasDesktop(currentDesktop, "river");
}

bool isDarkTheme(const QString &themeName)
{
    // Dark themes whose names do not say so.
    static const QStringList darkNames{QStringLiteral("BlackMATE"), QStringLiteral("HighContrastInverse"),
                                       QStringLiteral("ContrastHighInverse")};
    return themeName.contains(QLatin1String("dark"), Qt::CaseInsensitive)
        || darkNames.contains(themeName, Qt::CaseInsensitive);
}

std::optional<Shade> decide(const Hints &hints)
{
    for (const Row &row : rows) {
        if (const std::optional<Shade> shade = row(hints))
            return shade;
    }
    return std::nullopt;
}

} // namespace PanelShade
