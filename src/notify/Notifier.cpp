#include "Notifier.h"

#include "app/AppSettings.h"
#include "app/Providers.h"
#include "platform/Clock.h"
#include "credentials/CredentialSource.h"
#include "platform/DefaultsStore.h"
#include "platform/DesktopNotices.h"
#include "accounts/UsageRecords.h"

Notifier::Notifier(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_rules(m_services.clock,
              {m_services.settings.claudeSessionExpired(), m_services.settings.openAISessionExpired()})
{
    AppSettings &settings = m_services.settings;
    connect(&settings, &AppSettings::claudeSessionExpiredSet, this,
            [this](bool expired) { expiredSet(Provider::claude, expired); });
    connect(&settings, &AppSettings::openAISessionExpiredSet, this,
            [this](bool expired) { expiredSet(Provider::openAI, expired); });
    m_services.desktop.setActionHandler([open = m_services.openPreferences](const QString &action) {
        if (action == openPreferencesAction && open)
            open();
    });
}

void Notifier::follow(const UsageRecords &records, const AccountList &accounts)
{
    m_accounts = &accounts;
    connect(&records, &UsageRecords::recordStored, this, [this, &records, &accounts](const AccountId &id) {
        const std::optional<Account> account = accounts.find(id);
        const std::optional<ProviderUsage> usage = records.latest(id);
        if (!account || !usage || !usage->usable())
            return;
        // Each account's windows are its own; its label is named once the provider shows several.
        const QList<Account> siblings = accounts.of(account->provider);
        const bool several = std::count_if(siblings.cbegin(), siblings.cend(), [](const Account &a) { return a.shown; }) > 1;
        const bool named = account->label != Providers::of(account->provider).name;
        std::optional<NoticeRules::AccountScope> scope;
        if (!account->isFirst() || (several && named))
            scope = NoticeRules::AccountScope{account->isFirst() ? QString() : account->id, account->label, account->shown};
        for (const Notice &notice : m_rules.observe(account->provider, *usage, noticeSettings(), scope))
            show(notice);
        scheduleDue();
    });
}

void Notifier::refreshHeld(const AccountId &id, const QDateTime &nextTryAt)
{
    // A Refresh Now that sent nothing says so, rather than seeming to do nothing.
    const std::optional<Account> account = m_accounts ? m_accounts->find(id) : std::nullopt;
    if (account && account->isFirst())
        show(m_rules.held(account->provider, nextTryAt));
}

void Notifier::scheduleDue()
{
    if (m_dueTimer)
        m_services.scheduler.cancel(*m_dueTimer);
    m_dueTimer.reset();
    const auto due = m_rules.nextDue();
    if (!due)
        return;
    // A second late, so the reset instant has surely passed by the clock the rules read.
    const qint64 delay = std::max<qint64>(0, m_services.clock.now().msecsTo(*due)) + 1000;
    m_dueTimer = m_services.scheduler.after(std::chrono::milliseconds(delay), [this] {
        m_dueTimer.reset();
        for (const Notice &notice : m_rules.due(noticeSettings()))
            show(notice);
        scheduleDue();
    });
}

NoticeSettings Notifier::noticeSettings() const
{
    const AppSettings &settings = m_services.settings;
    return {settings.notifyLow(),
            {settings.notifyFirstThreshold(), settings.notifySecondThreshold()},
            settings.notifyReset(),
            settings.notifyExpired(),
            settings.showClaude(),
            settings.showOpenAI(),
            settings.notifyAvailable()};
}

void Notifier::expiredSet(Provider provider, bool expired)
{
    const DefaultsStore &defaults = m_services.settings.defaults();
    const QString importedFrom = defaults
                                     .string(provider == Provider::claude ? DefaultsKeys::sessionKeyImportedFrom
                                                                          : DefaultsKeys::openAISessionKeyImportedFrom)
                                     .value_or(QString());
    if (const auto notice = m_rules.expiredSet(provider, expired, CredentialSource::isStored(provider, defaults),
                                               noticeSettings(), CredentialSource::of(provider, defaults), importedFrom))
        show(*notice);
}

void Notifier::show(const Notice &notice)
{
    DesktopNotice desktop{notice.summary, notice.body, {}};
    if (notice.offersPreferences)
        desktop.actions.append({openPreferencesAction, tr("Open Preferences")});
    m_services.desktop.show(notice.tag, desktop);
}
