#pragma once

#include "platform/HttpTransport.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QSet>
#include <QTcpServer>

class QTcpSocket;

// One request as the fake server received it.
struct RecordedRequest
{
    QByteArray method;
    QByteArray path;
    QList<HeaderField> headers; // in the order they arrived

    std::optional<QByteArray> header(const QByteArray &name) const;
};

// How the fake server answers one request.
struct FakeReply
{
    int status = 200;
    QByteArray body;
    QList<HeaderField> headers;
    int delayMs = 0;
    bool hangUp = false;            // close the connection without answering
    bool omitContentLength = false; // end the body by closing the connection
    bool keepAlive = false;         // leave the connection open for the next request
};

// A loopback HTTP/1.1 server that answers each path as scripted and records every request.
class FakeWebServer final : public QObject
{
    Q_OBJECT
public:
    explicit FakeWebServer(QObject *parent = nullptr);

    QString origin() const; // "http://127.0.0.1:<port>"

    // Answers every request for `path` with `reply` (unscripted paths get a 404).
    void route(const QByteArray &path, const FakeReply &reply);
    // Answers the next request for `path` with `reply`, before any standing route.
    void routeOnce(const QByteArray &path, const FakeReply &reply);

    const QList<RecordedRequest> &requests() const { return m_requests; }
    int connectionsAccepted() const { return m_connectionsAccepted; }
    int connectionsOpen() const { return static_cast<int>(m_open.size()); }
    QList<QByteArray> requestedPaths() const;
    void clearRequests() { m_requests.clear(); }

private:
    void onReadyRead(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const FakeReply &reply);

    QTcpServer m_server;
    QHash<QByteArray, FakeReply> m_routes;
    QHash<QByteArray, QQueue<FakeReply>> m_onceRoutes;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<RecordedRequest> m_requests;
    QSet<QTcpSocket *> m_open;
    int m_connectionsAccepted = 0;
};
