#pragma once

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

// The private folders an import copies a browser's cookie database into. Each is named after the
// process that made it, so that the next start can remove what a crash left behind without
// touching an import that another running Quotabar has under way.
namespace CookieScratch {

// $XDG_RUNTIME_DIR (the user's own, usually in memory), else the system's temporary folder.
QString defaultBase();

// A new folder under `base` that only this user can enter (0700); it goes with the object.
QTemporaryDir create(const QString &base);

// Removes this user's folders under `base` whose process has ended, or that are older than any
// import lasts (a process id used again). Only names create() gives are looked at; links and
// other people's folders are left alone. Returns how many were removed.
int removeLeftovers(const QString &base, const QDateTime &now);

} // namespace CookieScratch
