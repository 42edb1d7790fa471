#pragma once

#include "platform/OsRelease.h"

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

// The first build number, display version and package address in the feed's text. Of the packages
// listed together with the first one, the one built for `releaseTag` ("~deb13") is taken when there
// is one.
std::optional<UpdateInfo> parse(const QString &text, const QString &releaseTag = {});

// The tag in the names of packages built for this system ("~deb13" on Debian 13); empty when
// no package is built for it in particular.
QString releaseTag(const OsReleaseInfo &system);

// Decimal text with one optional sign to a signed 64-bit integer; absent when it does not fit.
std::optional<qint64> toInt64(const QString &text);

}
