#pragma once

#include "platform/PanelHost.h"
#include "platform/PanelShade.h"

#include <QByteArray>
#include <QStringList>

// Which tray plugin Xfce's panel runs and how it is shaded, read from its settings (xfconf's
// xfce4-panel channel).
namespace XfcePanelConfig {

// The plugin that hosts the items in a channel file's text: sntray only when the panel has it and
// not the systray plugin (which also hosts them); systray otherwise, as in Xfce's default panel.
PanelHost::XfceTray trayIn(const QByteArray &channel);

// The first of the files the panel reads its settings from: the user's channel, then the system's,
// then the panel's default layout; empty when there is none. `configDirs` is XDG_CONFIG_DIRS's list.
QByteArray channel(const QString &configHome, const QStringList &configDirs);

// The tray plugin in the panel's settings; systray when there are none.
PanelHost::XfceTray tray(const QString &configHome, const QStringList &configDirs);

// Dark when a panel has "dark-mode" on (Xfce 4.18 and 4.20's default panel: the theme's dark variant
// whatever the theme), or nothing: the panel follows the theme.
std::optional<PanelShade::Shade> shadeIn(const QByteArray &channel);

// The host of this session: the desktop, and on Xfce the tray plugin its panel runs.
PanelHost sessionHost(const QString &currentDesktop);

}
