#pragma once

#include "platform/PanelHost.h"

#include <QByteArray>
#include <QStringList>

// Which tray plugin Xfce's panel runs, read from its settings (xfconf's xfce4-panel channel).
namespace XfcePanelConfig {

// The plugin that hosts the items in a channel file's text: sntray only when the panel has it and
// not the systray plugin (which also hosts them); systray otherwise, as in Xfce's default panel.
PanelHost::XfceTray trayIn(const QByteArray &channel);

// The same from the first of the files the panel reads its settings from: the user's channel, then
// the system's, then the panel's default layout. `configDirs` is XDG_CONFIG_DIRS's list.
PanelHost::XfceTray tray(const QString &configHome, const QStringList &configDirs);

// The host of this session: the desktop, and on Xfce the tray plugin its panel runs.
PanelHost sessionHost(const QString &currentDesktop);

}
