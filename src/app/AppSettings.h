#pragma once

#include "app/DisplayFormat.h"
#include "app/PanelStyle.h"

#include <QObject>

#include <array>
#include <functional>

class DefaultsStore;

// The user's settings, read once from the defaults store and written through on every assignment.
class AppSettings final : public QObject
{
    Q_OBJECT
public:
    using LaunchAtLoginApplier = std::function<void(bool enabled)>;

    // Reads the settings; registers nothing with the system.
    AppSettings(DefaultsStore &defaults, LaunchAtLoginApplier applyLaunchAtLogin, QObject *parent = nullptr);

    // The instance of the running application.
    static AppSettings &shared();

    DefaultsStore &defaults() const { return m_defaults; }

    double refreshInterval() const { return m_refreshInterval; }
    bool launchAtLogin() const { return m_launchAtLogin; }
    DisplayFormat displayFormat() const { return m_displayFormat; }
    PanelStyle panelStyle() const { return m_panelStyle; }
    bool panelItemPerAccount() const { return m_panelItemPerAccount; }
    bool showClaude() const { return m_showClaude; }
    bool showOpenAI() const { return m_showOpenAI; }
    bool claudeSessionExpired() const { return m_claudeSessionExpired; }
    bool openAISessionExpired() const { return m_openAISessionExpired; }

    // Desktop notices: percent-left thresholds come from thresholdChoices (defaults 20 and 5).
    static constexpr std::array<int, 5> thresholdChoices{50, 30, 20, 10, 5};
    bool notifyLow() const { return m_notifyLow; }
    int notifyFirstThreshold() const { return m_notifyFirstThreshold; }
    int notifySecondThreshold() const { return m_notifySecondThreshold; }
    bool notifyReset() const { return m_notifyReset; }
    bool notifyAvailable() const { return m_notifyAvailable; }
    bool notifyExpired() const { return m_notifyExpired; }

    // Every setter stores the value even when it is unchanged, then emits changed().
    void setRefreshInterval(double seconds);
    void setLaunchAtLogin(bool enabled); // also asks the system to (un)register the login item
    void setDisplayFormat(DisplayFormat format);
    void setPanelStyle(PanelStyle style);
    void setPanelItemPerAccount(bool perAccount);
    void setShowClaude(bool show);
    void setShowOpenAI(bool show);
    void setClaudeSessionExpired(bool expired);
    void setOpenAISessionExpired(bool expired);
    void setNotifyLow(bool notify);
    void setNotifyFirstThreshold(int percentLeft);
    void setNotifySecondThreshold(int percentLeft);
    void setNotifyReset(bool notify);
    void setNotifyAvailable(bool notify);
    void setNotifyExpired(bool notify);

signals:
    void changed();
    // Announced at every assignment, equal values included.
    void claudeSessionExpiredSet(bool expired);
    void openAISessionExpiredSet(bool expired);

private:
    // Keeps the value, writes `stored` through under `key`, and tells observers.
    template<typename T>
    void assign(T &property, T value, const QString &key, const QVariant &stored);

    DefaultsStore &m_defaults;
    LaunchAtLoginApplier m_applyLaunchAtLogin;

    double m_refreshInterval;
    bool m_launchAtLogin;
    DisplayFormat m_displayFormat;
    PanelStyle m_panelStyle;
    bool m_panelItemPerAccount;
    bool m_showClaude;
    bool m_showOpenAI;
    bool m_claudeSessionExpired;
    bool m_openAISessionExpired;
    bool m_notifyLow;
    int m_notifyFirstThreshold;
    int m_notifySecondThreshold;
    bool m_notifyReset;
    bool m_notifyAvailable;
    bool m_notifyExpired;
};
