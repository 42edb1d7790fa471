#include "KeyringCollection.h"

#include "platform/linux/SecretServiceNames.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

using Collection = SecretStore::Collection;

namespace {

QString kwalletService(KeyringCollection::Backend backend)
{
    return backend == KeyringCollection::Backend::kwallet6 ? QStringLiteral("org.kde.kwalletd6")
                                                           : QStringLiteral("org.kde.kwalletd5");
}

QString kwalletPath(KeyringCollection::Backend backend)
{
    return backend == KeyringCollection::Backend::kwallet6 ? QStringLiteral("/modules/kwalletd6")
                                                           : QStringLiteral("/modules/kwalletd5");
}

// Calls `method` and hands its reply, or nothing after an error, to `then`.
void ask(const QDBusConnection &bus, QDBusMessage call, QObject *context,
         std::function<void(std::optional<QDBusMessage>)> then)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, then = std::move(then)] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        then(reply.type() == QDBusMessage::ReplyMessage ? std::optional(reply) : std::nullopt);
    });
}

QVariant firstArgument(const std::optional<QDBusMessage> &reply)
{
    if (!reply || reply->arguments().isEmpty())
        return {};
    const QVariant value = reply->arguments().constFirst();
    return value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
}

// The state a reply's Boolean tells (`lockedWhen` is the value that means locked), or unknown.
Collection fromFlag(const std::optional<QDBusMessage> &reply, bool lockedWhen)
{
    const QVariant value = firstArgument(reply);
    if (!value.isValid())
        return Collection::unknown;
    return value.toBool() == lockedWhen ? Collection::locked : Collection::unlocked;
}

} // namespace

KeyringCollection::KeyringCollection(Backend backend, const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_backend(backend)
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    if (m_backend == Backend::secretService) {
        for (const char *signal : {"CollectionCreated", "CollectionDeleted", "CollectionChanged"})
            m_bus.connect(SecretServiceNames::service, SecretServiceNames::path, SecretServiceNames::serviceInterface, QLatin1String(signal), this, SLOT(somethingChanged()));
        // Some services tell a collection's lock only as a change of its properties.
        m_bus.connect(SecretServiceNames::service, QString(), SecretServiceNames::propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                      SLOT(somethingChanged()));
        return;
    }
    for (const char *signal : {"walletOpened", "walletClosed", "walletCreated", "walletDeleted"})
        m_bus.connect(kwalletService(m_backend), kwalletPath(m_backend), SecretServiceNames::kwalletInterface, QLatin1String(signal), this,
                      SLOT(somethingChanged()));
}

KeyringCollection::Backend KeyringCollection::backendFor(const QString &currentDesktop, const QString &kdeSessionVersion)
{
    if (!currentDesktop.split(QLatin1Char(':')).contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return Backend::secretService;
    return kdeSessionVersion.toInt() >= 6 ? Backend::kwallet6 : Backend::kwallet5;
}

void KeyringCollection::somethingChanged()
{
    emit changed();
}

void KeyringCollection::state(std::function<void(Collection)> then)
{
    if (!m_bus.isConnected()) {
        then(Collection::unknown);
        return;
    }
    if (m_backend == Backend::secretService)
        askSecretService(std::move(then));
    else
        askKWallet(std::move(then));
}

void KeyringCollection::askSecretService(std::function<void(Collection)> then)
{
    QDBusMessage alias = QDBusMessage::createMethodCall(SecretServiceNames::service, SecretServiceNames::path, SecretServiceNames::serviceInterface,
                                                        QStringLiteral("ReadAlias"));
    alias << QStringLiteral("default");
    ask(m_bus, alias, this, [this, then = std::move(then)](const std::optional<QDBusMessage> &reply) {
        if (!reply) {
            then(Collection::unknown);
            return;
        }
        const QString path = firstArgument(reply).value<QDBusObjectPath>().path();
        if (path.isEmpty() || path == QLatin1String("/")) {
            then(Collection::absent);
            return;
        }
        QDBusMessage locked = QDBusMessage::createMethodCall(SecretServiceNames::service, path, SecretServiceNames::propertiesInterface, QStringLiteral("Get"));
        locked << SecretServiceNames::collectionInterface << QStringLiteral("Locked");
        ask(m_bus, locked, this, [then](const std::optional<QDBusMessage> &answer) { then(fromFlag(answer, true)); });
    });
}

void KeyringCollection::askKWallet(std::function<void(Collection)> then)
{
    const QString service = kwalletService(m_backend);
    const QString path = kwalletPath(m_backend);
    ask(m_bus, QDBusMessage::createMethodCall(service, path, SecretServiceNames::kwalletInterface, QStringLiteral("networkWallet")), this,
        [this, service, path, then = std::move(then)](const std::optional<QDBusMessage> &named) {
            const QString wallet = firstArgument(named).toString();
            if (wallet.isEmpty()) {
                then(Collection::unknown);
                return;
            }
            ask(m_bus, QDBusMessage::createMethodCall(service, path, SecretServiceNames::kwalletInterface, QStringLiteral("wallets")), this,
                [this, service, path, wallet, then](const std::optional<QDBusMessage> &listed) {
                    if (!listed) {
                        then(Collection::unknown);
                        return;
                    }
                    if (!firstArgument(listed).toStringList().contains(wallet)) {
                        then(Collection::absent);
                        return;
                    }
                    QDBusMessage open = QDBusMessage::createMethodCall(service, path, SecretServiceNames::kwalletInterface, QStringLiteral("isOpen"));
                    open << wallet;
                    ask(m_bus, open, this,
                        [then](const std::optional<QDBusMessage> &answer) { then(fromFlag(answer, false)); });
                });
        });
}
