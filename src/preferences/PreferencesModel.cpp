#include "PreferencesModel.h"

#include "app/AppSettings.h"
#include "app/DefaultsKeys.h"
#include "app/Notifications.h"
#include "credentials/CredentialSource.h"

PreferencesModel::PreferencesModel(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_claude(
          CredentialTest::Provider{
              DefaultsKeys::sessionKey,
              Notifications::usageFetchResult,
              [this] { return m_services.settings.claudeSessionExpired(); },
              [this] { m_services.settings.setClaudeSessionExpired(false); },
              m_services.fetchClaude,
              m_services.claudeNextTry,
              [this] { return m_services.storageNote ? m_services.storageNote(DefaultsKeys::sessionKey) : QString(); },
              signInChoice(QStringLiteral("Claude Code"), CredentialSource::claudeKey, CredentialSource::claudeCode),
              DefaultsKeys::sessionKeyImportedFrom,
          },
          CredentialTest::Services{m_services.settings.defaults(), m_services.notifications, m_services.scheduler,
                                   m_services.clock},
          this)
    , m_openAI(
          CredentialTest::Provider{
              DefaultsKeys::openAISessionKey,
              Notifications::openAIFetchResult,
              [this] { return m_services.settings.openAISessionExpired(); },
              [this] { m_services.settings.setOpenAISessionExpired(false); },
              m_services.fetchOpenAI,
              m_services.openAINextTry,
              [this] { return m_services.storageNote ? m_services.storageNote(DefaultsKeys::openAISessionKey) : QString(); },
              signInChoice(QStringLiteral("Codex"), CredentialSource::openAIKey, CredentialSource::codex),
              DefaultsKeys::openAISessionKeyImportedFrom,
          },
          CredentialTest::Services{m_services.settings.defaults(), m_services.notifications, m_services.scheduler,
                                   m_services.clock},
          this)
{
    AppSettings &settings = m_services.settings;
    connect(&settings, &AppSettings::claudeSessionExpiredSet, &m_claude, &CredentialTest::expiredAnnounced);
    connect(&settings, &AppSettings::openAISessionExpiredSet, &m_openAI, &CredentialTest::expiredAnnounced);
    // The watch starts with the values in force.
    m_claude.expiredAnnounced(settings.claudeSessionExpired());
    m_openAI.expiredAnnounced(settings.openAISessionExpired());
    connect(&settings, &AppSettings::changed, this, &PreferencesModel::changed);
    connect(&m_claude, &CredentialTest::changed, this, &PreferencesModel::changed);
    connect(&m_openAI, &CredentialTest::changed, this, &PreferencesModel::changed);
}

CredentialTest::SignInChoice PreferencesModel::signInChoice(const QString &toolName, const QString &sourceKey,
                                                           const QString &source)
{
    return {toolName, sourceKey, source,
            [this, source] { return m_services.signInFound && m_services.signInFound(source); }};
}

template<typename T>
void PreferencesModel::change(T (AppSettings::*current)() const, void (AppSettings::*store)(T), T value)
{
    AppSettings &settings = m_services.settings;
    if ((settings.*current)() == value)
        return;
    (settings.*store)(value);
    m_services.notifications.post(Notifications::settingsChanged);
}

void PreferencesModel::setShowClaude(bool show)
{
    change(&AppSettings::showClaude, &AppSettings::setShowClaude, show);
}

void PreferencesModel::setShowOpenAI(bool show)
{
    change(&AppSettings::showOpenAI, &AppSettings::setShowOpenAI, show);
}

void PreferencesModel::setDisplayFormat(DisplayFormat format)
{
    change(&AppSettings::displayFormat, &AppSettings::setDisplayFormat, format);
}

void PreferencesModel::setPanelItemPerAccount(bool perAccount)
{
    change(&AppSettings::panelItemPerAccount, &AppSettings::setPanelItemPerAccount, perAccount);
}

void PreferencesModel::setPanelStyle(PanelStyle style)
{
    change(&AppSettings::panelStyle, &AppSettings::setPanelStyle, style);
}

void PreferencesModel::setRefreshInterval(double seconds)
{
    change(&AppSettings::refreshInterval, &AppSettings::setRefreshInterval, seconds);
}

void PreferencesModel::setLaunchAtLogin(bool enabled)
{
    change(&AppSettings::launchAtLogin, &AppSettings::setLaunchAtLogin, enabled);
}

void PreferencesModel::setNotifyLow(bool notify)
{
    change(&AppSettings::notifyLow, &AppSettings::setNotifyLow, notify);
}

void PreferencesModel::setNotifyFirstThreshold(int percentLeft)
{
    change(&AppSettings::notifyFirstThreshold, &AppSettings::setNotifyFirstThreshold, percentLeft);
}

void PreferencesModel::setNotifySecondThreshold(int percentLeft)
{
    change(&AppSettings::notifySecondThreshold, &AppSettings::setNotifySecondThreshold, percentLeft);
}

void PreferencesModel::setNotifyReset(bool notify)
{
    change(&AppSettings::notifyReset, &AppSettings::setNotifyReset, notify);
}

void PreferencesModel::setNotifyAvailable(bool notify)
{
    change(&AppSettings::notifyAvailable, &AppSettings::setNotifyAvailable, notify);
}

void PreferencesModel::setNotifyExpired(bool notify)
{
    change(&AppSettings::notifyExpired, &AppSettings::setNotifyExpired, notify);
}

BrowserImport PreferencesModel::browserImport(Provider provider)
{
    return BrowserImport(provider, m_services.browserScan, m_services.browserImport,
                         provider == Provider::claude ? m_claude : m_openAI);
}

std::optional<int> PreferencesModel::intervalIndex() const
{
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        if (intervals[i].seconds == m_services.settings.refreshInterval())
            return static_cast<int>(i);
    }
    return std::nullopt;
}

QUrl PreferencesModel::keyHelpURL(const QString &fragment)
{
    QUrl url = productSite;
    url.setPath(QStringLiteral("/"));
    url.setFragment(fragment);
    return url;
}
