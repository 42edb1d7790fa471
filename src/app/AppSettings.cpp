#include "AppSettings.h"

#include "app/DefaultsKeys.h"
#include "platform/DefaultsStore.h"

namespace {

constexpr double defaultRefreshInterval = 300.0;

bool switchValue(const DefaultsStore &defaults, const QString &key)
{
    const QVariant stored = defaults.object(key);
    return stored.typeId() == QMetaType::Bool ? stored.toBool() : true;
}

} // namespace

AppSettings::AppSettings(DefaultsStore &defaults, LaunchAtLoginApplier applyLaunchAtLogin, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_applyLaunchAtLogin(std::move(applyLaunchAtLogin))
{
    const double interval = defaults.number(DefaultsKeys::refreshInterval);
    m_refreshInterval = interval > 0 ? interval : defaultRefreshInterval;
    m_launchAtLogin = defaults.boolean(DefaultsKeys::launchAtLogin);
    m_displayFormat = DisplayFormats::fromRawValue(defaults.string(DefaultsKeys::displayFormat).value_or(QString()))
                          .value_or(DisplayFormat::both);
    m_showClaude = switchValue(defaults, DefaultsKeys::showClaude);
    m_showOpenAI = switchValue(defaults, DefaultsKeys::showOpenAI);
    m_claudeSessionExpired = defaults.boolean(DefaultsKeys::claudeSessionExpired);
    m_openAISessionExpired = defaults.boolean(DefaultsKeys::openAISessionExpired);
}

void AppSettings::setRefreshInterval(double seconds)
{
    m_refreshInterval = seconds;
    m_defaults.setNumber(DefaultsKeys::refreshInterval, seconds);
    emit changed();
}

void AppSettings::setLaunchAtLogin(bool enabled)
{
    m_launchAtLogin = enabled;
    m_defaults.setBoolean(DefaultsKeys::launchAtLogin, enabled);
    if (m_applyLaunchAtLogin)
        m_applyLaunchAtLogin(enabled);
    emit changed();
}

void AppSettings::setDisplayFormat(DisplayFormat format)
{
    m_displayFormat = format;
    m_defaults.setString(DefaultsKeys::displayFormat, DisplayFormats::rawValue(format));
    emit changed();
}

void AppSettings::setShowClaude(bool show)
{
    m_showClaude = show;
    m_defaults.setBoolean(DefaultsKeys::showClaude, show);
    emit changed();
}

void AppSettings::setShowOpenAI(bool show)
{
    m_showOpenAI = show;
    m_defaults.setBoolean(DefaultsKeys::showOpenAI, show);
    emit changed();
}

void AppSettings::setClaudeSessionExpired(bool expired)
{
    m_claudeSessionExpired = expired;
    m_defaults.setBoolean(DefaultsKeys::claudeSessionExpired, expired);
    emit changed();
    emit claudeSessionExpiredSet(expired);
}

void AppSettings::setOpenAISessionExpired(bool expired)
{
    m_openAISessionExpired = expired;
    m_defaults.setBoolean(DefaultsKeys::openAISessionExpired, expired);
    emit changed();
    emit openAISessionExpiredSet(expired);
}
