#pragma once

#include "browser/BrowserCookie.h"

#include <QByteArray>

// Reads the cookies of some hosts from a browser's cookie database without touching it: the
// database and its -wal and -shm files are copied into a private temporary folder (0700), the copy
// is read through Qt's SQLite driver, and the folder is deleted before the call returns.
namespace CookieDatabase {

struct Row
{
    QString host;
    QString name;
    QByteArray value;          // Firefox's value, or a Chromium value stored unencrypted
    QByteArray encryptedValue; // Chromium: "v10" or "v11" and the encrypted bytes
    std::optional<QDateTime> expires; // absent: a session cookie
    QString jar;               // cookies of one jar belong together (Firefox's containers)
};

struct Read
{
    std::vector<Row> rows;
    std::optional<QString> error; // why the database could not be read
};

// The rows whose host is one of `hosts`. `scratch` is the folder the private copy is made in
// (empty: CookieScratch::defaultBase()).
Read read(const BrowserProfile &profile, const QStringList &hosts, const QString &scratch = {});

} // namespace CookieDatabase
