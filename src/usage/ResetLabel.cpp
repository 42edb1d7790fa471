#include "ResetLabel.h"

#include "usage/RelativeTimeFormatter.h"

#include <QCoreApplication>

ResetPhrases::ResetPhrases(QString localeName)
    : m_localeName(std::move(localeName))
{
}

ResetPhrases::~ResetPhrases() = default;

QString ResetPhrases::phrase(const QDateTime &resetAt, const QString &prefix, const QDateTime &now) const
{
    if (!m_formatter)
        m_formatter = std::make_unique<RelativeTimeFormatter>(m_localeName);
    //: A reset phrase: %1 is what resets ("Session resets"), %2 the time till then from the system's locale ("in 2 hr.")
    return QCoreApplication::translate("ResetPhrases", "%1 %2").arg(prefix, m_formatter->phrase(resetAt, now));
}

QString ResetPhrases::prefix(LimitWindow::Kind kind)
{
    switch (kind) {
    case LimitWindow::Kind::session:
        //: The start of the session (five-hour) window's reset phrase ("Session resets in 2 hr.")
        return QCoreApplication::translate("ResetPhrases", "Session resets");
    case LimitWindow::Kind::weekly:
        //: The start of the weekly window's reset phrase ("Weekly resets in 3 days")
        return QCoreApplication::translate("ResetPhrases", "Weekly resets");
    case LimitWindow::Kind::otherLength:
    case LimitWindow::Kind::extra:
        break;
    }
    //: The start of the reset phrase of a limit shown in a row of its own ("Opus weekly  12%  resets in 3 days")
    return QCoreApplication::translate("ResetPhrases", "resets");
}
