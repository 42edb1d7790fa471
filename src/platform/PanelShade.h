#pragma once

#include <QString>

#include <optional>

// Whether the panel is drawn light or dark, decided from what the desktop tells about it.
namespace PanelShade {

enum class Shade { light, dark };
// The desktop portal's org.freedesktop.appearance color-scheme.
enum class ColorScheme { noPreference = 0, preferDark = 1, preferLight = 2 };

struct Hints
{
    QString currentDesktop;                 // XDG_CURRENT_DESKTOP
    std::optional<Shade> panelSetting;      // the panel's own choice, where it has one (Budgie's built-in theme)
    QString xsettingsTheme;                 // Net/ThemeName of the running XSETTINGS manager
    QString gtkTheme;                       // GTK_THEME, or the theme in the desktop's settings files
    bool gtkPrefersDark = false;            // gtk-application-prefer-dark-theme
    std::optional<ColorScheme> colorScheme; // the desktop portal's, once it answered
};

// The shade from the first source that tells, or nothing when none does.
std::optional<Shade> decide(const Hints &hints);

// The WCAG contrast ratio of two colours (0xRRGGBB), from 1 to 21.
double contrast(quint32 a, quint32 b);
// The ink for a known background: of the two given, the one that contrasts more; where neither
// reaches 4.5:1, black or white, whichever contrasts more.
quint32 inkOn(quint32 background, quint32 lightInk, quint32 darkInk);

// Whether XDG_CURRENT_DESKTOP names the desktop (it may name several, separated by colons).
bool hasDesktop(const QString &currentDesktop, const char *name);
// Whether the desktop's usual bar is Waybar (sway and the compositors like it).
bool usualBarIsWaybar(const QString &currentDesktop);

// Whether a GTK theme of this name draws dark.
bool isDarkTheme(const QString &themeName);

} // namespace PanelShade
