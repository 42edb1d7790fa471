#pragma once

#include "browser/BrowserCookie.h"

// Finds the cookie databases of the Firefox family (through profiles.ini) and the Chromium family
// (through Local State) under a home folder, including their Flatpak and Snap installs. It only
// reads the small index files; the databases themselves are left alone.
namespace BrowserProfiles {

struct Home
{
    QString home;       // $HOME
    QString configHome; // $XDG_CONFIG_HOME, or $HOME/.config

    static Home fromEnvironment();
};

// The browsers the command line accepts, in the order lists show them.
QStringList browserIds();

// Every profile with a cookie database, each once (a folder reached by two paths counts once).
std::vector<BrowserProfile> find(const Home &home);

} // namespace BrowserProfiles
