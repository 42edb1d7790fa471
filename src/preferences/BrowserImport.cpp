#include "BrowserImport.h"

#include "browser/SignInCookie.h"
#include "preferences/CredentialTest.h"

BrowserImport::BrowserImport(Provider provider, const Scan &scan, Import import, CredentialTest &test)
    : m_provider(provider)
    , m_import(std::move(import))
    , m_test(test)
{
    const CookieScan found = scan ? scan(provider) : CookieScan{};
    m_candidates = found.candidates;
    bool usable = false;
    for (const CookieCandidate &candidate : m_candidates) {
        m_rows.push_back(
            {QStringLiteral("%1 · %2").arg(candidate.profile.label(), expiryText(candidate)), !candidate.expired});
        usable = usable || !candidate.expired;
    }
    if (!usable)
        m_message = SignInCookie::nothingToImport(found, provider).message;
}

QString BrowserImport::expiryText(const CookieCandidate &candidate)
{
    if (!candidate.expires)
        //: How long a browser's sign-in lasts when it has no end date
        return tr("until the browser closes");
    const QString when = SignInCookie::timeText(*candidate.expires);
    if (candidate.expired)
        //: %1 is the date and time a browser's sign-in ended
        return tr("expired %1").arg(when);
    //: %1 is the date and time a browser's sign-in ends
    return tr("expires %1").arg(when);
}

QString BrowserImport::title() const
{
    //: The import window's title; %1 is the provider (Claude, ChatGPT)
    return tr("Import %1 Key from Browser").arg(Providers::of(m_provider).name);
}

bool BrowserImport::choose(std::size_t row)
{
    if (row >= m_candidates.size() || !m_rows[row].enabled)
        return false;
    const BrowserProfile &profile = m_candidates[row].profile;
    const CookieImport imported = m_import(m_provider, profile);
    if (!imported.value) {
        m_message = imported.failure ? imported.failure->message : QString();
        return false;
    }
    m_message.clear();
    m_test.saveImportedAndTest(*imported.value, profile.label());
    return true;
}
