#include "StatusBarController.h"

#include "app/AppSettings.h"
#include "app/Notifications.h"
#include "credentials/CredentialSource.h"
#include "platform/Clock.h"
#include "platform/DefaultsStore.h"
#include "statusbar/TitleView.h"
#include "statusbar/Countdown.h"

#include <QPointer>

#include <algorithm>
#include <cmath>

using namespace std::chrono_literals;

namespace {

constexpr auto silentUpdateCheckDelay = 5s;
constexpr auto unknownResetRetry = 30s;
constexpr auto passedResetRetry = 10s;
constexpr auto wakeFirstRefresh = 2s;
constexpr auto wakeSecondRefresh = 8s;
constexpr auto wakeNetworkWait = 180s;

Scheduler::Duration fromSeconds(double seconds)
{
    return Scheduler::Duration(static_cast<Scheduler::Duration::rep>(std::ceil(seconds * 1000.0)));
}

QVariantMap resultInfo(const std::optional<QString> &error)
{
    return error ? QVariantMap{{Notifications::errorKey, *error}} : QVariantMap{};
}

} // namespace

StatusBarController::StatusBarController(StatusBarServices services, StatusBarCommands commands, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_commands(std::move(commands))
    , m_menu(
          StatusMenu::Actions{
              [this] { m_commands.openPrefs(); },
              [this] { refreshAsked(); },
              [this] { m_commands.checkForUpdates(); },
              [this] { m_commands.openOnboarding(); },
              [this] { m_commands.quit(); },
              [this] {
                  if (m_commands.openHistory)
                      m_commands.openHistory();
              },
          },
          this)
{
    m_services.statusItem.setMenu(m_menu, [self = QPointer(this)] {
        if (self)
            self->menuWillOpen();
    });
    m_services.statusItem.showPlaceholder(QStringLiteral("…"));
    scheduleTimer();
    connect(&m_services.sources, &UsageSources::delivered, this, &StatusBarController::delivered);
    connect(&m_services.sources, &UsageSources::needsLogin, this, &StatusBarController::needsLogin);
    connect(&m_services.accounts, &AccountList::changed, this, &StatusBarController::accountsChanged);
    connect(&m_services.notifications, &NotificationCenter::posted, this, [this](const QString &name) {
        if (name == Notifications::settingsChanged)
            settingsChanged();
    });
    refreshNow();
    m_services.scheduler.after(silentUpdateCheckDelay, [self = QPointer(this)] {
        if (self && self->m_commands.checkSilently)
            self->m_commands.checkSilently();
    });
}

StatusBarController::~StatusBarController()
{
    for (Behind &behind : m_behind)
        cancelTimer(behind.timer);
    cancelTimer(m_refreshTimer);
    cancelTimer(m_countdownTimer);
    cancelTimer(m_graceTimer);
    if (m_wakeNetworkMonitor)
        m_wakeNetworkMonitor->cancel();
}

void StatusBarController::delivered(const AccountId &id, const ProviderUsage &usage)
{
    const std::optional<Account> account = m_services.accounts.find(id);
    if (!account)
        return; // removed while its fetch ran
    const bool first = account->isFirst();
    if (first && !usage.error) {
        if (account->provider == Provider::claude)
            m_services.settings.setClaudeSessionExpired(false);
        else
            m_services.settings.setOpenAISessionExpired(false);
    }
    m_services.records.store(id, usage);
    followPassedReset(id, usage);
    updateDisplay();
    scheduleCountdownTimer();
    if (first)
        m_services.notifications.post(account->provider == Provider::claude ? Notifications::usageFetchResult
                                                                            : Notifications::openAIFetchResult,
                                      resultInfo(usage.error));
}

void StatusBarController::needsLogin(const AccountId &id)
{
    const std::optional<Account> account = m_services.accounts.find(id);
    if (!account)
        return;
    const bool claude = account->provider == Provider::claude;
    if (account->isFirst()) {
        if (claude)
            m_services.settings.setClaudeSessionExpired(true);
        else
            m_services.settings.setOpenAISessionExpired(true);
    }
    m_services.records.storeNeedsLogin(id);
    updateDisplay();
    if (account->isFirst())
        m_services.notifications.post(
            claude ? Notifications::usageFetchResult : Notifications::openAIFetchResult,
            resultInfo(claude ? tr("Session key invalid or expired") : tr("Session token invalid or expired")));
}

std::optional<UsageData> StatusBarController::currentUsage() const
{
    const auto latest = m_services.records.latest(Account::firstId(Provider::claude));
    return latest ? std::optional(latest->claudeRecord()) : std::nullopt;
}

std::optional<OpenAIUsageData> StatusBarController::currentOpenAIUsage() const
{
    const auto latest = m_services.records.latest(Account::firstId(Provider::openAI));
    return latest ? std::optional(latest->openAIRecord()) : std::nullopt;
}

bool StatusBarController::hasOpenAIToken() const
{
    return m_services.accounts.hasCredential(Account::firstId(Provider::openAI));
}

Awaiting StatusBarController::awaiting(Provider provider) const
{
    return m_services.records.awaiting(Account::firstId(provider));
}

void StatusBarController::fetch(const AccountId &id)
{
    const QList<Account> asked = m_services.accounts.fetched();
    if (std::any_of(asked.cbegin(), asked.cend(), [&id](const Account &account) { return account.id == id; }))
        m_services.sources.fetch(id);
}

void StatusBarController::followPassedReset(const AccountId &id, const ProviderUsage &usage)
{
    if (usage.error)
        return; // failures have timers of their own
    Behind &behind = m_behind[id];
    // Only a reset that had passed before the figures were made tells that they are behind; one
    // that passes later is asked about once, by the countdown.
    const auto passedWhenMade = [&usage](const std::optional<QDateTime> &reset) {
        return reset && *reset <= usage.fetchedAt;
    };
    if (!passedWhenMade(usage.sessionResetAt) && !passedWhenMade(usage.longWindow().resetAt)) {
        behind.streak = 0;
        cancelTimer(behind.timer);
        return;
    }
    if (behind.timer)
        return;
    const Scheduler::Duration delay = passedResetRetry * (qint64(1) << std::min(behind.streak, 20));
    if (delay >= fromSeconds(m_services.settings.refreshInterval()))
        return; // the refresh timer asks as often from here on
    ++behind.streak;
    behind.timer = m_services.scheduler.after(delay, [self = QPointer(this), id] {
        if (self) {
            self->m_behind[id].timer.reset();
            self->fetch(id);
        }
    });
}

void StatusBarController::refreshAsked()
{
    const QDateTime now = m_services.clock.now();
    const auto heldUntil = [&now](const std::optional<QDateTime> &next) {
        return next && *next > now ? next : std::nullopt;
    };
    for (const Account &account : m_services.accounts.fetched()) {
        if (const auto next = heldUntil(m_services.sources.nextTryAt(account.id)))
            emit refreshHeld(account.id, *next);
    }
    refreshNow();
}

void StatusBarController::refreshNow()
{
    m_asked.clear();
    for (const Account &account : m_services.accounts.fetched()) {
        m_asked.insert(account.id);
        m_services.sources.fetch(account.id);
    }
}

void StatusBarController::accountsChanged()
{
    // An account added or shown is asked at once; the others keep to their timers, so that
    // finding, renaming or hiding an account costs no request.
    for (const Account &account : m_services.accounts.fetched()) {
        if (!m_asked.contains(account.id)) {
            m_asked.insert(account.id);
            m_services.sources.fetch(account.id);
        }
    }
    // The credentials settling at start have no figures to show yet: the placeholder stays until
    // the first answer, or a change of settings or appearance.
    if (m_titleDrawn)
        updateDisplay();
    else
        refreshMenuContent();
}

std::optional<ProviderUsage> StatusBarController::shownClaude() const
{
    return m_services.records.shown(Account::firstId(Provider::claude));
}

std::optional<ProviderUsage> StatusBarController::shownOpenAI() const
{
    return m_services.records.shown(Account::firstId(Provider::openAI));
}

std::optional<ProviderUsage> StatusBarController::panelFigures(Provider provider) const
{
    return m_services.records.providerFigures(m_services.accounts.of(provider));
}

QList<ProviderUsage> StatusBarController::everyShown() const
{
    QList<ProviderUsage> shown;
    for (const Account &account : m_services.accounts.all()) {
        if (const auto usage = m_services.records.shown(account.id))
            shown.append(*usage);
    }
    return shown;
}

std::chrono::seconds StatusBarController::refreshSeconds() const
{
    return std::chrono::seconds(static_cast<qint64>(m_services.settings.refreshInterval()));
}

void StatusBarController::settingsChanged()
{
    // Figures of a removed credential are nobody's any more.
    for (const Account &account : m_services.accounts.all()) {
        if (m_services.accounts.hasCredential(account.id))
            continue;
        m_services.records.forgetLastGood(account.id);
        if (account.provider == Provider::openAI && account.isFirst())
            m_services.records.clear(account.id);
    }
    scheduleTimer();
    scheduleCountdownTimer();
    updateDisplay();
    refreshNow();
}

void StatusBarController::appearanceChanged()
{
    updateDisplay();
}

void StatusBarController::cancelTimer(std::optional<Scheduler::TimerId> &timer)
{
    if (timer)
        m_services.scheduler.cancel(*timer);
    timer.reset();
}

void StatusBarController::scheduleTimer()
{
    cancelTimer(m_refreshTimer);
    m_refreshTimer = m_services.scheduler.every(fromSeconds(m_services.settings.refreshInterval()),
                                                [self = QPointer(this)] {
                                                    if (self)
                                                        self->refreshNow();
                                                });
}

void StatusBarController::scheduleCountdownTimer()
{
    cancelTimer(m_countdownTimer);
    const DisplayFormat format = m_services.settings.displayFormat();
    if (format != DisplayFormat::sessionAndTimer && format != DisplayFormat::weeklyAndTimer)
        return;

    const bool session = format == DisplayFormat::sessionAndTimer;
    QList<QDateTime> resets;
    QList<QDateTime> passedSinceFetched; // figures that were current and are due again
    for (const ProviderUsage &usage : everyShown()) {
        if (const auto at = session ? usage.sessionResetAt : usage.longWindow().resetAt) {
            resets.append(*at);
            if (*at > usage.fetchedAt)
                passedSinceFetched.append(*at);
        }
    }

    const QPointer self(this);
    // Without a countdown to follow, ask again later; each fallback in a row waits twice as
    // long as the one before, up to the refresh interval.
    const auto refreshLater = [this, self](Scheduler::Duration first) {
        const Scheduler::Duration interval = fromSeconds(m_services.settings.refreshInterval());
        const Scheduler::Duration delay = std::min<Scheduler::Duration>(first * (1 << std::min(m_fallbackStreak, 20)), interval);
        m_countdownTimer = m_services.scheduler.after(delay, [self] {
            if (self) {
                ++self->m_fallbackStreak;
                self->refreshNow();
            }
        });
    };
    if (resets.isEmpty()) {
        refreshLater(unknownResetRetry);
        return;
    }

    const QDateTime now = m_services.clock.now();
    bool passed = false;
    bool passedUnderCurrent = false;
    bool passedUnasked = false;
    std::optional<double> soonest;
    for (const QDateTime &reset : resets) {
        const double remaining = now.msecsTo(reset) / 1000.0;
        if (remaining <= 0) {
            passed = true;
            if (passedSinceFetched.contains(reset)) {
                passedUnderCurrent = true;
                passedUnasked = passedUnasked || !m_refreshedPassedResets.contains(reset);
            }
            continue;
        }
        const double interval = Countdown::intervalToNextBoundary(remaining);
        soonest = soonest ? std::min(*soonest, interval) : interval;
    }
    // A reset that passes under current figures asks for fresh ones once; figures that named it
    // as passed already are asked for again by followPassedReset, and a record that keeps it (a
    // provider that is failing, a token that was removed) waits for the timers.
    m_refreshedPassedResets.removeIf([&resets](const QDateTime &reset) { return !resets.contains(reset); });
    for (const QDateTime &reset : resets) {
        if (now >= reset)
            m_refreshedPassedResets.insert(reset);
    }
    if (passedUnasked)
        refreshNow();
    if (soonest) {
        m_fallbackStreak = 0;
        m_countdownTimer = m_services.scheduler.after(fromSeconds(*soonest), [self] {
            if (self) {
                self->updateDisplay();
                self->scheduleCountdownTimer();
            }
        });
    } else if (!passed || passedUnderCurrent) {
        refreshLater(passed ? passedResetRetry : unknownResetRetry);
    }
}

void StatusBarController::updateDisplay()
{
    // Rows stay current at all times: some hosts show their last copy without asking for fresh
    // rows, and some never say that the menu closed. Unchanged rows send nothing.
    refreshMenuContent();
    const AppSettings &settings = m_services.settings;
    TitleInputs title{
        settings.displayFormat(),
        m_services.accounts.anyShown(Provider::claude),
        m_services.accounts.anyShown(Provider::openAI),
        panelFigures(Provider::claude),
        panelFigures(Provider::openAI),
        m_services.clock.now(),
    };
    if (settings.panelItemPerAccount()) {
        QList<AccountTitle> accounts;
        for (const Account &account : m_services.accounts.all()) {
            if (account.shown)
                accounts.append({account, m_services.records.shown(account.id)});
        }
        title.accounts = accounts;
    }
    m_services.statusItem.showTitle(Title::make(title));
    m_titleDrawn = true;
    scheduleGraceEnd();
    emit displayUpdated();
}

void StatusBarController::scheduleGraceEnd()
{
    // Last good figures give way to the failure once too old or past a reset, failing tries or not.
    cancelTimer(m_graceTimer);
    const QDateTime now = m_services.clock.now();
    std::optional<QDateTime> end;
    for (const ProviderUsage &usage : everyShown()) {
        if (!usage.failedTry)
            continue;
        // Figures held through a service's wait stand until the next try, at least.
        QDateTime graceEnd = usage.fetchedAt.addSecs(ProviderUsage::grace(refreshSeconds()).count() + 1);
        if (usage.nextTryAt)
            graceEnd = std::max(graceEnd, usage.nextTryAt->addSecs(1));
        QList<QDateTime> limits{graceEnd};
        for (const auto &reset : {usage.sessionResetAt, usage.weeklyResetAt}) {
            if (reset)
                limits.append(*reset);
        }
        for (const QDateTime &limit : std::as_const(limits))
            end = end ? std::min(*end, limit) : limit;
    }
    if (!end)
        return;
    m_graceTimer = m_services.scheduler.after(std::chrono::milliseconds(std::max<qint64>(0, now.msecsTo(*end))),
                                              [self = QPointer(this)] {
                                                  if (self) {
                                                      self->m_graceTimer.reset();
                                                      self->updateDisplay();
                                                  }
                                              });
}

void StatusBarController::clockChanged()
{
    // Timers measure time that passes while awake: what the wall clock says now must be redrawn.
    updateDisplay();
    scheduleCountdownTimer();
}

void StatusBarController::systemDidWake()
{
    clockChanged();
    scheduleTimer();
    if (m_wakeNetworkMonitor)
        m_wakeNetworkMonitor->cancel();
    m_wakeNetworkMonitor = m_services.makeNetworkMonitor();
    const std::weak_ptr<NetworkPathMonitor> monitor = m_wakeNetworkMonitor;
    const auto fired = std::make_shared<bool>(false);
    const QPointer self(this);
    Scheduler &scheduler = m_services.scheduler;

    const auto refreshAfter = [&scheduler, self](Scheduler::Duration delay) {
        scheduler.after(delay, [self] {
            if (self)
                self->refreshNow();
        });
    };
    m_wakeNetworkMonitor->start([fired, monitor, refreshAfter](bool satisfied) {
        if (!satisfied || *fired)
            return;
        *fired = true;
        refreshAfter(wakeFirstRefresh);
        refreshAfter(wakeSecondRefresh);
        if (const auto running = monitor.lock())
            running->cancel();
    });
    scheduler.after(wakeNetworkWait, [fired, monitor] {
        if (*fired)
            return;
        if (const auto running = monitor.lock())
            running->cancel();
    });
}

void StatusBarController::menuWillOpen()
{
    refreshMenuContent();
}

void StatusBarController::refreshMenuContent()
{
    const QDateTime now = m_services.clock.now();
    const DefaultsStore &defaults = m_services.settings.defaults();
    // Without figures the last row says why: nothing is known yet, or the credential was refused.
    const auto whyNone = [this](Provider provider, const QString &source) {
        const Awaiting waiting = awaiting(provider);
        return waiting == Awaiting::nothing ? CredentialSource::expiredText(source) : MenuTexts::awaiting(waiting);
    };
    // Only a locked keyring, of all waits, is the user's to act on.
    const auto warns = [this](Provider provider) {
        const Awaiting waiting = awaiting(provider);
        return waiting == Awaiting::nothing || waiting == Awaiting::keyringUnlock;
    };
    // A first account the user named is headed by its label, as the others are.
    for (const ProviderIdentity &identity : Providers::all) {
        const Account first = m_services.accounts.of(identity.provider).constFirst();
        m_menu.labelFirstAccount(identity.provider, first.label != identity.name ? std::optional(first.label) : std::nullopt);
    }
    m_menu.showClaude(shownClaude(), now, whyNone(Provider::claude, CredentialSource::claude(defaults)),
                      warns(Provider::claude));
    m_menu.showOpenAI(hasOpenAIToken(), shownOpenAI(), now, whyNone(Provider::openAI, CredentialSource::openAI(defaults)),
                      warns(Provider::openAI));
    QList<StatusMenu::AccountSection> sections;
    for (const Account &account : m_services.accounts.all()) {
        if (account.isFirst() || !account.shown)
            continue;
        const Awaiting waiting = m_services.records.awaiting(account.id);
        const bool hasCredential = m_services.accounts.hasCredential(account.id);
        const QString whyNone = !hasCredential            ? tr("No key — add one in Preferences")
                              : waiting != Awaiting::nothing ? MenuTexts::awaiting(waiting)
                                                             : QString();
        sections.append({account.id, account.provider, account.label, m_services.records.shown(account.id), whyNone,
                         waiting == Awaiting::nothing || waiting == Awaiting::keyringUnlock});
    }
    m_menu.showAccounts(sections, now);
}
