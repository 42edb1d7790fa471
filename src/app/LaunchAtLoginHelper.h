#pragma once

class LoginItems;

// Registers or unregisters the application as a login item; a failure prints one line.
namespace LaunchAtLoginHelper {
void setEnabled(LoginItems &loginItems, bool enabled);
}
