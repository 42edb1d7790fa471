#include "SafeStorageKeyring.h"

#include "platform/linux/SecretServiceNames.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>

namespace {

using Lookup = BrowserKeyring::Lookup;

// Chromium's schemas for its password, the current one first.
const QStringList chromiumSchemas{QStringLiteral("chrome_libsecret_os_crypt_password_v2"),
                                  QStringLiteral("chrome_libsecret_os_crypt_password")};
// A keyring that does not answer in this time is taken as unavailable.
constexpr int callTimeoutMs = 5000;

QString label(const QString &name)
{
    return name + QStringLiteral(" Safe Storage");
}

// The `application` attribute the browser gives its item: "chrome", "brave", "microsoft-edge".
QString application(const QString &name)
{
    return name.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

Lookup unavailable(const QString &reason)
{
    return {Lookup::Kind::unavailable, {}, reason};
}

QVariant unwrapped(const QVariant &value)
{
    return value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
}

QList<QDBusObjectPath> paths(const QVariant &argument)
{
    return qdbus_cast<QList<QDBusObjectPath>>(argument.value<QDBusArgument>());
}

// Waits for the keyring's own unlock prompt to be answered: a password typed or the prompt
// dismissed, closed, or left unanswered.
class PromptAnswer final : public QObject
{
    Q_OBJECT
public:
    bool unlocked = false;
    QEventLoop loop;

public slots:
    void completed(bool dismissed, const QDBusVariant &)
    {
        unlocked = !dismissed;
        loop.quit();
    }
};

// A user who is asked gets this long to type the password.
constexpr int promptAnswerMs = 5 * 60 * 1000;
const QString promptInterface = QStringLiteral("org.freedesktop.Secret.Prompt");

} // namespace

SafeStorageKeyring::SafeStorageKeyring(KeyringCollection::Backend backend, const QDBusConnection &bus)
    : m_backend(backend)
    , m_bus(bus)
{
    qDBusRegisterMetaType<QMap<QString, QString>>();
}

BrowserKeyring::Lookup SafeStorageKeyring::safeStoragePassword(const QStringList &names)
{
    if (!m_bus.isConnected())
        //: Why the desktop keyring could not be asked: there is no session D-Bus
        return unavailable(tr("no session bus"));
    return m_backend == KeyringCollection::Backend::secretService ? fromSecretService(names) : fromKWallet(names);
}

BrowserKeyring::Lookup SafeStorageKeyring::fromSecretService(const QStringList &names)
{
    const auto call = [this](const QString &path, const QString &interface, const QString &method,
                             const QVariantList &arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(SecretServiceNames::service, path, interface, method);
        message.setArguments(arguments);
        return m_bus.call(message, QDBus::Block, callTimeoutMs);
    };

    // Every item Chromium stored, unlocked and locked, by its `application` attribute, and by its
    // label for a browser that leaves the attribute out.
    QHash<QString, std::pair<QDBusObjectPath, bool>> byApplication;
    QHash<QString, std::pair<QDBusObjectPath, bool>> byLabel;
    for (const QString &schema : chromiumSchemas) {
        const QDBusMessage found = call(SecretServiceNames::path, SecretServiceNames::serviceInterface, QStringLiteral("SearchItems"),
                                        {QVariant::fromValue(QMap<QString, QString>{{QStringLiteral("xdg:schema"), schema}})});
        if (found.type() != QDBusMessage::ReplyMessage)
            //: The Secret Service is the desktop keyring's D-Bus service: keep its name
            return unavailable(found.errorMessage().isEmpty() ? tr("the Secret Service does not answer")
                                                              : found.errorMessage());
        for (int list = 0; list < 2 && list < found.arguments().size(); ++list) {
            for (const QDBusObjectPath &item : paths(found.arguments().at(list))) {
                const auto property = [&](const QString &name) {
                    const QDBusMessage answer = call(item.path(), SecretServiceNames::propertiesInterface, QStringLiteral("Get"),
                                                     {SecretServiceNames::itemInterface, name});
                    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty()
                        ? unwrapped(answer.arguments().constFirst())
                        : QVariant();
                };
                const auto attributes = qdbus_cast<QMap<QString, QString>>(property(QStringLiteral("Attributes")));
                if (const QString app = attributes.value(QStringLiteral("application")); !app.isEmpty())
                    byApplication.insert(app, {item, list == 1});
                byLabel.insert(property(QStringLiteral("Label")).toString(), {item, list == 1});
            }
        }
    }
    for (const QString &name : names) {
        std::optional<std::pair<QDBusObjectPath, bool>> item;
        if (const auto found = byApplication.constFind(application(name)); found != byApplication.constEnd())
            item = *found;
        else if (const auto labelled = byLabel.constFind(label(name)); labelled != byLabel.constEnd())
            item = *labelled;
        if (!item)
            continue;
        // The import was asked for, so the keyring may ask the user to unlock, as the browser would.
        if (item->second && !unlock(item->first))
            return {Lookup::Kind::locked, {},
                    //: %1 is the keyring item's own name ("Chrome Safe Storage")
                    tr("the keyring holding %1 stayed locked").arg(label(name))};
        // A plain session: the secret comes over the private session bus as it is.
        const QDBusMessage session = call(SecretServiceNames::path, SecretServiceNames::serviceInterface, QStringLiteral("OpenSession"),
                                          {QStringLiteral("plain"), QVariant::fromValue(QDBusVariant(QString()))});
        if (session.type() != QDBusMessage::ReplyMessage || session.arguments().size() < 2)
            return unavailable(session.errorMessage());
        const QDBusObjectPath sessionPath = session.arguments().at(1).value<QDBusObjectPath>();
        const QDBusMessage secret = call(item->first.path(), SecretServiceNames::itemInterface, QStringLiteral("GetSecret"),
                                         {QVariant::fromValue(sessionPath)});
        call(sessionPath.path(), SecretServiceNames::sessionInterface, QStringLiteral("Close"), {});
        if (secret.type() != QDBusMessage::ReplyMessage || secret.arguments().isEmpty())
            return unavailable(secret.errorMessage());
        const QDBusArgument structure = secret.arguments().constFirst().value<QDBusArgument>();
        QDBusObjectPath secretSession;
        QByteArray parameters;
        QByteArray value;
        QString contentType;
        structure.beginStructure();
        structure >> secretSession >> parameters >> value >> contentType;
        structure.endStructure();
        return {Lookup::Kind::found, value, {}};
    }
    return {Lookup::Kind::notFound, {},
            //: %1 is the keyring item's own name ("Chrome Safe Storage")
            tr("the keyring holds no %1").arg(label(names.value(0)))};
}

bool SafeStorageKeyring::unlock(const QDBusObjectPath &item)
{
    QDBusMessage message = QDBusMessage::createMethodCall(SecretServiceNames::service, SecretServiceNames::path,
                                                          SecretServiceNames::serviceInterface, QStringLiteral("Unlock"));
    message << QVariant::fromValue(QList<QDBusObjectPath>{item});
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 2)
        return false;
    if (!paths(reply.arguments().at(0)).isEmpty())
        return true;
    const QString prompt = reply.arguments().at(1).value<QDBusObjectPath>().path();
    if (prompt.isEmpty() || prompt == QLatin1String("/"))
        return false;
    PromptAnswer answer;
    if (!m_bus.connect(SecretServiceNames::service, prompt, promptInterface, QStringLiteral("Completed"), &answer,
                       SLOT(completed(bool, QDBusVariant))))
        return false;
    QDBusMessage show = QDBusMessage::createMethodCall(SecretServiceNames::service, prompt, promptInterface, QStringLiteral("Prompt"));
    show << QString(); // no parent window to name
    if (m_bus.call(show, QDBus::Block, callTimeoutMs).type() == QDBusMessage::ReplyMessage) {
        QTimer::singleShot(promptAnswerMs, &answer.loop, &QEventLoop::quit);
        answer.loop.exec();
    }
    m_bus.disconnect(SecretServiceNames::service, prompt, promptInterface, QStringLiteral("Completed"), &answer,
                     SLOT(completed(bool, QDBusVariant)));
    return answer.unlocked;
}

BrowserKeyring::Lookup SafeStorageKeyring::fromKWallet(const QStringList &names)
{
    const bool six = m_backend == KeyringCollection::Backend::kwallet6;
    const QString service = six ? QStringLiteral("org.kde.kwalletd6") : QStringLiteral("org.kde.kwalletd5");
    const QString path = six ? QStringLiteral("/modules/kwalletd6") : QStringLiteral("/modules/kwalletd5");
    const QString appId = QCoreApplication::applicationName();
    const auto call = [&](const QString &method, const QVariantList &arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, SecretServiceNames::kwalletInterface, method);
        message.setArguments(arguments);
        return m_bus.call(message, QDBus::Block, callTimeoutMs);
    };
    const auto first = [](const QDBusMessage &reply) {
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() ? reply.arguments().constFirst()
                                                                                          : QVariant();
    };

    const QString wallet = first(call(QStringLiteral("networkWallet"), {})).toString();
    if (wallet.isEmpty())
        return unavailable(tr("KWallet does not answer"));
    // Opening a closed wallet would ask the user for its password.
    if (!first(call(QStringLiteral("isOpen"), {wallet})).toBool())
        return {Lookup::Kind::locked, {},
                //: %1 is the KWallet wallet's name ("kdewallet")
                tr("the wallet %1 is closed").arg(wallet)};
    const QVariant handle = first(call(QStringLiteral("open"), {wallet, qlonglong(0), appId}));
    if (!handle.isValid() || handle.toInt() < 0)
        //: %1 is the KWallet wallet's name ("kdewallet")
        return unavailable(tr("KWallet did not open %1").arg(wallet));
    Lookup result{Lookup::Kind::notFound, {},
                  //: %1 is the wallet entry's own name ("Chrome Safe Storage")
                  tr("the wallet holds no %1").arg(label(names.value(0)))};
    for (const QString &name : names) {
        const QString folder = name + QStringLiteral(" Keys");
        const QVariant password = first(call(QStringLiteral("readPassword"), {handle.toInt(), folder, label(name), appId}));
        if (!password.toString().isEmpty()) {
            result = {Lookup::Kind::found, password.toString().toUtf8(), {}};
            break;
        }
    }
    call(QStringLiteral("close"), {handle.toInt(), false, appId});
    return result;
}

#include "SafeStorageKeyring.moc"
