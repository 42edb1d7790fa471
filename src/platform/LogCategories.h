#pragma once

#include <QLoggingCategory>

// Where our own diagnostics go, so they can be told apart and filtered (QT_LOGGING_RULES); the
// table is installed for kdebugsettings as resources/quotabar.categories.
Q_DECLARE_LOGGING_CATEGORY(settingsLog)   // quotabar.settings: the settings file
Q_DECLARE_LOGGING_CATEGORY(historyLog)    // quotabar.history: the usage history file
Q_DECLARE_LOGGING_CATEGORY(noticesLog)    // quotabar.notices: desktop notices
Q_DECLARE_LOGGING_CATEGORY(panelLog)      // quotabar.panel: the panel items and the program's life
// Failures told at info level, off unless asked for (QT_LOGGING_RULES="quotabar.*=true"): one line
// each, naming what failed and never a credential.
Q_DECLARE_LOGGING_CATEGORY(fetchLog)      // quotabar.fetch: a fetch that failed, by provider and account
Q_DECLARE_LOGGING_CATEGORY(networkLog)    // quotabar.network: requests that got no HTTP answer, refused TLS
Q_DECLARE_LOGGING_CATEGORY(statusItemLog) // quotabar.statusitem: panel items a bus or host would not take
Q_DECLARE_LOGGING_CATEGORY(busLog)        // quotabar.bus: the status service's name and calls to it
