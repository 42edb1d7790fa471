#include "HostLookahead.h"

#include <QHostAddress>
#include <QHostInfo>

HostLookahead::HostLookahead(std::chrono::milliseconds fresh, Resolve resolve, QObject *parent)
    : QObject(parent)
    , m_fresh(fresh)
    , m_resolve(std::move(resolve))
{
    m_clock.start();
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1); // made at the first lookup, then kept
}

HostLookahead::~HostLookahead()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void HostLookahead::qtResolve(const QString &host)
{
    // Qt keeps the answer for the request; after a failure the request looks up again, and tells it.
    QHostInfo::fromName(host);
}

void HostLookahead::ensure(const QString &host, std::function<void()> then)
{
    const auto last = m_resolvedAt.constFind(host);
    if (host.isEmpty() || QHostAddress().setAddress(host)
        || (last != m_resolvedAt.cend() && m_clock.elapsed() - *last < m_fresh.count())) {
        QMetaObject::invokeMethod(this, std::move(then), Qt::QueuedConnection);
        return;
    }
    std::vector<std::function<void()>> &waiting = m_waiting[host];
    waiting.push_back(std::move(then));
    if (waiting.size() > 1)
        return; // its lookup is under way
    // The destructor waits for the lookup, so this object outlives it.
    m_pool.start([this, resolve = m_resolve, host] {
        resolve(host);
        QMetaObject::invokeMethod(this, [this, host] { resolved(host); }, Qt::QueuedConnection);
    });
}

void HostLookahead::resolved(const QString &host)
{
    m_resolvedAt.insert(host, m_clock.elapsed());
    const std::vector<std::function<void()>> waiting = m_waiting.take(host);
    for (const std::function<void()> &then : waiting)
        then();
}
