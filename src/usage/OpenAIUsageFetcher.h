#pragma once

#include "usage/FetcherBase.h"
#include "usage/OpenAIResponses.h"
#include "usage/UsageData.h"

#include <QCoreApplication>

// Turns the stored ChatGPT session token into an OpenAIUsageData record: exchanges it for an
// access token, keeps that, and asks for the rate-limit windows with it.
class OpenAIUsageFetcher final : public FetcherBase<OpenAIUsageData>
{
    Q_DECLARE_TR_FUNCTIONS(OpenAIUsageFetcher)
public:
    OpenAIUsageFetcher(const QString &base, const FetcherServices &services, QObject *parent = nullptr);
    // The token under `credentialKey`, for the workspace `accountId` (the token's own when empty).
    OpenAIUsageFetcher(const QString &base, const FetcherServices &services, const QString &credentialKey,
                       const QString &accountId, QObject *parent = nullptr);

    // Told the workspaces the session reaches, looked up once each time a session token is exchanged.
    std::function<void(const QList<OpenAIResponses::Workspace> &)> onWorkspaces;

    // The fetcher of the running application, on https://chatgpt.com.
    static OpenAIUsageFetcher &shared();


    std::optional<QString> cachedAccessToken() const;

private:
    void startCycle() override;
    using TokenExchange = std::variant<QString, FetchError>;

    // `renewal` marks the one repetition after a refused access token.
    void runCycle(bool renewal);
    void fetchAccessToken(const QString &sessionToken, std::function<void(TokenExchange)> completion);
    void fetchUsageData(const QString &accessToken, bool renewal);
    void lookUpWorkspaces(const QString &accessToken);

    // The access token belongs to the session token it was issued for.
    struct CachedToken
    {
        QString sessionToken;
        QString accessToken;
    };
    std::optional<CachedToken> m_cachedToken;
    QString m_accountId;
};
