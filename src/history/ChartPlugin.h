#pragma once

#include "history/HistoryPane.h"

#include <QString>

// The chart plugin, loaded from a folder on the first page asked for: its pages, or a page that
// says why there is no chart when the plugin cannot be loaded.
namespace ChartPlugin {

inline const QString fileName = QStringLiteral("quotabar-history-chart.so");

using PaneMaker = std::function<HistoryPane *(const Account &account, QWidget *parent)>;
PaneMaker paneMaker(const QString &folder);

}
