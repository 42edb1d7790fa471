#pragma once

#include "usage/UsageData.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class RelativeTimeFormatter;

// Composes a reset phrase ("Session resets in 2 hr.") for a reset instant and a prefix.
using ResetLabelMaker = std::function<QString(const QDateTime &resetAt, const QString &prefix)>;

// Reset phrases in a locale: the prefix, one space, and the time from a moment to the reset instant.
class ResetPhrases
{
public:
    explicit ResetPhrases(QString localeName);
    ~ResetPhrases();

    QString phrase(const QDateTime &resetAt, const QString &prefix, const QDateTime &now) const;
    // "Session resets", "Weekly resets", or "resets" for the windows shown in rows of their own.
    static QString prefix(LimitWindow::Kind kind);

private:
    QString m_localeName;
    mutable std::unique_ptr<RelativeTimeFormatter> m_formatter; // opened on first use
};
