#pragma once

#include <QLoggingCategory>

// Where our own diagnostics go, so they can be told apart and filtered (QT_LOGGING_RULES).
Q_DECLARE_LOGGING_CATEGORY(settingsLog)  // quotabar.settings: the settings file
Q_DECLARE_LOGGING_CATEGORY(historyLog)   // quotabar.history: the usage history file
Q_DECLARE_LOGGING_CATEGORY(noticesLog)   // quotabar.notices: desktop notices
Q_DECLARE_LOGGING_CATEGORY(panelLog)     // quotabar.panel: the panel items and the program's life
