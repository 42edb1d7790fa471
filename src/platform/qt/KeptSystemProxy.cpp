#include "KeptSystemProxy.h"

KeptSystemProxy::KeptSystemProxy(std::chrono::milliseconds keep, Ask ask)
    : m_keep(keep)
    , m_ask(std::move(ask))
{
    m_clock.start();
}

QList<QNetworkProxy> KeptSystemProxy::queryProxy(const QNetworkProxyQuery &query)
{
    const QString key = QStringLiteral("%1 %2 %3 %4")
                            .arg(int(query.queryType()))
                            .arg(query.protocolTag(), query.peerHostName())
                            .arg(query.peerPort());
    const QMutexLocker locked(&m_lock);
    const qint64 now = m_clock.elapsed();
    const auto kept = m_answers.constFind(key);
    if (kept != m_answers.cend() && now - kept->askedAt < m_keep.count())
        return kept->proxies;
    const QList<QNetworkProxy> proxies = m_ask(query);
    m_answers.insert(key, Answer{proxies, now});
    return proxies;
}
