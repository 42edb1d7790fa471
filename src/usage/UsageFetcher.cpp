#include "UsageFetcher.h"

#include "app/DefaultsKeys.h"
#include "usage/ClaudeResponses.h"

UsageFetcher::UsageFetcher(const QString &base, const FetcherServices &services, QObject *parent)
    : UsageFetcher(base, services, DefaultsKeys::sessionKey, QString(), parent)
{
}

UsageFetcher::UsageFetcher(const QString &base, const FetcherServices &services, const QString &credentialKey,
                           const QString &organisation, QObject *parent)
    : FetcherBase(base, credentialKey, services, parent)
    , m_organisation(organisation)
{
}

std::optional<QString> UsageFetcher::cachedOrgID() const
{
    return m_cachedOrg ? std::optional(m_cachedOrg->orgID) : std::nullopt;
}

void UsageFetcher::startCycle()
{
    const std::optional<QString> sessionKey = usableCredential(
        tr("No session key — add one in Preferences"), tr("Session key contains invalid characters"));
    if (!sessionKey)
        return;
    if (m_cachedOrg && m_cachedOrg->sessionKey != *sessionKey)
        m_cachedOrg.reset();
    if (m_cachedOrg) {
        fetchUsageData(m_cachedOrg->orgID, *sessionKey);
        return;
    }
    fetchOrgID(*sessionKey, [this, sessionKey = *sessionKey](const OrgLookup &lookup) {
        if (const auto *orgID = std::get_if<QString>(&lookup))
            fetchUsageData(*orgID, sessionKey);
        else
            deliverFailure(std::get<FetchError>(lookup));
    });
}

void UsageFetcher::fetchOrgID(const QString &sessionKey, std::function<void(OrgLookup)> completion)
{
    fetch(QStringLiteral("/api/account"), sessionKey,
          [this, sessionKey, completion = std::move(completion)](const FetchResult &result) {
              if (const auto *error = std::get_if<FetchError>(&result)) {
                  completion(*error);
                  return;
              }
              const QByteArray &body = std::get<QByteArray>(result);
              const QList<ClaudeResponses::Organisation> all = ClaudeResponses::organisations(body);
              if (onOrganisations)
                  onOrganisations(all);
              std::optional<QString> orgID = ClaudeResponses::organisationID(body);
              if (!m_organisation.isEmpty()) {
                  const bool member = std::any_of(all.cbegin(), all.cend(), [this](const auto &o) { return o.uuid == m_organisation; });
                  orgID = member ? std::optional(m_organisation) : std::nullopt;
              }
              if (!orgID) {
                  completion(FetchError::parse(ClaudeResponses::orgNotFoundMessage()));
                  return;
              }
              m_cachedOrg = CachedOrg{sessionKey, *orgID};
              completion(*orgID);
          });
}

void UsageFetcher::fetchUsageData(const QString &orgID, const QString &sessionKey)
{
    const QString path = QStringLiteral("/api/organizations/%1/usage")
                             .arg(QString::fromLatin1(QUrl::toPercentEncoding(orgID)));
    fetch(path, sessionKey, [this](const FetchResult &result) {
        if (const auto *error = std::get_if<FetchError>(&result))
            deliverFailure(*error);
        else
            deliver(ClaudeResponses::usageRecord(std::get<QByteArray>(result), m_services.clock.now(),
                                                 resetLabelMaker()));
    });
}

void UsageFetcher::fetch(const QString &path, const QString &sessionKey, std::function<void(FetchResult)> completion)
{
    const HeaderField cookie{QByteArrayLiteral("Cookie"), "sessionKey=" + sessionKey.toUtf8()};
    m_services.http.fetch(QUrl(base + path), cookie, base, whileCurrent(std::move(completion)));
}
