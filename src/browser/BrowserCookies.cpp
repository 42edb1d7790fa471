#include "BrowserCookies.h"

#include "browser/ChromiumCipher.h"
#include "browser/CookieDatabase.h"
#include "browser/SignInCookie.h"
#include "platform/BrowserKeyring.h"
#include "platform/Clock.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

using Kind = CookieFailure::Kind;
using Row = CookieDatabase::Row;

struct WantedCookie
{
    QStringList hosts;
    QString name;
    bool split; // next-auth splits a long token into name.0, name.1, …
};

WantedCookie wantedCookie(Provider provider)
{
    return {SignInCookie::hosts(provider), SignInCookie::cookieName(provider), SignInCookie::maySplit(provider)};
}

// One usable sign-in: a cookie, or the parts of a split one in order.
struct Choice
{
    std::vector<Row> parts;
    std::optional<QDateTime> expires;
};

std::vector<Choice> choices(const std::vector<Row> &rows, const WantedCookie &wanted)
{
    std::vector<Choice> found;
    // Split parts belong together when they come from one host in one cookie jar.
    std::map<std::pair<QString, QString>, std::map<int, Row>> splits;
    const QRegularExpression partName(QRegularExpression::anchoredPattern(QRegularExpression::escape(wanted.name)
                                                                          + QStringLiteral("\\.(\\d{1,3})")));
    for (const Row &row : rows) {
        if (row.value.isEmpty() && row.encryptedValue.isEmpty())
            continue;
        if (row.name == wanted.name) {
            found.push_back({{row}, row.expires});
        } else if (wanted.split) {
            const QRegularExpressionMatch match = partName.match(row.name);
            if (match.hasMatch())
                splits[{row.host, row.jar}].insert({match.captured(1).toInt(), row});
        }
    }
    for (const auto &[jar, parts] : splits) {
        Choice choice;
        int next = 0;
        for (const auto &[index, row] : parts) {
            if (index != next++)
                break; // a gap: the token is incomplete
            choice.parts.push_back(row);
            if (row.expires && (!choice.expires || *row.expires < *choice.expires))
                choice.expires = row.expires;
        }
        if (choice.parts.size() == parts.size())
            found.push_back(std::move(choice));
    }
    return found;
}

bool hasExpired(const std::optional<QDateTime> &expires, const QDateTime &now)
{
    return expires && *expires <= now;
}

// The sign-in most worth taking: one still valid before an expired one, then the one lasting
// longest (a session cookie lasts as long as the browser keeps it).
const Choice *best(const std::vector<Choice> &found, const QDateTime &now)
{
    const auto rank = [&now](const Choice &choice) {
        return std::pair(!hasExpired(choice.expires, now), choice.expires ? choice.expires->toMSecsSinceEpoch()
                                                                          : std::numeric_limits<qint64>::max());
    };
    const auto it = std::max_element(found.begin(), found.end(),
                                     [&rank](const Choice &a, const Choice &b) { return rank(a) < rank(b); });
    return it == found.end() ? nullptr : &*it;
}

CookieFailure failure(Kind kind, const QString &message)
{
    return {kind, message};
}

} // namespace

struct BrowserCookies::Examined
{
    Provider provider;
    BrowserProfile profile;
    std::optional<QString> error;
    std::optional<Choice> choice;
};

BrowserCookies::BrowserCookies(BrowserProfiles::Home home, BrowserKeyring *keyring, const Clock &clock, QString scratch)
    : m_home(std::move(home))
    , m_keyring(keyring)
    , m_clock(clock)
    , m_scratch(std::move(scratch))
{
}

BrowserCookies::Examined BrowserCookies::examine(Provider provider, const BrowserProfile &profile) const
{
    const WantedCookie wanted = wantedCookie(provider);
    const CookieDatabase::Read read = CookieDatabase::read(profile, wanted.hosts, m_scratch);
    if (read.error)
        return {provider, profile, read.error, std::nullopt};
    const std::vector<Choice> found = choices(read.rows, wanted);
    const Choice *chosen = best(found, m_clock.now());
    return {provider, profile, std::nullopt, chosen ? std::optional(*chosen) : std::nullopt};
}

CookieScan BrowserCookies::scan(Provider provider) const
{
    CookieScan scan;
    for (const BrowserProfile &profile : BrowserProfiles::find(m_home)) {
        ++scan.profilesSearched;
        const Examined examined = examine(provider, profile);
        if (examined.error) {
            //: %1 is a browser profile ("Firefox (default-release)"), %2 the reason
            scan.problems.push_back(failure(Kind::unreadable, tr("The cookies of %1 could not be read: %2.")
                                                                  .arg(profile.label(), *examined.error)));
        } else if (examined.choice) {
            scan.candidates.push_back(
                {profile, examined.choice->expires, hasExpired(examined.choice->expires, m_clock.now())});
        }
    }
    return scan;
}

CookieImport BrowserCookies::import(Provider provider, const BrowserProfile &profile) const
{
    return decode(examine(provider, profile));
}

CookieImport BrowserCookies::import(Provider provider, const QString &browserArgument) const
{
    const qsizetype colon = browserArgument.indexOf(QLatin1Char(':'));
    const QString install = browserArgument.left(colon).toLower();
    const std::optional<QString> profileName = colon < 0 ? std::nullopt : std::optional(browserArgument.mid(colon + 1));
    const QString browser = install.section(QLatin1Char('-'), 0, 0);
    const bool sandboxed = install != browser;
    if (!BrowserProfiles::browserIds().contains(browser)
        || (sandboxed && !QStringList{browser + QStringLiteral("-flatpak"), browser + QStringLiteral("-snap")}.contains(install)))
        return {std::nullopt, std::nullopt,
                //: The command line's answer to a browser name it does not know: %1 that name, %2 the names it
                //: knows ("firefox, chromium, …"). The names and -flatpak, -snap are typed as they are.
                failure(Kind::unknownBrowser, tr("Unknown browser '%1': name one of %2, with -flatpak or -snap "
                                                 "for those installs.")
                                                  .arg(install, BrowserProfiles::browserIds().join(QStringLiteral(", "))))};

    // A plain name is the browser's own install where there is one: the one that name lists.
    std::vector<BrowserProfile> installed;
    for (const BrowserProfile &profile : BrowserProfiles::find(m_home)) {
        if (profile.browser == browser && (!sandboxed || profile.install() == install))
            installed.push_back(profile);
    }
    if (!sandboxed && std::any_of(installed.begin(), installed.end(), [](const BrowserProfile &p) { return p.packaging.isEmpty(); }))
        std::erase_if(installed, [](const BrowserProfile &p) { return !p.packaging.isEmpty(); });

    std::vector<BrowserProfile> profiles;
    QStringList names;
    for (const BrowserProfile &profile : installed) {
        names.append(profile.name == profile.id ? profile.id : QStringLiteral("%1 (%2)").arg(profile.name, profile.id));
        if (!profileName || *profileName == profile.id || profileName->compare(profile.name, Qt::CaseInsensitive) == 0)
            profiles.push_back(profile);
    }
    if (names.isEmpty())
        return {std::nullopt, std::nullopt,
                //: %1 is a browser's name as typed on the command line ("firefox", "chromium-snap")
                failure(Kind::noBrowser, tr("No %1 profile was found.").arg(install))};
    if (profiles.empty())
        return {std::nullopt, std::nullopt,
                //: %1 is a browser's name as typed on the command line, %2 the profile asked for, %3 its profiles
                failure(Kind::unknownProfile, tr("%1 has no profile '%2'; its profiles: %3.")
                                                  .arg(install, *profileName, names.join(QStringLiteral(", "))))};

    std::vector<Examined> examined;
    for (const BrowserProfile &profile : profiles)
        examined.push_back(examine(provider, profile));
    std::vector<Choice> found;
    std::vector<const Examined *> owners;
    for (const Examined &each : examined) {
        if (each.choice) {
            found.push_back(*each.choice);
            owners.push_back(&each);
        }
    }
    if (const Choice *chosen = best(found, m_clock.now()))
        return decode(*owners[static_cast<std::size_t>(chosen - found.data())]);
    // Nothing found: the first profile tells why (its database, or no cookie in it).
    return decode(examined.front());
}

CookieImport BrowserCookies::decode(const Examined &examined) const
{
    const BrowserProfile &profile = examined.profile;
    const auto fail = [&profile](Kind kind, const QString &message) {
        return CookieImport{std::nullopt, profile, failure(kind, message)};
    };
    if (examined.error)
        //: %1 is a browser profile ("Firefox (default-release)"), %2 the reason
        return fail(Kind::unreadable, tr("The cookies of %1 could not be read: %2.").arg(profile.label(), *examined.error));
    const QString site = SignInCookie::site(examined.provider);
    const QString cookie = SignInCookie::cookieName(examined.provider);
    if (!examined.choice)
        //: %1 is a browser profile ("Firefox (default-release)"), %2 the site (claude.ai)
        return fail(Kind::noCookie, tr("%1 is not signed in to %2: sign in there first.").arg(profile.label(), site));
    const Choice &choice = *examined.choice;
    if (hasExpired(choice.expires, m_clock.now()))
        return {std::nullopt, profile, SignInCookie::expired(examined.provider, profile, *choice.expires)};

    // The keyring is asked once, and only when a part needs its password.
    std::optional<BrowserKeyring::Lookup> keyring;
    QByteArray value;
    for (const Row &part : choice.parts) {
        if (profile.family == BrowserProfile::Family::firefox || !part.value.isEmpty()) {
            value += part.value;
            continue;
        }
        const QByteArray version = part.encryptedValue.left(3);
        QList<QByteArray> passwords;
        if (version == "v10") {
            passwords = {ChromiumCipher::fixedPassword};
        } else if (version == "v11") {
            if (!keyring)
                keyring = m_keyring ? m_keyring->safeStoragePassword(profile.keyringNames)
                                    : BrowserKeyring::Lookup{BrowserKeyring::Lookup::Kind::unavailable, {},
                                                             tr("no keyring is available")};
            if (keyring->kind == BrowserKeyring::Lookup::Kind::found)
                passwords = {keyring->secret};
        } else if (version == "v12") {
            // A sandboxed browser's key, handed out by the desktop portal to that browser alone.
            //: %1 is a browser profile, %2 the cookie's own name (sessionKey)
            return fail(Kind::portalKey, tr("%1 keeps its cookie key behind the desktop portal, out of other "
                                            "programs' reach: paste the %2 cookie's value instead.")
                                             .arg(profile.label(), cookie));
        } else {
            //: %1 is the site (claude.ai), %2 a browser profile ("Chromium (Person 1)")
            return fail(Kind::unreadable, tr("The %1 cookie in %2 is encrypted in a way Quotabar does not know: "
                                             "paste its value instead.")
                                              .arg(site, profile.label()));
        }
        // Some versions encrypted with an empty password when they found no keyring.
        passwords.append(QByteArray());
        std::optional<QByteArray> plain;
        for (const QByteArray &password : std::as_const(passwords)) {
            if ((plain = ChromiumCipher::decrypt(part.encryptedValue, ChromiumCipher::key(password), part.host)))
                break;
        }
        if (!plain && version == "v11" && keyring->kind == BrowserKeyring::Lookup::Kind::locked)
            //: %1 is a browser (Google Chrome), %2 the cookie's own name (sessionKey)
            return fail(Kind::keyringLocked, tr("%1 keeps its cookie password in the desktop keyring, which "
                                                "stayed locked: import again and unlock it when asked, or paste "
                                                "the %2 cookie's value instead.")
                                                 .arg(profile.browserName, cookie));
        if (!plain && version == "v11" && keyring->kind != BrowserKeyring::Lookup::Kind::found)
            //: %1 is a browser (Google Chrome), %2 why the keyring did not give the password
            return fail(Kind::keyringUnavailable, tr("%1 keeps its cookie password in the desktop keyring, "
                                                     "which did not give it (%2).")
                                                      .arg(profile.browserName, keyring->reason));
        if (!plain)
            //: %1 is the site (claude.ai), %2 a browser profile ("Chromium (Person 1)"), %3 the browser (Chromium)
            return fail(Kind::wrongKey, tr("The %1 cookie in %2 could not be decrypted with %3's password; "
                                           "nothing was stored.")
                                            .arg(site, profile.label(), profile.browserName));
        value += *plain;
    }
    if (!ChromiumCipher::isCookieValue(value))
        //: %1 is the site (claude.ai), %2 a browser profile ("Chromium (Person 1)")
        return fail(Kind::wrongKey, tr("The %1 cookie in %2 does not hold a usable value; nothing was stored.")
                                        .arg(site, profile.label()));
    return {QString::fromLatin1(value), profile, std::nullopt};
}
