#include "AppSettings.h"

#include "app/DefaultsKeys.h"
#include "platform/DefaultsStore.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double defaultRefreshInterval = 300.0;
// The range of intervals Preferences offers; a hand-edited value is held to it.
constexpr double shortestRefreshInterval = 60.0;
constexpr double longestRefreshInterval = 3600.0;

double boundedInterval(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return defaultRefreshInterval;
    return std::clamp(seconds, shortestRefreshInterval, longestRefreshInterval);
}

bool switchValue(const DefaultsStore &defaults, const QString &key)
{
    const QVariant stored = defaults.object(key);
    return stored.typeId() == QMetaType::Bool ? stored.toBool() : true;
}

int thresholdValue(const DefaultsStore &defaults, const QString &key, int fallback)
{
    const double stored = defaults.number(key);
    const auto &choices = AppSettings::thresholdChoices;
    return std::find(choices.begin(), choices.end(), stored) != choices.end() ? static_cast<int>(stored) : fallback;
}

} // namespace

AppSettings::AppSettings(DefaultsStore &defaults, LaunchAtLoginApplier applyLaunchAtLogin, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_applyLaunchAtLogin(std::move(applyLaunchAtLogin))
{
    m_refreshInterval = boundedInterval(defaults.number(DefaultsKeys::refreshInterval));
    m_launchAtLogin = defaults.boolean(DefaultsKeys::launchAtLogin);
    m_displayFormat = DisplayFormats::fromRawValue(defaults.string(DefaultsKeys::displayFormat).value_or(QString()))
                          .value_or(DisplayFormat::both);
    m_panelStyle = PanelStyles::fromRawValue(defaults.string(DefaultsKeys::panelStyle).value_or(QString()))
                       .value_or(PanelStyle::automatic);
    m_panelItemPerAccount = defaults.boolean(DefaultsKeys::panelItemPerAccount);
    m_showClaude = switchValue(defaults, DefaultsKeys::showClaude);
    m_showOpenAI = switchValue(defaults, DefaultsKeys::showOpenAI);
    m_claudeSessionExpired = defaults.boolean(DefaultsKeys::claudeSessionExpired);
    m_openAISessionExpired = defaults.boolean(DefaultsKeys::openAISessionExpired);
    m_notifyLow = switchValue(defaults, DefaultsKeys::notifyLow);
    m_notifyFirstThreshold = thresholdValue(defaults, DefaultsKeys::notifyFirstThreshold, 20);
    m_notifySecondThreshold = thresholdValue(defaults, DefaultsKeys::notifySecondThreshold, 5);
    m_notifyReset = defaults.boolean(DefaultsKeys::notifyReset);
    m_notifyAvailable = switchValue(defaults, DefaultsKeys::notifyAvailable);
    m_notifyExpired = switchValue(defaults, DefaultsKeys::notifyExpired);
}

template<typename T>
void AppSettings::assign(T &property, T value, const QString &key, const QVariant &stored)
{
    property = value;
    m_defaults.setObject(key, stored);
    emit changed();
}

void AppSettings::setRefreshInterval(double seconds)
{
    seconds = boundedInterval(seconds);
    assign(m_refreshInterval, seconds, DefaultsKeys::refreshInterval, seconds);
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
    assign(m_displayFormat, format, DefaultsKeys::displayFormat, DisplayFormats::rawValue(format));
}

void AppSettings::setPanelStyle(PanelStyle style)
{
    assign(m_panelStyle, style, DefaultsKeys::panelStyle, PanelStyles::rawValue(style));
}

void AppSettings::setPanelItemPerAccount(bool perAccount)
{
    assign(m_panelItemPerAccount, perAccount, DefaultsKeys::panelItemPerAccount, perAccount);
}

void AppSettings::setShowClaude(bool show)
{
    assign(m_showClaude, show, DefaultsKeys::showClaude, show);
}

void AppSettings::setShowOpenAI(bool show)
{
    assign(m_showOpenAI, show, DefaultsKeys::showOpenAI, show);
}

void AppSettings::setClaudeSessionExpired(bool expired)
{
    assign(m_claudeSessionExpired, expired, DefaultsKeys::claudeSessionExpired, expired);
    emit claudeSessionExpiredSet(expired);
}

void AppSettings::setOpenAISessionExpired(bool expired)
{
    assign(m_openAISessionExpired, expired, DefaultsKeys::openAISessionExpired, expired);
    emit openAISessionExpiredSet(expired);
}

void AppSettings::setNotifyLow(bool notify)
{
    assign(m_notifyLow, notify, DefaultsKeys::notifyLow, notify);
}

void AppSettings::setNotifyFirstThreshold(int percentLeft)
{
    assign(m_notifyFirstThreshold, percentLeft, DefaultsKeys::notifyFirstThreshold, double(percentLeft));
}

void AppSettings::setNotifySecondThreshold(int percentLeft)
{
    assign(m_notifySecondThreshold, percentLeft, DefaultsKeys::notifySecondThreshold, double(percentLeft));
}

void AppSettings::setNotifyReset(bool notify)
{
    assign(m_notifyReset, notify, DefaultsKeys::notifyReset, notify);
}

void AppSettings::setNotifyAvailable(bool notify)
{
    assign(m_notifyAvailable, notify, DefaultsKeys::notifyAvailable, notify);
}

void AppSettings::setNotifyExpired(bool notify)
{
    assign(m_notifyExpired, notify, DefaultsKeys::notifyExpired, notify);
}
