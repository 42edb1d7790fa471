#pragma once

#include "platform/DefaultsStore.h"

// Where each provider's usage comes from: the pasted session key (the default) or the sign-in
// of the provider's command-line tool, which the user chose in Preferences.
namespace CredentialSource {
inline const QString claudeKey = QStringLiteral("claudeSource");
inline const QString openAIKey = QStringLiteral("openAISource");

inline const QString sessionKey = QStringLiteral("sessionKey");
inline const QString claudeCode = QStringLiteral("claudeCode");
inline const QString codex = QStringLiteral("codex");

inline QString claude(const DefaultsStore &defaults)
{
    return defaults.string(claudeKey) == claudeCode ? claudeCode : sessionKey;
}

inline QString openAI(const DefaultsStore &defaults)
{
    return defaults.string(openAIKey) == codex ? codex : sessionKey;
}
}
