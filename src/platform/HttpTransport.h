#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>
#include <utility>

using HeaderField = std::pair<QByteArray, QByteArray>;

struct HttpRequest
{
    QUrl url;
    QList<HeaderField> headers; // sent in this order
    bool followsRedirects = true; // false: a redirect is answered as it came, its target never asked
};

// What came back for one request: a transport failure, or a status with its header fields and body.
struct HttpResponse
{
    std::optional<QString> transportError; // a readable description of a failure below HTTP
    std::optional<int> status;             // absent when no HTTP response was received
    QList<HeaderField> headers;
    std::optional<QByteArray> body;

    std::optional<QByteArray> header(const QByteArray &name) const
    {
        for (const auto &[fieldName, value] : headers) {
            if (fieldName.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        }
        return std::nullopt;
    }
};

// The limits every request runs under, set in this one place.
struct HttpLimits
{
    std::chrono::milliseconds idleTimeout{20000};    // no bytes moved for this long ends the request
    std::chrono::milliseconds requestTimeout{60000}; // the whole exchange may take no longer
    qint64 maxBodyBytes = 5 * 1024 * 1024;
    // Connections idle this long after the last answer are closed, with the TLS sessions they keep.
    std::chrono::milliseconds lingerAfterLast{3000};
    // Credentials must never follow a redirect to another host; a public feed may.
    bool sameOriginRedirectsOnly = true;
};

// Sends one GET request without any cookie handling of its own.
// The completion always runs later on the main thread, never inside get().
class HttpTransport
{
public:
    virtual ~HttpTransport() = default;
    virtual void get(const HttpRequest &request, std::function<void(HttpResponse)> completion) = 0;
};
