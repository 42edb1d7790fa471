#include "Appcast.h"

#include <QRegularExpression>

#include <algorithm>

namespace Appcast {
namespace {

constexpr qsizetype maxVersionLength = 64;

std::optional<QString> firstMatch(const QRegularExpression &expression, const QString &text)
{
    const QRegularExpressionMatch match = expression.match(text);
    return match.hasMatch() ? std::optional(match.captured(0)) : std::nullopt;
}

// The download this platform installs: a disk image on macOS, a Debian package here.
#ifdef Q_OS_MACOS
constexpr const char *downloadPattern = R"((?<=url=")[^"]+\.dmg(?="))";
#else
constexpr const char *downloadPattern = R"((?<=url=")[^"]+\.deb(?="))";
#endif

// A character that would make a one-line title lie: a control or a formatting (bidi) character.
bool isHidden(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Other_Format || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

// True when the address names a package built for `releaseTag`: "~deb13" in its file name, with no
// further digit after it.
bool builtFor(const QString &address, const QString &releaseTag)
{
    const QString name = QUrl(address).fileName();
    const qsizetype at = name.indexOf(releaseTag);
    return at >= 0 && (at + releaseTag.size() == name.size() || !name[at + releaseTag.size()].isDigit());
}

// The first package address, or the one built for `releaseTag` among those listed with it in the same item.
std::optional<QString> packageAddress(const QRegularExpression &download, const QString &text, const QString &releaseTag)
{
    QRegularExpressionMatchIterator matches = download.globalMatch(text);
    if (!matches.hasNext())
        return std::nullopt;
    const QRegularExpressionMatch first = matches.next();
    if (releaseTag.isEmpty() || builtFor(first.captured(0), releaseTag))
        return first.captured(0);
    const qsizetype itemEnd = text.indexOf(QLatin1String("</item>"), first.capturedEnd(0));
    while (matches.hasNext()) {
        const QRegularExpressionMatch next = matches.next();
        if (itemEnd >= 0 && next.capturedStart(0) > itemEnd)
            break;
        if (builtFor(next.captured(0), releaseTag))
            return next.captured(0);
    }
    return first.captured(0);
}

} // namespace

QString releaseTag(const OsReleaseInfo &system)
{
    static const QRegularExpression major(QStringLiteral("^[0-9]+$"));
    if (system.id == QLatin1String("debian") && major.match(system.versionId).hasMatch())
        return QStringLiteral("~deb") + system.versionId;
    return {};
}

std::optional<qint64> toInt64(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<UpdateInfo> parse(const QString &feed, const QString &releaseTag)
{
    // What a comment holds is not part of the feed.
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString text = feed;
    text.remove(comment);

    // \d takes any decimal digit and only ASCII digits convert: a build written in other
    // digits makes the feed unreadable rather than letting a later entry count.
    static const QRegularExpression build(QStringLiteral(R"((?<=<sparkle:version>)\d+(?=</sparkle:version>))"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression version(
        QStringLiteral(R"((?<=<sparkle:shortVersionString>)[^<]+(?=</sparkle:shortVersionString>))"));
    static const QRegularExpression download(QString::fromLatin1(downloadPattern));

    const std::optional<QString> buildText = firstMatch(build, text);
    if (!buildText)
        return std::nullopt;
    const std::optional<qint64> buildNumber = toInt64(*buildText);
    if (!buildNumber)
        return std::nullopt;
    const QString displayVersion = firstMatch(version, text).value_or(*buildText);
    // The version stands in an alert's title: one short line or the feed is not trusted.
    if (displayVersion.size() > maxVersionLength || std::any_of(displayVersion.cbegin(), displayVersion.cend(), isHidden))
        return std::nullopt;
    const std::optional<QString> address = packageAddress(download, text, releaseTag);
    if (!address)
        return std::nullopt;
    const QUrl downloadURL(*address, QUrl::StrictMode);
    // Only a download over TLS is offered: no plain http, no local files, no other handlers.
    if (!downloadURL.isValid() || downloadURL.scheme() != QLatin1String("https") || downloadURL.host().isEmpty())
        return std::nullopt;
    return UpdateInfo{*buildNumber, displayVersion, downloadURL};
}

}
