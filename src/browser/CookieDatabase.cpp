#include "CookieDatabase.h"

#include "browser/CookieScratch.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QUuid>

namespace {

// Chromium counts microseconds from 1601-01-01 UTC.
constexpr qint64 chromiumEpochOffsetMicroseconds = 11644473600LL * 1000000LL;
// Firefox counted expiry in seconds and newer versions count it in milliseconds; no cookie of
// either lives past the year 5000 in seconds.
constexpr qint64 firstMillisecondsExpiry = 100000000000LL;

std::optional<QDateTime> firefoxExpiry(qint64 expiry)
{
    if (expiry <= 0)
        return std::nullopt;
    const qint64 ms = expiry >= firstMillisecondsExpiry ? expiry : expiry * 1000;
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
}

std::optional<QDateTime> chromiumExpiry(qint64 expiresUtc, bool hasExpires)
{
    if (!hasExpires || expiresUtc <= 0)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch((expiresUtc - chromiumEpochOffsetMicroseconds) / 1000, QTimeZone::utc());
}

QString placeholders(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks.append(QStringLiteral("?"));
    return marks.join(QLatin1Char(','));
}

CookieDatabase::Read query(QSqlDatabase &database, const BrowserProfile &profile, const QStringList &hosts)
{
    const bool firefox = profile.family == BrowserProfile::Family::firefox;
    const QString sql = firefox
        ? QStringLiteral("SELECT host, name, value, expiry, originAttributes FROM moz_cookies WHERE host IN (%1)")
        : QStringLiteral("SELECT host_key, name, value, encrypted_value, expires_utc, has_expires FROM cookies "
                         "WHERE host_key IN (%1)");
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(sql.arg(placeholders(hosts.size()))))
        return {{}, query.lastError().text()};
    for (const QString &host : hosts)
        query.addBindValue(host);
    if (!query.exec())
        return {{}, query.lastError().text()};
    CookieDatabase::Read read;
    while (query.next()) {
        CookieDatabase::Row row;
        row.host = query.value(0).toString();
        row.name = query.value(1).toString();
        if (firefox) {
            row.value = query.value(2).toString().toUtf8();
            row.expires = firefoxExpiry(query.value(3).toLongLong());
            row.jar = query.value(4).toString();
        } else {
            row.value = query.value(2).toString().toUtf8();
            row.encryptedValue = query.value(3).toByteArray();
            row.expires = chromiumExpiry(query.value(4).toLongLong(), query.value(5).toBool());
        }
        read.rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        return {{}, query.lastError().text()};
    return read;
}

} // namespace

namespace CookieDatabase {

Read read(const BrowserProfile &profile, const QStringList &hosts, const QString &scratch)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return {{},
                //: Ends "The cookies of … could not be read: …"
                QCoreApplication::translate("CookieDatabase", "Qt's SQLite driver is not installed")};
    // The folder is readable by this user alone, and goes with the copy when this call returns.
    const QTemporaryDir folder = CookieScratch::create(scratch.isEmpty() ? CookieScratch::defaultBase() : scratch);
    if (!folder.isValid())
        return {{},
                //: Ends "The cookies of … could not be read: …"; %1 is the system's reason
                QCoreApplication::translate("CookieDatabase", "no private temporary folder: %1").arg(folder.errorString())};

    const QString copy = folder.filePath(QFileInfo(profile.cookiesPath).fileName());
    // The database first, then its journal: a sign-in the browser has not yet moved out of the
    // write-ahead log is only there.
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString source = profile.cookiesPath + suffix;
        if (!suffix.isEmpty() && !QFileInfo::exists(source))
            continue;
        QFile original(source);
        if (!original.copy(copy + suffix))
            return {{},
                    //: Ends "The cookies of … could not be read: …"; %1 is a file, %2 the system's reason
                    QCoreApplication::translate("CookieDatabase", "cannot copy %1: %2").arg(source, original.errorString())};
    }

    const QString connection = QStringLiteral("quotabar-cookies-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    Read result;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(copy);
        if (!database.open())
            result.error = database.lastError().text();
        else
            result = query(database, profile, hosts);
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

} // namespace CookieDatabase
