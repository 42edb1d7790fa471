#pragma once

#include "platform/HttpTransport.h"

#include <QObject>

#include <memory>

class NetworkTransport;

// Sends every request to one loopback server instead of the host it names, so that the program,
// wired as it runs, can be given canned answers. Nothing is ever sent elsewhere: without a loopback
// origin every request fails.
class LoopbackTransport final : public HttpTransport
{
public:
    // `origin` is "http://127.0.0.1:<port>" or the like.
    LoopbackTransport(const QUrl &origin, const HttpLimits &limits);
    ~LoopbackTransport() override;

    void get(const HttpRequest &request, std::function<void(HttpResponse)> completion) override;

private:
    QUrl m_origin;
    std::unique_ptr<NetworkTransport> m_transport; // none without a loopback origin
    QObject m_context;                             // what failures are delivered later through
};
