#pragma once

#include "platform/HttpTransport.h"
#include "platform/qt/HostLookahead.h"

#include <QNetworkAccessManager>
#include <QObject>

// HTTP transport over one QNetworkAccessManager: no stored cookies, no cache, no connection kept
// between bursts of requests, host names looked up ahead on one kept thread, the system's proxy asked
// once a while, bounded by the limits it was made with (which also say whether redirects may leave
// the request's origin).
class NetworkTransport final : public QObject, public HttpTransport
{
    Q_OBJECT
public:
    explicit NetworkTransport(HttpLimits limits = {}, QObject *parent = nullptr);

    void get(const HttpRequest &request, std::function<void(HttpResponse)> completion) override;

private:
    void send(const QNetworkRequest &request, std::function<void(HttpResponse)> completion);
    bool throughProxy(const QUrl &url);

    HttpLimits m_limits;
    QNetworkAccessManager m_manager;
    HostLookahead m_lookahead;
};
