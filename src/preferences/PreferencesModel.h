#pragma once

#include "app/DisplayFormat.h"
#include "app/PanelStyle.h"
#include "preferences/AccountRows.h"
#include "preferences/BrowserImport.h"
#include "preferences/CredentialTest.h"

#include <QObject>
#include <QUrl>

#include <array>

class AppSettings;

// The state and rules behind the Preferences window, free of widgets.
class PreferencesModel final : public QObject
{
    Q_OBJECT
public:
    struct Interval
    {
        const char *label; // untranslated: QCoreApplication::translate("PreferencesModel", label)
        double seconds;
    };
    static constexpr std::array<Interval, 5> intervals{{
        {QT_TRANSLATE_NOOP("PreferencesModel", "1 minute"), 60},
        {QT_TRANSLATE_NOOP("PreferencesModel", "5 minutes"), 300},
        {QT_TRANSLATE_NOOP("PreferencesModel", "15 minutes"), 900},
        {QT_TRANSLATE_NOOP("PreferencesModel", "30 minutes"), 1800},
        {QT_TRANSLATE_NOOP("PreferencesModel", "1 hour"), 3600},
    }};
    static inline const QUrl productSite{QStringLiteral("https://quotabar.app")};

    struct Services
    {
        AppSettings &settings;
        NotificationCenter &notifications;
        Scheduler &scheduler;
        Clock &clock;
        std::function<void()> fetchClaude;
        std::function<void()> fetchOpenAI;
        std::function<void(const QUrl &)> openUrl;
        std::function<QString(const QString &defaultsKey)> storageNote; // where a credential is kept
        std::function<bool(const QString &source)> signInFound; // a command-line tool's sign-in file exists
        // When each fetcher may ask its service again, while it holds back (empty: never holds back).
        std::function<std::optional<QDateTime>()> claudeNextTry;
        std::function<std::optional<QDateTime>()> openAINextTry;
        // The browsers' cookie stores (both empty: no import from a browser is offered).
        BrowserImport::Scan browserScan;
        BrowserImport::Import browserImport;
        // Each provider's accounts (none: the window shows each provider's first account only).
        AccountRows *accountRows = nullptr;
    };

    explicit PreferencesModel(Services services, QObject *parent = nullptr);

    AppSettings &settings() const { return m_services.settings; }
    CredentialTest &claude() { return m_claude; }
    CredentialTest &openAI() { return m_openAI; }
    AccountRows *accountRows() const { return m_services.accountRows; }

    // Each stores the value through the settings, then tells the application.
    void setShowClaude(bool show);
    void setShowOpenAI(bool show);
    void setDisplayFormat(DisplayFormat format);
    void setPanelStyle(PanelStyle style);
    void setPanelItemPerAccount(bool perAccount);
    void setRefreshInterval(double seconds);
    void setLaunchAtLogin(bool enabled);
    void setNotifyLow(bool notify);
    void setNotifyFirstThreshold(int percentLeft);
    void setNotifySecondThreshold(int percentLeft);
    void setNotifyReset(bool notify);
    void setNotifyAvailable(bool notify);
    void setNotifyExpired(bool notify);

    // The picker row of the stored interval, or absent when it is none of the five.
    std::optional<int> intervalIndex() const;

    // Whether "Import from Browser…" is offered.
    bool offersBrowserImport() const { return m_services.browserScan && m_services.browserImport; }
    // Looks into the browsers once, for the import dialog of one provider.
    BrowserImport browserImport(Provider provider);

    static QUrl keyHelpURL(const QString &fragment);
    void openClaudeKeyHelp() const { m_services.openUrl(keyHelpURL(QStringLiteral("faq-connect-claude"))); }
    void openOpenAIKeyHelp() const { m_services.openUrl(keyHelpURL(QStringLiteral("faq-connect-chatgpt"))); }

signals:
    void changed();

private:
    CredentialTest::SignInChoice signInChoice(const QString &toolName, const QString &sourceKey, const QString &source);
    // Stores a new value through the settings, then tells the application; an equal value does nothing.
    template<typename T>
    void change(T (AppSettings::*current)() const, void (AppSettings::*store)(T), T value);

    Services m_services;
    CredentialTest m_claude;
    CredentialTest m_openAI;
};
