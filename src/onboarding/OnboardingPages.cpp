#include "OnboardingPages.h"

#include <QCoreApplication>

namespace OnboardingPages {
namespace {

#ifdef Q_OS_MACOS
const QString platformName = QStringLiteral("macOS");
#else
const QString platformName = QStringLiteral("Linux");
#endif

QString devToolsKeys()
{
#ifdef Q_OS_MACOS
    return QStringLiteral("⌘⌥I");
#else
    //: The keys that open a browser's developer tools, as the keyboard labels them
    return QCoreApplication::translate("OnboardingPages", "Ctrl+Shift+I");
#endif
}

QString openPreferences()
{
    return QCoreApplication::translate("OnboardingPages", "Open Preferences →");
}

} // namespace

PageDefinition definition(OnboardingPager::Page page)
{
    using Page = OnboardingPager::Page;
    switch (page) {
    case Page::welcome:
        return {page, QCoreApplication::translate("OnboardingPages", "Welcome to Quotabar"),
                //: %1 is the operating system (Linux)
                QCoreApplication::translate("OnboardingPages",
                                            "A free, native %1 menu bar app that shows how much of your Claude and "
                                            "ChatGPT limits remain — at a glance, any time.")
                    .arg(platformName),
                std::nullopt, std::nullopt};
    case Page::whatItDoes:
        return {page, QCoreApplication::translate("OnboardingPages", "Always Visible. Always Current."),
                QCoreApplication::translate("OnboardingPages",
                                            "Quotabar shows the percentage of your session and weekly limits that "
                                            "remain — directly in the menu bar. 100% means fresh. 0% means used up. "
                                            "No app-switching required."),
                std::nullopt, std::nullopt};
    case Page::connectClaude:
        return {page, QCoreApplication::translate("OnboardingPages", "Connect Your Claude Account"),
                //: %1 is the site (claude.ai), %2 the keys that open the developer tools. Application and
                //: Cookies are what the browser's developer tools call them; sessionKey is the cookie's name.
                QCoreApplication::translate("OnboardingPages",
                                            "Open %1 in your browser, press %2 to open DevTools, go to Application → "
                                            "Cookies → %1, and copy the value of sessionKey. Paste it in Preferences.")
                    .arg(claudeHost, devToolsKeys()),
                openPreferences(),
                DevToolsContent{claudeHost, QStringLiteral("sessionKey"), QStringLiteral("sk-ant-sid01-···")}};
    case Page::connectChatGPT:
        return {page, QCoreApplication::translate("OnboardingPages", "Connect Your ChatGPT Account"),
                //: %1 is the site (chatgpt.com), %2 the keys that open the developer tools. Application and
                //: Cookies are what the browser's developer tools call them; the cookie's name stays as it is.
                QCoreApplication::translate("OnboardingPages",
                                            "Open %1 in your browser, press %2, go to Application → Cookies → %1, and "
                                            "copy __Secure-next-auth.session-token. Paste it in Preferences.")
                    .arg(chatGPTHost, devToolsKeys()),
                openPreferences(),
                DevToolsContent{chatGPTHost, QStringLiteral("__Secure-next-auth…"), QStringLiteral("eyJhbGciOiJ···")}};
    case Page::allSet:
        return {page, QCoreApplication::translate("OnboardingPages", "You're All Set!"),
                QCoreApplication::translate("OnboardingPages",
                                            "Quotabar lives in your menu bar and updates automatically. Click it any "
                                            "time to see a detailed breakdown, change settings, or refresh your data."),
                openPreferences(), std::nullopt};
    }
    return {};
}

QString signInPointer(const QStringList &toolNames)
{
    if (toolNames.isEmpty())
        return {};
    if (toolNames.size() == 1)
        //: %1 is a command-line tool (Claude Code, Codex)
        return QCoreApplication::translate("OnboardingPages", "Found your %1 sign-in — use it in Preferences.")
            .arg(toolNames.first());
    //: The last two of a list of names, e.g. "Claude Code and Codex"
    const QString names = QCoreApplication::translate("OnboardingPages", "%1 and %2")
                              .arg(QStringList(toolNames.cbegin(), toolNames.cend() - 1).join(QStringLiteral(", ")),
                                   toolNames.last());
    //: %1 lists command-line tools, e.g. "Claude Code and Codex"
    return QCoreApplication::translate("OnboardingPages", "Found your %1 sign-ins — use them in Preferences.").arg(names);
}

}
