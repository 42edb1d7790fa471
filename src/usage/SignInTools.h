#pragma once

#include "usage/SignInUsageFetcher.h"
#include "usage/UsageData.h"

// The usage endpoints the Claude Code and Codex sign-ins are good for, and how each is asked.
namespace SignInTools {
inline const QString anthropicAPI = QStringLiteral("https://api.anthropic.com");
inline const QString chatGPT = QStringLiteral("https://chatgpt.com");

SignInUsageFetcher<UsageData>::Tool claudeCode(const SignInFile::Environment &environment);
SignInUsageFetcher<OpenAIUsageData>::Tool codex(const SignInFile::Environment &environment);
}
