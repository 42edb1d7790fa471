#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QThreadPool>

#include <chrono>
#include <functional>
#include <vector>

// Resolves a host name before its request goes out, on one thread kept for the program's life. Qt's
// resolver keeps answers a minute, and looks up in a pool whose idle threads end after 30 s, so at a
// refresh a minute apart every request used to start a thread; with the answer ready it starts none.
class HostLookahead final : public QObject
{
    Q_OBJECT
public:
    // Resolves a name through Qt's resolver, which keeps the answer for the request that follows.
    using Resolve = std::function<void(const QString &host)>;

    explicit HostLookahead(std::chrono::milliseconds fresh = std::chrono::seconds(30), Resolve resolve = qtResolve,
                           QObject *parent = nullptr);
    ~HostLookahead() override;

    // Runs `then` on this object's thread once `host` has been resolved, or at once when it was resolved
    // less than `fresh` ago or is an address. `then` never runs after this object is gone.
    void ensure(const QString &host, std::function<void()> then);

    static void qtResolve(const QString &host);

private:
    void resolved(const QString &host);

    std::chrono::milliseconds m_fresh;
    Resolve m_resolve;
    QElapsedTimer m_clock;
    QHash<QString, qint64> m_resolvedAt; // on m_clock, in ms
    QHash<QString, std::vector<std::function<void()>>> m_waiting;
    QThreadPool m_pool; // its one thread; the destructor waits for a lookup in flight
};
