#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What Waybar's style sheet says about the colour behind its tray.
namespace WaybarStyle {

// The background of the tray module (`#tray`), or of the bar (`window#waybar`) where the tray sets
// none, as 0xRRGGBB; nothing when neither is a colour read here (#rgb, #rrggbb, rgb(), rgba()).
std::optional<quint32> trayBackground(const QString &css);

// The files a style sheet pulls in with `@import`, in order, as written (relative paths unresolved).
QStringList imports(const QString &css);

// A CSS colour value as 0xRRGGBB; nothing for other forms and for transparent ones.
std::optional<quint32> colour(const QString &value);

} // namespace WaybarStyle
