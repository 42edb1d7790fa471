#pragma once

#include <QString>

// Every key the application keeps in the defaults store.
namespace DefaultsKeys {
inline const QString refreshInterval = QStringLiteral("refreshInterval");
inline const QString launchAtLogin = QStringLiteral("launchAtLogin");
inline const QString displayFormat = QStringLiteral("displayFormat");
inline const QString panelStyle = QStringLiteral("panelStyle");
// One panel item per shown account rather than per provider; an older version ignores it.
inline const QString panelItemPerAccount = QStringLiteral("panelItemPerAccount");
inline const QString showClaude = QStringLiteral("showClaude");
inline const QString showOpenAI = QStringLiteral("showOpenAI");
inline const QString claudeSessionExpired = QStringLiteral("claudeSessionExpired");
inline const QString openAISessionExpired = QStringLiteral("openAISessionExpired");
inline const QString sessionKey = QStringLiteral("sessionKey");
inline const QString openAISessionKey = QStringLiteral("openAISessionKey");
// Where a stored key was imported from ("Firefox (default-release)"); absent for a pasted key.
inline const QString sessionKeyImportedFrom = QStringLiteral("sessionKeyImportedFrom");
inline const QString openAISessionKeyImportedFrom = QStringLiteral("openAISessionKeyImportedFrom");
inline const QString onboardingCompleted = QStringLiteral("onboardingCompleted");
inline const QString notifyLow = QStringLiteral("notifyLow");
inline const QString notifyFirstThreshold = QStringLiteral("notifyFirstThreshold");
inline const QString notifySecondThreshold = QStringLiteral("notifySecondThreshold");
inline const QString notifyReset = QStringLiteral("notifyReset");
inline const QString notifyAvailable = QStringLiteral("notifyAvailable");
inline const QString notifyExpired = QStringLiteral("notifyExpired");
// The accounts beyond each provider's first one, as a JSON list; an older version ignores it.
inline const QString accounts = QStringLiteral("accounts");
// Followed by an account's id: that account's own pasted or imported key.
inline const QString accountKeyPrefix = QStringLiteral("sessionKey.");
}
