#include "StatusService.h"

#include "app/AppSettings.h"
#include "credentials/CredentialSource.h"
#include "platform/Clock.h"
#include "platform/DefaultsStore.h"
#include "statusbar/PanelPresenter.h"
#include "statusbar/StatusBarController.h"

#include <QPointer>

namespace {

// The report as a listener compares it: without the instants that move at every refresh though
// nothing shown changed (the rows already say how old the figures are).
QJsonObject withoutInstants(QJsonObject status)
{
    status.remove(QStringLiteral("generatedAt"));
    QJsonObject providers = status.value(QStringLiteral("providers")).toObject();
    for (auto it = providers.begin(); it != providers.end(); ++it) {
        QJsonObject provider = it.value().toObject();
        provider.remove(QStringLiteral("fetchedAt"));
        it.value() = provider;
    }
    status.insert(QStringLiteral("providers"), providers);
    return status;
}

} // namespace

StatusService::StatusService(Services services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
    connect(&m_services.controller, &StatusBarController::displayUpdated, this, &StatusService::redrawn);
    connect(&m_services.controller, &StatusBarController::recordStored, this, &StatusService::reported);
}

StatusService::~StatusService()
{
    for (const PendingRefresh &pending : std::as_const(m_pending))
        m_services.scheduler.cancel(pending.limit);
}

QJsonObject StatusService::status() const
{
    const AppSettings &settings = m_services.settings;
    const StatusBarController &controller = m_services.controller;
    return StatusReport::build(StatusInputs{
        TitleInputs{
            settings.displayFormat(),
            settings.showClaude(),
            settings.showOpenAI(),
            controller.shownClaude(),
            controller.shownOpenAI(),
            m_services.clock.now(),
        },
        settings.claudeSessionExpired(),
        settings.openAISessionExpired(),
        CredentialSource::claude(settings.defaults()),
        CredentialSource::openAI(settings.defaults()),
        controller.awaiting(Provider::claude),
        controller.awaiting(Provider::openAI),
        warnings(),
        static_cast<qint64>(settings.refreshInterval()) + PanelPresenter::lateAfterSeconds,
    });
}

QStringList StatusService::warnings() const
{
    QStringList warnings;
    if (const auto settingsFailure = m_services.settings.defaults().writeFailure())
        warnings.append(*settingsFailure);
    if (m_services.historyWriteFailure) {
        if (const auto historyFailure = m_services.historyWriteFailure())
            warnings.append(*historyFailure);
    }
    return warnings;
}

void StatusService::refresh(std::function<void()> done)
{
    // A provider that must wait before it is asked again is not asked now: the status says until when.
    const auto waiting = [now = m_services.clock.now()](const std::optional<ProviderUsage> &usage) {
        return usage && usage->nextTryAt && *usage->nextTryAt > now;
    };
    const StatusBarController &controller = m_services.controller;
    PendingRefresh pending{++m_nextId, waiting(controller.shownClaude()),
                           !controller.hasOpenAIToken() || waiting(controller.shownOpenAI()), 0, std::move(done)};
    pending.limit = m_services.scheduler.after(refreshLimit, [self = QPointer(this), id = pending.id] {
        if (self)
            self->answer(true, id);
    });
    m_pending.append(std::move(pending));
    m_services.controller.refreshNow();
    answer(false);
}

void StatusService::redrawn()
{
    QJsonObject now = withoutInstants(status());
    if (now == m_lastTold)
        return;
    m_lastTold = std::move(now);
    emit changed();
}

void StatusService::reported(Provider provider)
{
    const bool claude = provider == Provider::claude;
    const bool openAI = provider == Provider::openAI;
    for (PendingRefresh &pending : m_pending) {
        pending.claudeReported = pending.claudeReported || claude;
        pending.openAIReported = pending.openAIReported || openAI;
    }
    answer(false);
}

void StatusService::answer(bool all, std::optional<quint64> onlyId)
{
    QList<std::function<void()>> answers;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        const bool chosen = !onlyId || it->id == *onlyId;
        if (chosen && (all || (it->claudeReported && it->openAIReported))) {
            m_services.scheduler.cancel(it->limit);
            answers.append(std::move(it->done));
            it = m_pending.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto &done : answers)
        done();
}
