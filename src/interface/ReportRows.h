#pragma once

#include "interface/StatusReport.h"

// The menu's rows that the status report carries, made here so that the report is built from
// values and never words a row itself.
namespace ReportRows {

// One account's rows: the menu's, with a plain age told as the tooltips tell it, or why there
// are no figures.
QStringList of(const std::optional<ProviderUsage> &usage, Awaiting awaiting, const QString &source,
               const QDateTime &now, std::optional<qint64> justNowWithin);

// The inputs with every provider's and account's rows.
StatusInputs filled(StatusInputs inputs);

}
