#include "FakeWebServer.h"

#include <QTcpSocket>
#include <QTimer>

std::optional<QByteArray> RecordedRequest::header(const QByteArray &name) const
{
    for (const auto &[fieldName, value] : headers) {
        if (fieldName.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

FakeWebServer::FakeWebServer(QObject *parent)
    : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            ++m_connectionsAccepted;
            m_open.insert(socket);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                m_open.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

QString FakeWebServer::origin() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void FakeWebServer::route(const QByteArray &path, const FakeReply &reply)
{
    m_routes.insert(path, reply);
}

void FakeWebServer::routeOnce(const QByteArray &path, const FakeReply &reply)
{
    m_onceRoutes[path].enqueue(reply);
}

QList<QByteArray> FakeWebServer::requestedPaths() const
{
    QList<QByteArray> paths;
    for (const RecordedRequest &request : m_requests)
        paths.append(request.path);
    return paths;
}

void FakeWebServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.clear();

    RecordedRequest request;
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        QByteArray value = line.mid(colon + 1);
        while (value.startsWith(' '))
            value.remove(0, 1);
        request.headers.append({line.left(colon), value}); // trailing blanks kept as sent
    }
    m_requests.append(request);

    FakeReply reply{404, "not found", {}, 0, false, false};
    if (auto once = m_onceRoutes.find(request.path); once != m_onceRoutes.end() && !once->isEmpty())
        reply = once->dequeue();
    else if (auto standing = m_routes.find(request.path); standing != m_routes.end())
        reply = *standing;

    if (reply.delayMs > 0)
        QTimer::singleShot(reply.delayMs, socket, [this, socket, reply] { answer(socket, reply); });
    else
        answer(socket, reply);
}

void FakeWebServer::answer(QTcpSocket *socket, const FakeReply &reply)
{
    if (reply.hangUp) {
        socket->abort();
        return;
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\n";
    if (!reply.omitContentLength)
        head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    for (const auto &[name, value] : reply.headers)
        head += name + ": " + value + "\r\n";
    head += reply.keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    socket->write(head);
    socket->write(reply.body);
    if (!reply.keepAlive)
        socket->disconnectFromHost();
}
