#pragma once

#include "platform/Clock.h"
#include "platform/DefaultsStore.h"
#include "platform/Scheduler.h"
#include "usage/HTTPClient.h"
#include "usage/ResetLabel.h"
#include "usage/RetryAfter.h"
#include "usage/UsageSource.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>

// What a fetcher needs from the outside world.
struct FetcherServices
{
    DefaultsStore &defaults;
    HTTPClient &http;
    Scheduler &scheduler;
    Clock &clock;
};

// The delivery half both fetchers share: callbacks run later on the main thread, each read at
// the moment of delivery, and never once the fetcher is gone.
//
// It also keeps the traffic polite: one cycle at a time (a request while one runs joins it, unless
// the credential changed, when the newer cycle's outcome is the one delivered), and none before
// the instant a Retry-After field named.
template<typename Record>
class FetcherBase : public QObject, public UsageSource<Record>
{
public:
    const QString base;

    void fetchUsage() final
    {
        // While the stored credential is still being read, the cycle starts once it is, rather
        // than reporting a missing credential.
        if (m_services.defaults.readiness(m_credentialKey) != DefaultsStore::Readiness::ready) {
            if (!std::exchange(m_waitingForLoad, true)) {
                m_services.defaults.whenReady(m_credentialKey, [self = QPointer(this)] {
                    if (self) {
                        self->m_waitingForLoad = false;
                        self->fetchUsage();
                    }
                });
            }
            return;
        }
        const QDateTime now = m_services.clock.now();
        if (m_retryAt && now < *m_retryAt) {
            if (!m_retryTimer) {
                m_retryTimer = m_services.scheduler.after(std::chrono::milliseconds(now.msecsTo(*m_retryAt)),
                                                          [self = QPointer(this)] {
                                                              if (self) {
                                                                  self->m_retryTimer.reset();
                                                                  self->fetchUsage();
                                                              }
                                                          });
            }
            return;
        }
        if (m_retryTimer) // the wait is over already (the clock was set forward)
            m_services.scheduler.cancel(*std::exchange(m_retryTimer, std::nullopt));
        const QString credential = credentialInUse();
        if (m_inFlight && credential == m_inFlightCredential)
            return;
        ++m_generation;
        m_inFlight = true;
        m_inFlightCredential = credential;
        startCycle();
    }

    std::optional<QDateTime> nextTryAt() const override
    {
        return m_retryAt && m_services.clock.now() < *m_retryAt ? m_retryAt : std::nullopt;
    }

    Awaiting awaiting() const override
    {
        switch (m_services.defaults.readiness(m_credentialKey)) {
        case DefaultsStore::Readiness::loading:
            return Awaiting::keyring;
        case DefaultsStore::Readiness::locked:
            return Awaiting::keyringUnlock;
        case DefaultsStore::Readiness::ready:
            break;
        }
        return Awaiting::answer;
    }

protected:
    FetcherBase(const QString &base, const QString &credentialKey, const FetcherServices &services, QObject *parent)
        : QObject(parent)
        , base(base)
        , m_services(services)
        , m_credentialKey(credentialKey)
    {
    }

    // Runs one cycle with the stored credential; it ends in one of the deliveries below.
    virtual void startCycle() = 0;

    // The credential a cycle started now would send: a request joins the running cycle only
    // while this is unchanged.
    virtual QString credentialInUse() const { return m_services.defaults.string(m_credentialKey).value_or(QString()); }

    void deliver(const Record &record)
    {
        m_inFlight = false;
        if (!record.error) {
            m_retryAt.reset();
            m_rateLimitedStreak = 0;
        }
        m_services.scheduler.post([self = QPointer(this), record] {
            if (self && self->UsageSource<Record>::onUsageData)
                self->UsageSource<Record>::onUsageData(record);
        });
    }

    void deliverError(const QString &message) { deliver(Record::failure(message, m_services.clock.now())); }

    void deliverNeedsLogin()
    {
        m_inFlight = false;
        m_services.scheduler.post([self = QPointer(this)] {
            if (self && self->UsageSource<Record>::onNeedsLogin)
                self->UsageSource<Record>::onNeedsLogin();
        });
    }

    // A refused credential asks for a login; every other failure becomes an error record.
    void deliverFailure(const FetchError &error)
    {
        m_rateLimitedStreak = error.isRateLimited() ? m_rateLimitedStreak + 1 : 0;
        if (error.isUnauthorized()) {
            deliverNeedsLogin();
            return;
        }
        const QDateTime now = m_services.clock.now();
        if (error.isRateLimited())
            m_retryAt = RetryAfter::afterRateLimit(error.retryAfter, m_rateLimitedStreak, now);
        else if (const auto at = RetryAfter::instant(error.retryAfter, now))
            m_retryAt = at;
        deliverError(error.message);
    }

    // The stored credential, without blank ends, when it can be sent; otherwise the cycle's outcome
    // is delivered (`missingMessage` for a missing or blank one, `invalidMessage` for one unfit for a header).
    std::optional<QString> usableCredential(const QString &missingMessage, const QString &invalidMessage)
    {
        const std::optional<QString> stored = m_services.defaults.string(m_credentialKey);
        const std::optional<QString> credential = stored ? std::optional(HTTPClient::withoutBlankEnds(*stored)) : std::nullopt;
        if (!credential || credential->isEmpty()) {
            deliverError(missingMessage);
            return std::nullopt;
        }
        if (!HTTPClient::isSafeHeaderValue(*credential)) {
            deliverError(invalidMessage);
            return std::nullopt;
        }
        return credential;
    }

    ResetLabelMaker resetLabelMaker()
    {
        return [this](const QDateTime &resetAt, const QString &prefix) {
            return ResetPhrases::phrase(resetAt, prefix, m_services.clock.now());
        };
    }

    // Runs `step` with the response only while this fetcher still exists and no later cycle
    // has started: an older answer never replaces a newer one.
    std::function<void(FetchResult)> whileCurrent(std::function<void(FetchResult)> step)
    {
        return [self = QPointer(this), generation = m_generation, step = std::move(step)](FetchResult result) {
            if (self && self->m_generation == generation)
                step(std::move(result));
        };
    }

    FetcherServices m_services;

private:
    QString m_credentialKey;
    bool m_inFlight = false;
    bool m_waitingForLoad = false;
    QString m_inFlightCredential;
    quint64 m_generation = 0;
    std::optional<QDateTime> m_retryAt;
    int m_rateLimitedStreak = 0; // refusals for too many requests in a row
    std::optional<Scheduler::TimerId> m_retryTimer; // the request that waits for m_retryAt
};
