#include "CredentialTest.h"

#include "app/DefaultsKeys.h"
#include "app/Notifications.h"
#include "credentials/CredentialSource.h"
#include "platform/DefaultsStore.h"
#include "usage/Figures.h"
#include "usage/HTTPClient.h"

#include <QPointer>

CredentialTest::CredentialTest(Provider provider, Services services, QObject *parent)
    : QObject(parent)
    , m_provider(std::move(provider))
    , m_services(services)
{
    takeStored();
    // A keyring may answer after the window opened; what the user typed meanwhile stays.
    if (!m_services.defaults.isLoaded()) {
        m_services.defaults.whenLoaded([self = QPointer(this)] {
            if (!self || !self->m_text.isEmpty() || self->m_isTesting)
                return;
            self->takeStored();
            emit self->changed();
        });
    }
}

void CredentialTest::takeStored()
{
    const std::optional<QString> stored = m_services.defaults.string(m_provider.defaultsKey);
    m_text = stored.value_or(QString());
    if (stored || usesSignIn())
        m_status = m_provider.isExpired() ? StatusBadge::error(expiredStatusText()) : StatusBadge::ok(connectedText());
}

QString CredentialTest::expiredStatusText() const
{
    // An expired sign-in is mended in the tool's terminal, not by a new key; an imported key by
    // importing it again once the browser has signed in anew.
    if (usesSignIn())
        return CredentialSource::expiredText(m_provider.signIn->source);
    const QString source = importedFrom();
    if (source.isEmpty())
        return expiredText();
    //: %1 is a browser profile, e.g. "Firefox (default-release)"
    return tr("Session expired - import again from %1").arg(source);
}

QString CredentialTest::testingText()
{
    return tr("Testing…");
}

QString CredentialTest::connectedText()
{
    //: The key was tried and the service answered
    return tr("Connected");
}

QString CredentialTest::expiredText()
{
    return tr("Session expired - check your key");
}

QString CredentialTest::importedFrom() const
{
    if (m_provider.importedFromKey.isEmpty())
        return {};
    return m_services.defaults.string(m_provider.importedFromKey).value_or(QString());
}

QString CredentialTest::storageNote() const
{
    const bool stored = !m_services.defaults.string(m_provider.defaultsKey).value_or(QString()).isEmpty();
    const QString where = stored && m_provider.storageNote ? m_provider.storageNote() : QString();
    const QString source = stored ? importedFrom() : QString();
    if (source.isEmpty())
        return where;
    //: %1 is a browser profile, e.g. "Firefox (default-release)"
    const QString imported = tr("Imported from %1").arg(source);
    if (where.isEmpty())
        return imported;
    return imported + QLatin1Char('\n') + where;
}

QString CredentialTest::trimmed(const QString &text)
{
    return HTTPClient::withoutBlankEnds(text);
}

bool CredentialTest::canTest() const
{
    return !m_isTesting && !trimmed(m_text).isEmpty();
}

void CredentialTest::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit changed();
}

void CredentialTest::saveAndTest()
{
    const QString credential = trimmed(m_text);
    if (credential.isEmpty())
        return;
    if (usesSignIn())
        m_services.defaults.remove(m_provider.signIn->sourceKey); // a key saved is a key to use
    // A key typed or pasted over an imported one no longer comes from the browser.
    if (!m_provider.importedFromKey.isEmpty() && m_services.defaults.string(m_provider.defaultsKey) != credential)
        m_services.defaults.remove(m_provider.importedFromKey);
    m_services.defaults.setString(m_provider.defaultsKey, credential);
    triggerTest(testingText());
}

void CredentialTest::saveImportedAndTest(const QString &credential, const QString &source)
{
    if (credential.isEmpty())
        return;
    m_text = credential;
    if (usesSignIn())
        m_services.defaults.remove(m_provider.signIn->sourceKey);
    m_services.defaults.setString(m_provider.defaultsKey, credential);
    if (!m_provider.importedFromKey.isEmpty())
        m_services.defaults.setString(m_provider.importedFromKey, source);
    triggerTest(testingText());
}

bool CredentialTest::usesSignIn() const
{
    return m_provider.signIn && m_services.defaults.string(m_provider.signIn->sourceKey) == m_provider.signIn->source;
}

QString CredentialTest::signInOffer() const
{
    if (!m_provider.signIn || usesSignIn() || !m_provider.signIn->found())
        return {};
    //: %1 is the command-line tool (Claude Code, Codex)
    return tr("Found your %1 sign-in — use it").arg(m_provider.signIn->toolName);
}

QString CredentialTest::signInInUse() const
{
    if (!usesSignIn())
        return {};
    //: %1 is the command-line tool (Claude Code, Codex)
    return tr("Using your %1 sign-in").arg(m_provider.signIn->toolName);
}

void CredentialTest::useSignIn()
{
    if (!m_provider.signIn)
        return;
    m_services.defaults.setString(m_provider.signIn->sourceKey, m_provider.signIn->source);
    triggerTest(testingText());
}

void CredentialTest::useSessionKey()
{
    if (!usesSignIn())
        return;
    m_services.defaults.remove(m_provider.signIn->sourceKey);
    m_status.reset();
    if (!m_services.defaults.string(m_provider.defaultsKey).value_or(QString()).isEmpty())
        m_status = StatusBadge::ok(connectedText());
    emit changed();
    m_services.notifications.post(Notifications::settingsChanged);
}

void CredentialTest::triggerTest(const QString &pendingMessage)
{
    m_isTesting = true;
    m_status = StatusBadge::ok(pendingMessage);
    const quint64 test = ++m_testNumber;
    emit changed();

    m_provider.fetchUsage();
    stopObserving();
    // A service that asked to be left alone for longer than a test waits is left alone: ending the
    // test with "Session expired" then would send the user after a key that may well be fine.
    const QDateTime now = m_services.clock.now();
    const std::optional<QDateTime> nextTry = m_provider.nextTryAt ? m_provider.nextTryAt() : std::nullopt;
    if (nextTry && now.secsTo(*nextTry) >= timeout.count()) {
        m_isTesting = false;
        //: The service asked to be left alone; %1 is how long until it is asked again ("4 min")
        m_status = StatusBadge::error(tr("Asked to wait · next try in %1").arg(Figures::timeRemaining(nextTry, now)));
        emit changed();
        return;
    }
    m_resultObserver = connect(&m_services.notifications, &NotificationCenter::posted, this,
                               [this](const QString &name, const QVariantMap &userInfo) {
                                   if (name == m_provider.resultNotification)
                                       finish(userInfo);
                               });
    m_services.scheduler.after(timeout, [self = QPointer(this), test] {
        // Only the test that started this time-out ends by it.
        if (!self || !self->m_isTesting || self->m_testNumber != test)
            return;
        self->m_isTesting = false;
        self->m_status = StatusBadge::error(expiredText());
        self->stopObserving();
        emit self->changed();
    });
}

void CredentialTest::finish(const QVariantMap &userInfo)
{
    stopObserving();
    m_isTesting = false;
    const QVariant error = userInfo.value(Notifications::errorKey);
    if (error.typeId() == QMetaType::QString) {
        m_status = StatusBadge::error(error.toString());
        emit changed();
        return;
    }
    m_provider.clearExpired();
    m_status = StatusBadge::ok(connectedText());
    emit changed();
    m_services.notifications.post(Notifications::settingsChanged);
}

void CredentialTest::stopObserving()
{
    disconnect(m_resultObserver);
    m_resultObserver = {};
}

void CredentialTest::removeKey()
{
    m_text.clear();
    m_status.reset();
    m_services.defaults.remove(m_provider.defaultsKey);
    if (!m_provider.importedFromKey.isEmpty())
        m_services.defaults.remove(m_provider.importedFromKey);
    emit changed();
    m_services.notifications.post(Notifications::settingsChanged);
}

void CredentialTest::expiredAnnounced(bool expired)
{
    if (!expired || (m_status && m_status->kind == StatusBadge::Kind::error))
        return;
    // Without a stored credential or a sign-in in use there is nothing that could have expired.
    if (!m_services.defaults.string(m_provider.defaultsKey) && !usesSignIn())
        return;
    m_status = StatusBadge::error(expiredStatusText());
    emit changed();
}
