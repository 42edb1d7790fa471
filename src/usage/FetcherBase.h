#pragma once

#include "platform/Clock.h"
#include "platform/DefaultsStore.h"
#include "platform/Scheduler.h"
#include "usage/HTTPClient.h"
#include "usage/RelativeTimeFormatter.h"
#include "usage/ResetLabel.h"
#include "usage/UsageSource.h"

#include <QLocale>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

// What a fetcher needs from the outside world.
struct FetcherServices
{
    DefaultsStore &defaults;
    HTTPClient &http;
    Scheduler &scheduler;
    Clock &clock;
    QString localeName = QLocale::system().name(); // of the reset phrases
};

// The delivery half both fetchers share: callbacks run later on the main thread, each read at
// the moment of delivery, and never once the fetcher is gone.
template<typename Record>
class FetcherBase : public QObject, public UsageSource<Record>
{
public:
    const QString base;

protected:
    FetcherBase(const QString &base, const FetcherServices &services, QObject *parent)
        : QObject(parent)
        , base(base)
        , m_services(services)
    {
    }

    void deliver(const Record &record)
    {
        m_services.scheduler.post([self = QPointer(this), record] {
            if (self && self->UsageSource<Record>::onUsageData)
                self->UsageSource<Record>::onUsageData(record);
        });
    }

    void deliverError(const QString &message) { deliver(Record::failure(message, m_services.clock.now())); }

    void deliverNeedsLogin()
    {
        m_services.scheduler.post([self = QPointer(this)] {
            if (self && self->UsageSource<Record>::onNeedsLogin)
                self->UsageSource<Record>::onNeedsLogin();
        });
    }

    // A refused credential asks for a login; every other failure becomes an error record.
    void deliverFailure(const FetchError &error)
    {
        if (error.isUnauthorized())
            deliverNeedsLogin();
        else
            deliverError(error.message);
    }

    // True while the stored credentials are still being read: the cycle then starts once they
    // are, rather than reporting a missing credential.
    bool deferredUntilLoaded()
    {
        if (m_services.defaults.isLoaded())
            return false;
        m_services.defaults.whenLoaded([self = QPointer(this)] {
            if (self)
                self->fetchUsage();
        });
        return true;
    }

    // The stored credential when it can be sent; otherwise the cycle's outcome is delivered
    // (needs login for a missing or empty one, `invalidMessage` for one unfit for a header).
    std::optional<QString> usableCredential(const QString &key, const QString &invalidMessage)
    {
        const std::optional<QString> credential = m_services.defaults.string(key);
        if (!credential || credential->isEmpty()) {
            deliverNeedsLogin();
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
            if (!m_relFmt)
                m_relFmt = std::make_unique<RelativeTimeFormatter>(m_services.localeName);
            return prefix + QLatin1Char(' ') + m_relFmt->phrase(resetAt, m_services.clock.now());
        };
    }

    // Runs `step` with the response only while this fetcher still exists.
    std::function<void(FetchResult)> whileAlive(std::function<void(FetchResult)> step)
    {
        return [self = QPointer(this), step = std::move(step)](FetchResult result) {
            if (self)
                step(std::move(result));
        };
    }

    FetcherServices m_services;

private:
    std::unique_ptr<RelativeTimeFormatter> m_relFmt;
};
