#pragma once

#include "usage/ClaudeResponses.h"
#include "usage/FetcherBase.h"
#include "usage/UsageData.h"

#include <QCoreApplication>

// Turns the stored Claude session key into a UsageData record: finds the organisation once,
// then asks for its usage.
class UsageFetcher final : public FetcherBase<UsageData>
{
    Q_DECLARE_TR_FUNCTIONS(UsageFetcher)
public:
    UsageFetcher(const QString &base, const FetcherServices &services, QObject *parent = nullptr);
    // The key under `credentialKey`, and the organisation `organisation` (the first one when empty).
    UsageFetcher(const QString &base, const FetcherServices &services, const QString &credentialKey,
                 const QString &organisation, QObject *parent = nullptr);

    // Told every organisation the key reaches whenever they are looked up.
    std::function<void(const QList<ClaudeResponses::Organisation> &)> onOrganisations;

    // The fetcher of the running application, on https://claude.ai.
    static UsageFetcher &shared();


    std::optional<QString> cachedOrgID() const;

private:
    void startCycle() override;
    using OrgLookup = std::variant<QString, FetchError>;

    void fetchOrgID(const QString &sessionKey, std::function<void(OrgLookup)> completion);
    void fetchUsageData(const QString &orgID, const QString &sessionKey);
    void fetch(const QString &path, const QString &sessionKey, std::function<void(FetchResult)> completion);

    // The organisation belongs to the key it was looked up with.
    struct CachedOrg
    {
        QString sessionKey;
        QString orgID;
    };
    std::optional<CachedOrg> m_cachedOrg;
    QString m_organisation;
};
