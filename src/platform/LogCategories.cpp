#include "LogCategories.h"

Q_LOGGING_CATEGORY(settingsLog, "quotabar.settings")
Q_LOGGING_CATEGORY(historyLog, "quotabar.history")
Q_LOGGING_CATEGORY(noticesLog, "quotabar.notices")
Q_LOGGING_CATEGORY(panelLog, "quotabar.panel")
