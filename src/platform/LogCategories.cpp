#include "LogCategories.h"

Q_LOGGING_CATEGORY(settingsLog, "quotabar.settings")
Q_LOGGING_CATEGORY(historyLog, "quotabar.history")
Q_LOGGING_CATEGORY(noticesLog, "quotabar.notices")
Q_LOGGING_CATEGORY(panelLog, "quotabar.panel")
// Info and debug stay off by default, so a normal run is quiet.
Q_LOGGING_CATEGORY(fetchLog, "quotabar.fetch", QtWarningMsg)
Q_LOGGING_CATEGORY(networkLog, "quotabar.network", QtWarningMsg)
Q_LOGGING_CATEGORY(statusItemLog, "quotabar.statusitem", QtWarningMsg)
Q_LOGGING_CATEGORY(busLog, "quotabar.bus", QtWarningMsg)
