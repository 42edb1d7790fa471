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
        const QString expiry = !candidate.expires ? QStringLiteral("until the browser closes")
            : (candidate.expired ? QStringLiteral("expired ") : QStringLiteral("expires "))
                + SignInCookie::timeText(*candidate.expires);
        m_rows.push_back({QStringLiteral("%1 · %2").arg(candidate.profile.label(), expiry), !candidate.expired});
        usable = usable || !candidate.expired;
    }
    if (!usable)
        m_message = SignInCookie::nothingToImport(found, provider).message;
}

QString BrowserImport::title() const
{
    return QStringLiteral("Import %1 Key from Browser").arg(Providers::of(m_provider).name);
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
