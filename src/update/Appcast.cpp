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

} // namespace

std::optional<qint64> toInt64(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<UpdateInfo> parse(const QString &feed)
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
    const std::optional<QString> address = firstMatch(download, text);
    if (!address)
        return std::nullopt;
    const QUrl downloadURL(*address, QUrl::StrictMode);
    // Only a download over TLS is offered: no plain http, no local files, no other handlers.
    if (!downloadURL.isValid() || downloadURL.scheme() != QLatin1String("https") || downloadURL.host().isEmpty())
        return std::nullopt;
    return UpdateInfo{*buildNumber, displayVersion, downloadURL};
}

}
