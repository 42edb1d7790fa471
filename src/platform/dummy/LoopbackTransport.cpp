#include "LoopbackTransport.h"

#include "platform/qt/NetworkTransport.h"

#include <QHostAddress>

namespace {

bool isLoopback(const QUrl &origin)
{
    return origin.isValid() && (origin.host() == QLatin1String("localhost") || QHostAddress(origin.host()).isLoopback());
}

} // namespace

LoopbackTransport::LoopbackTransport(const QUrl &origin, const HttpLimits &limits)
    : m_origin(origin)
{
    if (isLoopback(origin))
        m_transport = std::make_unique<NetworkTransport>(limits);
}

LoopbackTransport::~LoopbackTransport() = default;

void LoopbackTransport::get(const HttpRequest &request, std::function<void(HttpResponse)> completion)
{
    if (!m_transport) {
        QMetaObject::invokeMethod(
            &m_context,
            [completion = std::move(completion)] {
                completion(HttpResponse{QStringLiteral("no network"), std::nullopt, {}, std::nullopt});
            },
            Qt::QueuedConnection);
        return;
    }
    HttpRequest redirected = request;
    redirected.url.setScheme(m_origin.scheme());
    redirected.url.setHost(m_origin.host());
    redirected.url.setPort(m_origin.port());
    m_transport->get(redirected, std::move(completion));
}
