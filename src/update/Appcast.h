#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The newest published build, as read from the appcast feed.
struct UpdateInfo
{
    qint64 build = 0;
    QString version;
    QUrl downloadURL; // the package for this platform
};

namespace Appcast {

// The first build number, display version and package address in the feed's text.
std::optional<UpdateInfo> parse(const QString &text);

// Decimal text with one optional sign to a signed 64-bit integer; absent when it does not fit.
std::optional<qint64> toInt64(const QString &text);

}
