#pragma once

#include "platform/Clock.h"
#include "platform/Scheduler.h"

#include <QMetaObject>
#include <QObject>

#include <functional>
#include <optional>

class DefaultsStore;
class NotificationCenter;

// A status message of the Preferences window: green (ok) or orange (error).
struct StatusBadge
{
    enum class Kind { ok, error };
    Kind kind;
    QString text;

    static StatusBadge ok(const QString &text) { return {Kind::ok, text}; }
    static StatusBadge error(const QString &text) { return {Kind::error, text}; }
    bool operator==(const StatusBadge &) const = default;
};

// One provider's credential field, its connection test and its status line.
class CredentialTest final : public QObject
{
    Q_OBJECT
public:
    // A command-line tool whose own sign-in can stand in for the session key.
    struct SignInChoice
    {
        QString toolName;           // "Claude Code" or "Codex"
        QString sourceKey;          // the defaults key that holds the choice
        QString source;             // the value that chooses the sign-in
        std::function<bool()> found; // whether the tool's sign-in file exists
    };

    struct Provider
    {
        QString defaultsKey;                   // "sessionKey" or "openAISessionKey"
        QString resultNotification;            // the controller's fetch-result notification
        std::function<bool()> isExpired;       // the stored expired flag
        std::function<void()> clearExpired;    // sets that flag to false
        std::function<void()> fetchUsage;      // starts one fetch of the shared fetcher
        // While the service has asked to be left alone: when the fetcher may ask it again.
        std::function<std::optional<QDateTime>()> nextTryAt;
        std::function<QString()> storageNote;  // where a stored credential is kept, in words
        std::optional<SignInChoice> signIn;
        QString importedFromKey;               // the defaults key naming the browser a key came from
    };
    struct Services
    {
        DefaultsStore &defaults;
        NotificationCenter &notifications;
        Scheduler &scheduler;
        Clock &clock;
    };

    static constexpr std::chrono::seconds timeout{25};

    // Takes the initial field text and status from what is stored now.
    CredentialTest(Provider provider, Services services, QObject *parent = nullptr);

    const QString &text() const { return m_text; }
    bool isTesting() const { return m_isTesting; }
    const std::optional<StatusBadge> &status() const { return m_status; }
    // Where the stored credential is kept, after the browser it was imported from on a line of its
    // own; empty when none is stored.
    QString storageNote() const;
    // Whether usage comes from the command-line tool's sign-in rather than the session key.
    bool usesSignIn() const;
    // "Found your … sign-in — use it" while it can be chosen; empty otherwise.
    QString signInOffer() const;
    // "Using your … sign-in" while it is in use; empty otherwise.
    QString signInInUse() const;
    // "Test" is offered for a non-empty trimmed text while no test runs.
    bool canTest() const;

    void setText(const QString &text);
    // Stores the trimmed text and tests it; an empty trimmed text does nothing.
    void saveAndTest();
    // Stores a key read from a browser as a pasted one, remembers where it came from, and tests it.
    void saveImportedAndTest(const QString &credential, const QString &source);
    // The browser profile the stored key was imported from ("Firefox (default-release)"); empty
    // for a pasted key.
    QString importedFrom() const;
    void triggerTest(const QString &pendingMessage);
    // One click on the offer: use the tool's sign-in from now on, and test it.
    void useSignIn();
    // Back to the session key.
    void useSessionKey();
    // The remove-key button: forgets the stored credential.
    void removeKey();
    // The expiry watch: an announced `true` marks a stored credential expired unless an error shows.
    void expiredAnnounced(bool expired);

    // Spaces and tabs off both ends; line breaks stay.
    static QString trimmed(const QString &text);

signals:
    void changed();

private:
    // The status line's texts, looked up in the language of the moment.
    static QString testingText();
    static QString connectedText();
    static QString expiredText();

    void takeStored();
    // The status line of an expired credential: the sign-in's own text names its tool.
    QString expiredStatusText() const;
    void finish(const QVariantMap &userInfo);
    void stopObserving();

    Provider m_provider;
    Services m_services;
    QString m_text;
    bool m_isTesting = false;
    std::optional<StatusBadge> m_status;
    QMetaObject::Connection m_resultObserver;
    quint64 m_testNumber = 0; // which test a time-out belongs to
};
