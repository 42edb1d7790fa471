#include "SignInTools.h"

#include "usage/ClaudeResponses.h"
#include "usage/OpenAIResponses.h"

namespace SignInTools {

SignInUsageFetcher<UsageData>::Tool claudeCode(const SignInFile::Environment &environment)
{
    return {SignInFile::claudeCodePath(environment), SignInFile::readClaudeCode, QStringLiteral("/api/oauth/usage"),
            [](const SignIn &) {
                return QList<HeaderField>{{QByteArrayLiteral("anthropic-beta"), QByteArrayLiteral("oauth-2025-04-20")}};
            },
            ClaudeResponses::usageRecord};
}

SignInUsageFetcher<OpenAIUsageData>::Tool codex(const SignInFile::Environment &environment)
{
    return {SignInFile::codexPath(environment), SignInFile::readCodex, QStringLiteral("/backend-api/wham/usage"),
            [](const SignIn &signIn) {
                QList<HeaderField> headers;
                if (signIn.accountID)
                    headers.append({QByteArrayLiteral("ChatGPT-Account-Id"), signIn.accountID->toUtf8()});
                return headers;
            },
            OpenAIResponses::usageRecord};
}

}
