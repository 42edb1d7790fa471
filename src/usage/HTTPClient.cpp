#include "HTTPClient.h"

#include <algorithm>

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
        return FetchError::parse(QStringLiteral("No HTTP response"));
    const int status = *response.status;
    if (status == 403) {
        const auto mitigation = response.header(QByteArrayLiteral("cf-mitigated"));
        if (mitigation && mitigation->trimmed().compare("challenge", Qt::CaseInsensitive) == 0)
            return FetchError::parse(QStringLiteral("Blocked by Cloudflare challenge"));
    }
    if (status == 401 || status == 403)
        return FetchError::unauthorized(status);
    if (response.body && status == 200)
        return *response.body;
    return FetchError::parse(QStringLiteral("HTTP %1").arg(status));
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
