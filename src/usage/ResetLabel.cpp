#include "ResetLabel.h"

#include "usage/RelativeTimeFormatter.h"

ResetPhrases::ResetPhrases(QString localeName)
    : m_localeName(std::move(localeName))
{
}

ResetPhrases::~ResetPhrases() = default;

QString ResetPhrases::phrase(const QDateTime &resetAt, const QString &prefix, const QDateTime &now) const
{
    if (!m_formatter)
        m_formatter = std::make_unique<RelativeTimeFormatter>(m_localeName);
    return prefix + QLatin1Char(' ') + m_formatter->phrase(resetAt, now);
}

QString ResetPhrases::prefix(LimitWindow::Kind kind)
{
    switch (kind) {
    case LimitWindow::Kind::session:
        return QStringLiteral("Session resets");
    case LimitWindow::Kind::weekly:
        return QStringLiteral("Weekly resets");
    case LimitWindow::Kind::otherLength:
    case LimitWindow::Kind::extra:
        break;
    }
    return QStringLiteral("resets");
}
