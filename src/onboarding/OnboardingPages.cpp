#include "OnboardingPages.h"

namespace OnboardingPages {
namespace {

#ifdef Q_OS_MACOS
const QString platformName = QStringLiteral("macOS");
const QString devToolsKeys = QStringLiteral("⌘⌥I");
#else
const QString platformName = QStringLiteral("Linux");
const QString devToolsKeys = QStringLiteral("Ctrl+Shift+I");
#endif

const QString openPreferences = QStringLiteral("Open Preferences →");

} // namespace

PageDefinition definition(OnboardingPager::Page page)
{
    using Page = OnboardingPager::Page;
    switch (page) {
    case Page::welcome:
        return {page, QStringLiteral("Welcome to Quotabar"),
                QStringLiteral("A free, native %1 menu bar app that shows how much of your Claude and ChatGPT limits "
                               "remain — at a glance, any time.")
                    .arg(platformName),
                std::nullopt, std::nullopt};
    case Page::whatItDoes:
        return {page, QStringLiteral("Always Visible. Always Current."),
                QStringLiteral("Quotabar shows the percentage of your session and weekly limits that remain — directly "
                               "in the menu bar. 100% means fresh. 0% means used up. No app-switching required."),
                std::nullopt, std::nullopt};
    case Page::connectClaude:
        return {page, QStringLiteral("Connect Your Claude Account"),
                QStringLiteral("Open %1 in your browser, press %2 to open DevTools, go to Application → Cookies → %1, "
                               "and copy the value of sessionKey. Paste it in Preferences.")
                    .arg(claudeHost, devToolsKeys),
                openPreferences,
                DevToolsContent{claudeHost, QStringLiteral("sessionKey"), QStringLiteral("sk-ant-sid01-···")}};
    case Page::connectChatGPT:
        return {page, QStringLiteral("Connect Your ChatGPT Account"),
                QStringLiteral("Open %1 in your browser, press %2, go to Application → Cookies → %1, and copy "
                               "__Secure-next-auth.session-token. Paste it in Preferences.")
                    .arg(chatGPTHost, devToolsKeys),
                openPreferences,
                DevToolsContent{chatGPTHost, QStringLiteral("__Secure-next-auth…"), QStringLiteral("eyJhbGciOiJ···")}};
    case Page::allSet:
        return {page, QStringLiteral("You're All Set!"),
                QStringLiteral("Quotabar lives in your menu bar and updates automatically. Click it any time to see a "
                               "detailed breakdown, change settings, or refresh your data."),
                openPreferences, std::nullopt};
    }
    return {};
}

QString signInPointer(const QStringList &toolNames)
{
    if (toolNames.isEmpty())
        return {};
    if (toolNames.size() == 1)
        return QStringLiteral("Found your %1 sign-in — use it in Preferences.").arg(toolNames.first());
    return QStringLiteral("Found your %1 sign-ins — use them in Preferences.")
        .arg(QStringList(toolNames.cbegin(), toolNames.cend() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ")
             + toolNames.last());
}

}
