#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QNetworkProxyFactory>

#include <chrono>
#include <functional>

// The system's proxy for each scheme, host and port, asked once and used again for a while: asking
// reads the desktop's settings (through libproxy, /etc/services too), which a refresh every minute
// need not do again.
class KeptSystemProxy final : public QNetworkProxyFactory
{
public:
    using Ask = std::function<QList<QNetworkProxy>(const QNetworkProxyQuery &)>;

    explicit KeptSystemProxy(std::chrono::milliseconds keep, Ask ask = &QNetworkProxyFactory::systemProxyForQuery);

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override;

private:
    struct Answer
    {
        QList<QNetworkProxy> proxies;
        qint64 askedAt = 0; // on m_clock, in ms
    };

    std::chrono::milliseconds m_keep;
    Ask m_ask;
    QElapsedTimer m_clock;
    QMutex m_lock; // Qt may ask from its network thread as well
    QHash<QString, Answer> m_answers;
};
