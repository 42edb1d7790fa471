#pragma once

#include "platform/HttpTransport.h"

#include <QNetworkAccessManager>
#include <QObject>

// HTTP transport over one QNetworkAccessManager: no cookie jar, no cache, redirects only within
// the request's own origin, bounded by the limits it was made with.
class NetworkTransport final : public QObject, public HttpTransport
{
    Q_OBJECT
public:
    explicit NetworkTransport(HttpLimits limits = {}, QObject *parent = nullptr);

    void get(const HttpRequest &request, std::function<void(HttpResponse)> completion) override;

private:
    HttpLimits m_limits;
    QNetworkAccessManager m_manager;
};
