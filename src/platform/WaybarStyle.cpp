#include "WaybarStyle.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace WaybarStyle {
namespace {

// The last background set by a rule whose selectors include `selector` itself.
std::optional<quint32> background(const QString &css, const QString &selector)
{
    static const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^{}]*)\\}"));
    static const QRegularExpression declaration(QStringLiteral("background(?:-color)?\\s*:\\s*([^;]+)"));
    std::optional<quint32> found;
    for (const QRegularExpressionMatch &match : rule.globalMatch(css)) {
        const QStringList selectors = match.captured(1).split(QLatin1Char(','));
        if (std::none_of(selectors.begin(), selectors.end(),
                         [&](const QString &s) { return s.simplified() == selector; }))
            continue;
        for (const QRegularExpressionMatch &value : declaration.globalMatch(match.captured(2))) {
            found = colour(value.captured(1));
        }
    }
    return found;
}

} // namespace

std::optional<quint32> trayBackground(const QString &css)
{
    static const QRegularExpression comments(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression statements(QStringLiteral("@[^{};]*;")); // @import and the like
    const QString plain = QString(css).remove(comments).remove(statements);
    if (const std::optional<quint32> tray = background(plain, QStringLiteral("#tray")))
        return tray;
    return background(plain, QStringLiteral("window#waybar"));
}

QStringList imports(const QString &css)
{
    static const QRegularExpression rule(
        QStringLiteral("@import\\s+(?:url\\(\\s*)?[\"']([^\"']+)[\"']"));
    QStringList files;
    for (const QRegularExpressionMatch &match : rule.globalMatch(css))
        files.append(match.captured(1));
    return files;
}

std::optional<quint32> colour(const QString &value)
{
    static const QRegularExpression hex(QStringLiteral("^#([0-9a-fA-F]{3}|[0-9a-fA-F]{6})$"));
    static const QRegularExpression rgb(
        QStringLiteral("^rgba?\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*(?:,\\s*([\\d.]+)\\s*)?\\)$"));
    const QString text = value.trimmed().remove(QStringLiteral("!important")).trimmed();
    if (const QRegularExpressionMatch match = hex.match(text); match.hasMatch()) {
        QString digits = match.captured(1);
        if (digits.size() == 3)
            digits = QString(digits[0]) + digits[0] + digits[1] + digits[1] + digits[2] + digits[2];
        return digits.toUInt(nullptr, 16);
    }
    if (const QRegularExpressionMatch match = rgb.match(text); match.hasMatch()) {
        if (!match.captured(4).isEmpty() && match.captured(4).toDouble() < 0.5)
            return std::nullopt; // mostly see-through: what shows is behind the bar
        const auto channel = [&](int i) { return quint32(std::min(255, match.captured(i).toInt())); };
        return channel(1) << 16 | channel(2) << 8 | channel(3);
    }
    return std::nullopt;
}

} // namespace WaybarStyle
