#include "OpenAIUsageFetcher.h"

#include "app/DefaultsKeys.h"
#include "usage/OpenAIResponses.h"

#include <QPointer>

OpenAIUsageFetcher::OpenAIUsageFetcher(const QString &base, const FetcherServices &services, QObject *parent)
    : OpenAIUsageFetcher(base, services, DefaultsKeys::openAISessionKey, QString(), parent)
{
}

OpenAIUsageFetcher::OpenAIUsageFetcher(const QString &base, const FetcherServices &services, const QString &credentialKey,
                                       const QString &accountId, QObject *parent)
    : FetcherBase(base, credentialKey, services, parent)
    , m_accountId(accountId)
{
}

std::optional<QString> OpenAIUsageFetcher::cachedAccessToken() const
{
    return m_cachedToken ? std::optional(m_cachedToken->accessToken) : std::nullopt;
}

void OpenAIUsageFetcher::startCycle()
{
    runCycle(false);
}

void OpenAIUsageFetcher::runCycle(bool renewal)
{
    const std::optional<QString> sessionToken = usableCredential(
        tr("No session token — add one in Preferences"), tr("Session token contains invalid characters"));
    if (!sessionToken)
        return;
    if (m_cachedToken && m_cachedToken->sessionToken != *sessionToken)
        m_cachedToken.reset();
    if (m_cachedToken) {
        fetchUsageData(m_cachedToken->accessToken, renewal);
        return;
    }
    fetchAccessToken(*sessionToken, [this, renewal](const TokenExchange &exchange) {
        if (const auto *accessToken = std::get_if<QString>(&exchange))
            fetchUsageData(*accessToken, renewal);
        else
            deliverFailure(std::get<FetchError>(exchange));
    });
}

void OpenAIUsageFetcher::fetchAccessToken(const QString &sessionToken, std::function<void(TokenExchange)> completion)
{
    const HeaderField cookie{QByteArrayLiteral("Cookie"),
                             "__Secure-next-auth.session-token=" + sessionToken.toUtf8()};
    const auto handle = [this, sessionToken, completion = std::move(completion)](const FetchResult &result) {
        if (const auto *error = std::get_if<FetchError>(&result)) {
            completion(*error);
            return;
        }
        const std::optional<QString> accessToken = OpenAIResponses::accessToken(std::get<QByteArray>(result));
        if (!accessToken || !HTTPClient::isSafeHeaderValue(*accessToken)) {
            completion(FetchError::parse(OpenAIResponses::sessionInvalidMessage()));
            return;
        }
        m_cachedToken = CachedToken{sessionToken, *accessToken};
        completion(*accessToken);
        if (onWorkspaces)
            lookUpWorkspaces(*accessToken);
    };
    m_services.http.fetch(QUrl(base + QStringLiteral("/api/auth/session")), cookie, base, whileCurrent(handle));
}

void OpenAIUsageFetcher::fetchUsageData(const QString &accessToken, bool renewal)
{
    const HeaderField bearer{QByteArrayLiteral("Authorization"), "Bearer " + accessToken.toUtf8()};
    const auto handle = [this, accessToken, renewal](const FetchResult &result) {
        const auto *error = std::get_if<FetchError>(&result);
        if (!error) {
            deliver(OpenAIResponses::usageRecord(std::get<QByteArray>(result), m_services.clock.now(),
                                                 resetLabelMaker()));
        } else if (!error->isUnauthorized()) {
            deliverFailure(*error);
        } else if (renewal) {
            //: A failed request: %1 is the HTTP status code ("401")
            deliverError(tr("HTTP %1").arg(error->status));
        } else {
            if (m_cachedToken && m_cachedToken->accessToken == accessToken)
                m_cachedToken.reset();
            runCycle(true);
        }
    };
    const QUrl usage(base + QStringLiteral("/backend-api/wham/usage"));
    if (m_accountId.isEmpty()) {
        m_services.http.fetch(usage, bearer, base, whileCurrent(handle));
        return;
    }
    // Without the workspace's id the service answers with the sign-in's personal figures.
    if (!HTTPClient::isSafeHeaderValue(m_accountId)) {
        deliverError(tr("Workspace id contains invalid characters"));
        return;
    }
    m_services.http.fetchWithBearer(usage, {bearer, {QByteArrayLiteral("ChatGPT-Account-Id"), m_accountId.toUtf8()}},
                                    whileCurrent(handle));
}

void OpenAIUsageFetcher::lookUpWorkspaces(const QString &accessToken)
{
    // Apart from the cycle: its answer, or its failure, never touches the figures.
    const HeaderField bearer{QByteArrayLiteral("Authorization"), "Bearer " + accessToken.toUtf8()};
    m_services.http.fetch(QUrl(base + OpenAIResponses::accountsPath), bearer, base,
                          [self = QPointer(this)](const FetchResult &result) {
                              if (const auto *body = std::get_if<QByteArray>(&result); body && self && self->onWorkspaces)
                                  self->onWorkspaces(OpenAIResponses::workspaces(*body));
                          });
}
