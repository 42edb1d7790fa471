#pragma once

#include "app/Providers.h"
#include "platform/DefaultsStore.h"

#include <QCoreApplication>

// Where each provider's usage comes from: the pasted session key (the default) or the sign-in
// of the provider's command-line tool, which the user chose in Preferences.
namespace CredentialSource {
inline const QString claudeKey = QStringLiteral("claudeSource");
inline const QString openAIKey = QStringLiteral("openAISource");

inline const QString sessionKey = QStringLiteral("sessionKey");
inline const QString claudeCode = QStringLiteral("claudeCode");
inline const QString codex = QStringLiteral("codex");

// The command-line tool behind a sign-in source and the command that signs in again.
struct SignInTool
{
    QString name;
    QString command;
};

inline std::optional<SignInTool> tool(const QString &source)
{
    if (source == claudeCode)
        return SignInTool{QStringLiteral("Claude Code"), QStringLiteral("claude")};
    if (source == codex)
        return SignInTool{QStringLiteral("Codex"), QStringLiteral("codex login")};
    return std::nullopt;
}

// What the menu says when a sign-in has expired or was refused; empty for the session key.
inline QString expiredText(const QString &source)
{
    const auto signIn = tool(source);
    if (!signIn)
        return {};
    //: %1 is the command-line tool (Claude Code, Codex), %2 the command that signs in again ("claude")
    return QCoreApplication::translate("CredentialSource", "%1 sign-in expired — run %2 to sign in again")
        .arg(signIn->name, signIn->command);
}

inline QString claude(const DefaultsStore &defaults)
{
    return defaults.string(claudeKey) == claudeCode ? claudeCode : sessionKey;
}

inline QString openAI(const DefaultsStore &defaults)
{
    return defaults.string(openAIKey) == codex ? codex : sessionKey;
}

inline QString of(Provider provider, const DefaultsStore &defaults)
{
    return provider == Provider::claude ? claude(defaults) : openAI(defaults);
}

// Whether the provider has a credential to fetch with: its command-line tool's sign-in when
// chosen, otherwise a session key that is not empty. The one answer to that question.
inline bool isStored(Provider provider, const DefaultsStore &defaults)
{
    return of(provider, defaults) != sessionKey
        || !defaults.string(Providers::of(provider).credentialKey).value_or(QString()).isEmpty();
}
}
