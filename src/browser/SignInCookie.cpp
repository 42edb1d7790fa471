#include "SignInCookie.h"

#include <QCoreApplication>

#include <algorithm>

namespace SignInCookie {

QString site(Provider provider)
{
    return provider == Provider::claude ? QStringLiteral("claude.ai") : QStringLiteral("chatgpt.com");
}

QString cookieName(Provider provider)
{
    return provider == Provider::claude ? QStringLiteral("sessionKey") : QStringLiteral("__Secure-next-auth.session-token");
}

QStringList hosts(Provider provider)
{
    return {QLatin1Char('.') + site(provider), site(provider)};
}

bool maySplit(Provider provider)
{
    return provider == Provider::openAI;
}

QString timeText(const QDateTime &when)
{
    return when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

CookieFailure expired(Provider provider, const BrowserProfile &profile, const QDateTime &expiry)
{
    //: %1 is the site (claude.ai), %2 a browser profile ("Firefox (default-release)"), %3 a date and time
    return {CookieFailure::Kind::expired,
            QCoreApplication::translate("SignInCookie", "The %1 sign-in in %2 expired on %3: sign in to %1 there again.")
                .arg(site(provider), profile.label(), timeText(expiry))};
}

CookieFailure nothingToImport(const CookieScan &scan, Provider provider)
{
    if (scan.profilesSearched == 0)
        return {CookieFailure::Kind::noBrowser,
                QCoreApplication::translate("SignInCookie", "No profile of Firefox, LibreWolf, Chromium, Google Chrome, "
                                                            "Brave, Microsoft Edge or Vivaldi was found.")};
    const auto expiredOne = std::find_if(scan.candidates.begin(), scan.candidates.end(),
                                         [](const CookieCandidate &candidate) { return candidate.expired; });
    if (expiredOne != scan.candidates.end())
        return expired(provider, expiredOne->profile, *expiredOne->expires);
    if (!scan.problems.empty())
        return scan.problems.front();
    return {CookieFailure::Kind::noCookie,
            //: %1 is the site (claude.ai), %2 the cookie's own name (sessionKey)
            QCoreApplication::translate("SignInCookie",
                                        "No browser profile is signed in to %1 (no %2 cookie): sign in there first.")
                .arg(site(provider), cookieName(provider))};
}

} // namespace SignInCookie
