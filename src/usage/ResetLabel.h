#pragma once

#include "usage/UsageData.h"

#include <QDateTime>
#include <QString>

#include <functional>

// Composes a reset phrase ("Session resets in 2 hr.") for a reset instant and a prefix.
using ResetLabelMaker = std::function<QString(const QDateTime &resetAt, const QString &prefix)>;

// Reset phrases in the program's language: the prefix, one space, and the time from a moment to the
// reset instant.
namespace ResetPhrases {

QString phrase(const QDateTime &resetAt, const QString &prefix, const QDateTime &now);
// "Session resets", "Weekly resets", or "resets" for the windows shown in rows of their own.
QString prefix(LimitWindow::Kind kind);
// The time between two moments in its largest whole unit, truncated toward zero: "in 2 hr.",
// "in 6 days", "1 min. ago".
QString relativeTime(const QDateTime &date, const QDateTime &relativeTo);

} // namespace ResetPhrases
