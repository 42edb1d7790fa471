#pragma once

#include <QString>

class LoginItems;

// Registers or unregisters the application as a login item; a failure prints one line.
namespace LaunchAtLoginHelper {
void setEnabled(LoginItems &loginItems, bool enabled);

// The program a login entry starts: `installed` when that is the file running, so the entry
// survives package upgrades; otherwise the running file itself (a build tree, a copy elsewhere).
QString programPath(const QString &running, const QString &installed);
// The command that started this program: the name it was given when that is an absolute path
// (the quotabar command passes its own), otherwise this program's file.
QString command();
}
