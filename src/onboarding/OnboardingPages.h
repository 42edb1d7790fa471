#pragma once

#include "onboarding/OnboardingPager.h"

#include <QString>

#include <optional>

// What a browser's developer tools show for a provider's session cookie.
struct DevToolsContent
{
    QString host;
    QString cookieName;
    QString cookiePreview; // masked sample of the value
};

// The texts of one page of the welcome guide and whether it offers "Open Preferences →".
struct PageDefinition
{
    OnboardingPager::Page page;
    QString title;
    QString description;
    std::optional<QString> actionLabel;
    std::optional<DevToolsContent> devTools; // the two connect pages
    QString note;                            // a line under the text, shown when not empty
};

namespace OnboardingPages {

inline const QString claudeHost = QStringLiteral("claude.ai");
inline const QString chatGPTHost = QStringLiteral("chatgpt.com");
// The third, dimmed cookie of the mock table, its name masked.
inline const QString maskedThirdCookie = QStringLiteral("__Host-next-···");

PageDefinition definition(OnboardingPager::Page page);
// Points to command-line sign-ins that Preferences can use with one click; empty for none.
QString signInPointer(const QStringList &toolNames);

}
