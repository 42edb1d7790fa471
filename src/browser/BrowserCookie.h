#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What a look into the browsers' own cookie stores found, as plain values. None of these ever
// holds a cookie's value except CookieImport::value.

// A browser profile that keeps a cookie database.
struct BrowserProfile
{
    enum class Family { firefox, chromium };

    Family family = Family::firefox;
    QString browser;     // as the command line names it: "firefox", "librewolf", "chromium", "chrome", …
    QString browserName; // as people know it: "Firefox", "Google Chrome"
    QString packaging;   // "Flatpak" or "Snap" for a sandboxed install, else empty
    QString id;          // the profile's folder name: "abcd1234.default-release", "Profile 1"
    QString name;        // the profile's own name: "default-release", "Person 1"
    QString cookiesPath;
    // Chromium family: the names the browser's password in the keyring goes by ("Chrome" for
    // "Chrome Safe Storage"), tried in order.
    QStringList keyringNames;

    // "chromium-flatpak": the install as `--from-browser` names it, the browser's id alone for
    // one that is not sandboxed.
    QString install() const { return packaging.isEmpty() ? browser : browser + QLatin1Char('-') + packaging.toLower(); }

    // "Firefox (default-release)", "Chromium Snap (Person 1)": how Preferences and the command line
    // name where a key came from.
    QString label() const
    {
        const QString browserText = packaging.isEmpty() ? browserName : browserName + QLatin1Char(' ') + packaging;
        return QStringLiteral("%1 (%2)").arg(browserText, name);
    }
};

// Why a look found nothing usable, in one sentence for people.
struct CookieFailure
{
    enum class Kind {
        noBrowser,          // no profile of any known browser
        unknownBrowser,     // a browser name the command line does not know
        unknownProfile,     // the browser has no such profile
        noCookie,           // no profile holds the sign-in cookie
        expired,            // the only sign-ins found have expired
        unreadable,         // a cookie database could not be copied or read
        keyringLocked,      // the browser's password is in a keyring the user left locked
        portalKey,          // a sandboxed browser's key, which only the desktop portal gives it ("v12")
        keyringUnavailable, // no keyring answers, or it does not hold the browser's password
        wrongKey,           // decrypting gave no valid cookie value
    };
    Kind kind;
    QString message;
};

// A profile that holds a sign-in cookie for a provider.
struct CookieCandidate
{
    BrowserProfile profile;
    std::optional<QDateTime> expires; // absent: it ends with the browser's session
    bool expired = false;
};

// Every profile's findings for one provider: the candidates, and what could not be read.
struct CookieScan
{
    std::vector<CookieCandidate> candidates;
    std::vector<CookieFailure> problems;
    int profilesSearched = 0;
};

// The outcome of one import: the cookie's value and where it came from, or why there is none.
struct CookieImport
{
    std::optional<QString> value;
    std::optional<BrowserProfile> source;
    std::optional<CookieFailure> failure;
};
