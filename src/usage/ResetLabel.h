#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// Composes a reset phrase ("Session resets in 2 hr.") for a reset instant and a prefix.
using ResetLabelMaker = std::function<QString(const QDateTime &resetAt, const QString &prefix)>;
