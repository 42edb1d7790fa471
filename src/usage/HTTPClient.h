#pragma once

#include "platform/HttpTransport.h"
#include "usage/FetchError.h"

#include <QCoreApplication>

// The one way both fetchers talk to their web services: builds each request by the shared
// convention and classifies what comes back.
class HTTPClient
{
    Q_DECLARE_TR_FUNCTIONS(HTTPClient)
public:
    static inline const QByteArray userAgent = QByteArrayLiteral(
        "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/124.0.0.0 Safari/537.36");

    // Quotabar's own identification, sent with the sign-ins of the command-line tools.
    static const QByteArray ownUserAgent;

    explicit HTTPClient(HttpTransport &transport)
        : m_transport(transport)
    {
    }

    // The session of the running application.
    static HTTPClient &session();

    // GET `url` with the credential header first, then User-Agent, Accept and Referer (= base).
    static HttpRequest makeRequest(const QUrl &url, const HeaderField &credential, const QString &base);
    static FetchResult classify(const HttpResponse &response);
    // True when the text may stand in a header field value (no line breaks or other control characters).
    static bool isSafeHeaderValue(const QString &text);
    // The text without spaces and tabs at either end: a credential as it is stored and sent, since
    // a cookie value never begins or ends in blanks and HTTP drops them from header values anyway.
    static QString withoutBlankEnds(const QString &text);

    void fetch(const QUrl &url, const HeaderField &credential, const QString &base,
               std::function<void(FetchResult)> completion);

    // GET with a bearer token: `headers` (the Authorization first), then Accept and Quotabar's own
    // User-Agent. The token is sent over HTTPS only (plain HTTP to this machine aside) and never
    // follows a redirect; a refused destination is reported as a failure without a request.
    void fetchWithBearer(const QUrl &url, const QList<HeaderField> &headers, std::function<void(FetchResult)> completion);
    static bool mayCarryBearer(const QUrl &url);

private:
    HttpTransport &m_transport;
};
