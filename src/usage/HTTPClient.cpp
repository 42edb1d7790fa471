#include "HTTPClient.h"

#include "BuildInfo.h"

#include <algorithm>

const QByteArray HTTPClient::ownUserAgent = QByteArrayLiteral("Quotabar/") + BuildInfo::version;

HttpRequest HTTPClient::makeRequest(const QUrl &url, const HeaderField &credential, const QString &base)
{
    return HttpRequest{url,
                       {
                           credential,
                           {QByteArrayLiteral("User-Agent"), userAgent},
                           {QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json")},
                           {QByteArrayLiteral("Referer"), base.toUtf8()},
                       }};
}

FetchResult HTTPClient::classify(const HttpResponse &response)
{
    if (response.transportError)
        return FetchError::parse(*response.transportError);
    if (!response.status)
        return FetchError::parse(tr("No HTTP response"));
    const int status = *response.status;
    if (status == 403) {
        const auto mitigation = response.header(QByteArrayLiteral("cf-mitigated"));
        if (mitigation && mitigation->trimmed().compare("challenge", Qt::CaseInsensitive) == 0)
            return FetchError::parse(tr("Blocked by Cloudflare challenge"));
    }
    if (status == 401 || status == 403)
        return FetchError::unauthorized(status);
    if (response.body && status == 200)
        return *response.body;
    //: A failed request: %1 is the HTTP status code ("503")
    FetchError error = FetchError::parse(tr("HTTP %1").arg(status));
    error.status = status;
    error.retryAfter = response.header(QByteArrayLiteral("Retry-After")).value_or(QByteArray()).trimmed();
    return error;
}

bool HTTPClient::isSafeHeaderValue(const QString &text)
{
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph;
    });
}

QString HTTPClient::withoutBlankEnds(const QString &text)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

void HTTPClient::fetch(const QUrl &url, const HeaderField &credential, const QString &base,
                       std::function<void(FetchResult)> completion)
{
    m_transport.get(makeRequest(url, credential, base),
                    [completion = std::move(completion)](const HttpResponse &response) {
                        completion(classify(response));
                    });
}

bool HTTPClient::mayCarryBearer(const QUrl &url)
{
    if (url.scheme() == QLatin1String("https"))
        return true;
    const QString host = url.host();
    const bool loopback = host == QLatin1String("127.0.0.1") || host == QLatin1String("::1")
        || host == QLatin1String("localhost");
    return url.scheme() == QLatin1String("http") && loopback;
}

void HTTPClient::fetchWithBearer(const QUrl &url, const QList<HeaderField> &headers,
                                 std::function<void(FetchResult)> completion)
{
    if (!mayCarryBearer(url)) {
        completion(FetchError::parse(tr("Refused to send a sign-in over an unencrypted connection")));
        return;
    }
    HttpRequest request{url, headers, false};
    request.headers.append({QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json")});
    request.headers.append({QByteArrayLiteral("User-Agent"), ownUserAgent});
    m_transport.get(request, [completion = std::move(completion)](const HttpResponse &response) {
        completion(classify(response));
    });
}
