#pragma once

#include "platform/HttpTransport.h"

#include <QCoreApplication>

// Passes each request on to a real transport and counts those whose answer has not been handled
// yet, so a test waits for the answers instead of for a while.
class CountingTransport final : public HttpTransport
{
public:
    explicit CountingTransport(HttpTransport &transport)
        : m_transport(transport)
    {
    }

    void get(const HttpRequest &request, std::function<void(HttpResponse)> completion) override
    {
        ++m_open;
        m_transport.get(request, [this, completion = std::move(completion)](HttpResponse response) {
            completion(std::move(response));
            --m_open;
        });
    }

    // Every answer handled, and what its handling posted (a delivery on the next turn) done too.
    bool settled()
    {
        QCoreApplication::processEvents();
        return m_open == 0;
    }

private:
    HttpTransport &m_transport;
    int m_open = 0;
};
