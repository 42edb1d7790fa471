#include "NetworkTransport.h"

#include "platform/LogCategories.h"
#include "platform/qt/KeptSystemProxy.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QMetaEnum>
#include <QNetworkRequest>
#include <QSslError>
#include <QTimer>

namespace {

// How long the system's answer for a host is used again: a change of the desktop's proxy settings
// reaches requests within this time.
constexpr std::chrono::minutes proxyKept{5};

QString timedOutText()
{
    return QCoreApplication::translate("NetworkTransport", "The request timed out.");
}

QString tooLargeText()
{
    //: A service's answer was bigger than any usage answer can be
    return QCoreApplication::translate("NetworkTransport", "Response too large");
}

// Errors below HTTP: the answer, if any, is incomplete and must not be read as a response.
bool isTransportFailure(QNetworkReply::NetworkError error)
{
    return (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied)
        && error != QNetworkReply::InsecureRedirectError;
}

// The name of an error's enum value ("SslHandshakeFailedError"), which says its class in any language.
template<typename Enum>
QByteArray enumName(Enum value)
{
    const char *name = QMetaEnum::fromType<Enum>().valueToKey(static_cast<int>(value));
    return name ? QByteArray(name) : QByteArray::number(static_cast<int>(value));
}

// Watches one reply: enforces the time-outs and the size limit, then reports exactly once.
class ReplyWatch final : public QObject
{
public:
    ReplyWatch(QNetworkReply *reply, const HttpLimits &limits, std::function<void(HttpResponse)> completion)
        : QObject(reply)
        , m_reply(reply)
        , m_limits(limits)
        , m_completion(std::move(completion))
    {
        m_idle.setSingleShot(true);
        m_idle.setInterval(limits.idleTimeout);
        m_total.setSingleShot(true);
        m_total.setInterval(limits.requestTimeout);
        connect(&m_idle, &QTimer::timeout, this, [this] { abortWith(timedOutText()); });
        connect(&m_total, &QTimer::timeout, this, [this] { abortWith(timedOutText()); });
        connect(reply, &QNetworkReply::metaDataChanged, this, &ReplyWatch::onMetaData);
        connect(reply, &QNetworkReply::downloadProgress, this, &ReplyWatch::onProgress);
        connect(reply, &QNetworkReply::finished, this, &ReplyWatch::onFinished);
#if QT_CONFIG(ssl)
        connect(reply, &QNetworkReply::sslErrors, this, [this](const QList<QSslError> &errors) {
            for (const QSslError &error : errors)
                m_tlsErrors.append(enumName(error.error()));
        });
#endif
        m_idle.start();
        m_total.start();
    }

private:
    void onMetaData()
    {
        m_idle.start();
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_limits.maxBodyBytes)
            abortWith(tooLargeText());
    }

    void onProgress(qint64 received, qint64 total)
    {
        m_idle.start();
        if (received > m_limits.maxBodyBytes || total > m_limits.maxBodyBytes)
            abortWith(tooLargeText());
    }

    void abortWith(const QString &reason)
    {
        if (m_abortReason)
            return;
        m_abortReason = reason;
        m_reply->abort();
    }

    void onFinished()
    {
        if (!m_completion)
            return; // reported already
        m_idle.stop();
        m_total.stop();
        HttpResponse response;
        const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (m_abortReason) {
            response.transportError = m_abortReason;
        } else if (isTransportFailure(m_reply->error()) || (!status.isValid() && m_reply->error() != QNetworkReply::NoError)) {
            response.transportError = m_reply->errorString();
        }
        // Only the host is told: a path may name an organisation, and headers carry credentials.
        if (response.transportError)
            qCInfo(networkLog).noquote().nospace()
                << "no HTTP answer from " << m_reply->url().host() << ": "
                << (m_abortReason ? *m_abortReason : QString::fromLatin1(enumName(m_reply->error())))
                << (m_tlsErrors.isEmpty() ? QByteArray() : " (" + m_tlsErrors.join(", ") + ')'); else if (status.isValid()) {
            response.status = status.toInt();
            for (const auto &[name, value] : m_reply->rawHeaderPairs())
                response.headers.append({name, value});
            response.body = m_reply->readAll();
        }
        m_reply->deleteLater();
        auto completion = std::move(m_completion);
        completion(std::move(response));
    }

    QNetworkReply *m_reply;
    HttpLimits m_limits;
    std::function<void(HttpResponse)> m_completion;
    std::optional<QString> m_abortReason;
    QByteArrayList m_tlsErrors; // what the handshake met, told with the failure
    QTimer m_idle;
    QTimer m_total;
};

} // namespace

NetworkTransport::NetworkTransport(HttpLimits limits, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
{
    m_manager.setCache(nullptr);
    m_manager.setProxyFactory(new KeptSystemProxy(proxyKept)); // the manager owns it
}

void NetworkTransport::get(const HttpRequest &request, std::function<void(HttpResponse)> completion)
{
    QNetworkRequest networkRequest(request.url);
    networkRequest.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    networkRequest.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    const QNetworkRequest::RedirectPolicy redirects = !request.followsRedirects ? QNetworkRequest::ManualRedirectPolicy
        : m_limits.sameOriginRedirectsOnly                                        ? QNetworkRequest::SameOriginRedirectPolicy
                                                                                  : QNetworkRequest::NoLessSafeRedirectPolicy;
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute, redirects);
    // Qt keeps a host's connection object, and the TLS context it shares between reconnections, for
    // two idle minutes by default. That context caches every session ticket a server sends, so with
    // a server that closes each connection it grew by some kilobytes at every refresh. Closing it
    // soon after a burst frees it all, and leaves Qt's network thread running for the next one.
    const auto linger = std::chrono::ceil<std::chrono::seconds>(m_limits.lingerAfterLast);
    networkRequest.setAttribute(QNetworkRequest::ConnectionCacheExpiryTimeoutSecondsAttribute,
                                static_cast<int>(std::max<std::chrono::seconds::rep>(linger.count(), 1)));
    networkRequest.setTransferTimeout(0); // the watch below owns both time-outs
    for (const auto &[name, value] : request.headers)
        networkRequest.setRawHeader(name, value);
    // Through a proxy the proxy resolves the name, and a lookup here would only tell the network
    // which host is asked for.
    if (throughProxy(request.url)) {
        send(networkRequest, std::move(completion));
        return;
    }
    m_lookahead.ensure(request.url.host(), [this, networkRequest, completion = std::move(completion)]() mutable {
        send(networkRequest, std::move(completion));
    });
}

void NetworkTransport::send(const QNetworkRequest &request, std::function<void(HttpResponse)> completion)
{
    new ReplyWatch(m_manager.get(request), m_limits, std::move(completion));
}

bool NetworkTransport::throughProxy(const QUrl &url)
{
    QNetworkProxyFactory *factory = m_manager.proxyFactory();
    if (!factory)
        return false;
    const QList<QNetworkProxy> proxies = factory->queryProxy(QNetworkProxyQuery(url));
    return !proxies.isEmpty() && proxies.first().type() != QNetworkProxy::NoProxy;
}
