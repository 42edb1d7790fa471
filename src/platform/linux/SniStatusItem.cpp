#include "SniStatusItem.h"

#include "platform/LogCategories.h"
#include "platform/linux/DBusMenuExporter.h"
#include "platform/linux/HostQuirks.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QCursor>
#include <QTimer>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

#include <memory>
#include <utility>

namespace {

constexpr int menuIconSize = 16;
// How long the next item waits for the host to read the one before.
constexpr std::chrono::milliseconds hostReadWait{400};

// The widest text the label is likely to take, so hosts can keep its width steady.
// Each run of digits becomes "100". A loop, not an expression: the first match of one compiles it
// into executable memory that stays for the life of the program.
QString guideFor(const QString &label)
{
    QString guide;
    guide.reserve(label.size() + 4);
    for (qsizetype at = 0; at < label.size();) {
        if (!label.at(at).isDigit()) {
            guide.append(label.at(at++));
            continue;
        }
        while (at < label.size() && label.at(at).isDigit())
            ++at;
        guide.append(QLatin1String("100"));
    }
    return guide;
}

// The theme's index, without which GTK looks no icon up in the folder.
const char iconThemeIndex[] = "[Icon Theme]\n"
                            "Name=Quotabar\n"
                            "Comment=The logos of Quotabar's panel items\n"
                            "Directories=scalable/apps\n"
                            "\n"
                            "[scalable/apps]\n"
                            "Size=16\n"
                            "MinSize=8\n"
                            "MaxSize=512\n"
                            "Type=Scalable\n"
                            "Context=Applications\n";

// Writes the file only when its bytes differ, so that a start leaves what it wrote before alone.
bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == bytes)
        return true;
    current.close();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()
        && QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                           | QFileDevice::ReadOther);
}

SniIconPixmapList pixmaps(const std::function<QImage(int size)> &draw)
{
    SniIconPixmapList list;
    for (const int size : ProviderArtwork::panelSizes)
        list.append(SniIconPixmap::from(draw(size)));
    return list;
}

QColor figuresInk(StatusSegment::Level level, const QColor &ink)
{
    switch (level) {
    case StatusSegment::Level::critical:
        return ProviderArtwork::systemRed;
    case StatusSegment::Level::low:
        return ProviderArtwork::systemOrange;
    case StatusSegment::Level::normal:
        break;
    }
    return ink;
}

} // namespace

SniStatusItem::SniStatusItem(Options options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_watcherWatch(watcherService, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForRegistration)
{
    registerStatusNotifierTypes();
    // Without a host nothing shows the items, so a watcher that never tells of one costs only this wait.
    m_hostWait.setSingleShot(true);
    m_hostWait.setInterval(std::chrono::seconds(5));
    connect(&m_hostWait, &QTimer::timeout, this, &SniStatusItem::registerWaiting);
    QDBusConnection::sessionBus().connect(watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
                                          QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(hostRegistered()));
    connect(&m_watcherWatch, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        registerWithWatcher(HostQuirks::registrationOrder(m_entries, m_options.host));
    });
}

SniStatusItem::~SniStatusItem()
{
    for (Entry &entry : m_entries)
        destroy(entry);
}

bool SniStatusItem::watcherAvailable()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(watcherService).value();
}

QStringList SniStatusItem::serviceNames() const
{
    QStringList names;
    for (const Entry &entry : m_entries)
        names.append(entry.serviceName);
    return names;
}

void SniStatusItem::setMenu(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers)
{
    m_rows = rows;
    m_handlers = std::move(handlers);
    if (m_popup)
        m_popup->setRows(m_rows, m_handlers);
}

void SniStatusItem::popUpMenu()
{
    if (!m_popup) {
        m_popup = std::make_unique<RowsMenu>(m_options.ink);
        m_popup->setRows(m_rows, m_handlers);
    }
    // The host's coordinates are its own (MATE gives them relative to the panel); the pointer is where the click was.
    m_popup->popup(QCursor::pos());
}

void SniStatusItem::updateMenu(const QList<StatusMenuRow> &rows)
{
    m_rows = rows;
    if (m_popup)
        m_popup->updateRows(rows);
    for (const Entry &entry : m_entries) {
        if (entry.menu)
            entry.menu->update(rows);
    }
}

void SniStatusItem::showSegments(const QList<StatusSegment> &segments)
{
    const auto wanted = [&segments](const Entry &entry) {
        return std::any_of(segments.cbegin(), segments.cend(),
                           [&entry](const StatusSegment &segment) { return segment.id == entry.id; });
    };
    std::vector<Entry> kept;
    for (Entry &entry : m_entries) {
        if (wanted(entry))
            kept.push_back(entry);
        else
            destroy(entry);
    }

    // Hosts that put each new item first show a new item before the ones already there, so
    // the items meant to come before it are registered again after it; hosts that put it last
    // (an account's item among its provider's) get the items meant to follow it again after it.
    qsizetype firstNew = segments.size();
    qsizetype lastNew = -1;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString &id = segments[i].id;
        if (std::none_of(kept.cbegin(), kept.cend(), [&id](const Entry &e) { return e.id == id; })) {
            firstNew = std::min(firstNew, i);
            lastNew = i;
        }
    }
    const bool newFirst = m_options.host.placesNewItemsFirst();

    std::vector<Entry> ordered;
    std::vector<Entry> added;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const StatusSegment &segment = segments[i];
        auto found = std::find_if(kept.begin(), kept.end(), [&segment](const Entry &e) { return e.id == segment.id; });
        if (found != kept.end() && (newFirst ? i < lastNew : i > firstNew)) {
            destroy(*found);
            found = kept.end();
        }
        if (found != kept.end()) {
            ordered.push_back(*found);
            apply(ordered.back(), segment);
        } else {
            ordered.push_back(create(segment));
            added.push_back(ordered.back());
        }
    }
    m_entries = std::move(ordered);
    registerWithWatcher(HostQuirks::registrationOrder(added, m_options.host));
}

void SniStatusItem::apply(Entry &entry, const StatusSegment &segment)
{
    const QColor ink = m_options.ink();
    StatusNotifierItem *item = entry.item;
    switch (segment.icon) {
    case StatusSegment::Icon::figures: {
        const QColor figures = figuresInk(segment.level, ink);
        const QColor mark = QColor::fromRgb(segment.mark);
        item->setIcon(QString(), QString(), pixmaps([&](int size) {
                          return ProviderArtwork::figuresIcon(segment.logoName(), segment.figures, figures, mark, size);
                      }));
        item->setLabel(QString(), QString());
        break;
    }
    case StatusSegment::Icon::logo: {
        // Hosts that find the named symbolic logo draw it in their own text colour.
        const bool named =
            !m_options.iconThemePath.isEmpty() && HostQuirks::recoloursSymbolicIcons(m_options.host);
        item->setIcon(named ? HostQuirks::iconName(segment.logoName(), segment.warn) : QString(),
                      m_options.iconThemePath,
                      pixmaps([&](int size) {
                          return ProviderArtwork::panelIcon(m_logos, segment.logoName(), segment.warn, ink, size);
                      }));
        item->setLabel(segment.label, guideFor(segment.label));
        break;
    }
    case StatusSegment::Icon::idle:
        item->setIcon(QString(), QString(),
                      pixmaps([&](int size) { return ProviderArtwork::menuBarIcon(m_logos, size, ink); }));
        item->setLabel(QString(), QString());
        break;
    }
    item->setToolTip(segment.toolTipTitle, segment.toolTipText);
}

SniStatusItem::Entry SniStatusItem::create(const StatusSegment &segment)
{
    const int number = ++m_created;
    Entry entry;
    entry.id = segment.id;
    entry.connectionName = QStringLiteral("quotabar-item-%1").arg(number);
    entry.serviceName =
        QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(number);
    entry.item = new StatusNotifierItem(QStringLiteral("quotabar-") + segment.id,
                                        segment.title,
                                        segment.order,
                                        QDBusObjectPath(DBusMenuExporter::objectPath), this);
    entry.item->setToolTipReader([this, id = segment.id]() -> std::optional<QString> {
        return m_handlers.toolTipNow ? m_handlers.toolTipNow(id) : std::nullopt;
    });
    // Late enough that the host has added the item to the panel (measured: 0.3 s and 1 s both were).
    if (HostQuirks::drawsOnlyChangedLabels(m_options.host))
        entry.item->repeatLabelAfterRead(std::chrono::seconds(1));
    if (HostQuirks::leftClickOnlyActivates(m_options.host)) {
        // Leave the D-Bus call first: the menu runs its own loop.
        entry.item->setActivation([this] { QTimer::singleShot(0, this, &SniStatusItem::popUpMenu); });
    }
    entry.menu = new DBusMenuExporter(
        m_rows, m_handlers, [this](const QString &name) { return menuIconPng(name); }, this);
    apply(entry, segment);

    QDBusConnection connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, entry.connectionName);
    const auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
        | QDBusConnection::ExportAllProperties;
    const bool exportedAll = connection.registerObject(StatusNotifierItem::objectPath, entry.item, exported)
        && connection.registerObject(DBusMenuExporter::objectPath, entry.menu, exported)
        && connection.registerService(entry.serviceName);
    if (!exportedAll)
        qCInfo(statusItemLog).noquote().nospace() << "item " << segment.id << " not on the bus as " << entry.serviceName
                                                  << ": " << connection.lastError().name();
    return entry;
}

void SniStatusItem::destroy(Entry &entry)
{
    QDBusConnection connection(entry.connectionName);
    connection.unregisterObject(StatusNotifierItem::objectPath);
    connection.unregisterObject(DBusMenuExporter::objectPath);
    connection.unregisterService(entry.serviceName);
    QDBusConnection::disconnectFromBus(entry.connectionName);
    entry.item->deleteLater();
    entry.menu->deleteLater();
}

void SniStatusItem::registerWithWatcher(const std::vector<Entry> &entries)
{
    // A host that starts after the items takes them from the watcher's list, in the watcher's order
    // (Waybar's lists the newest first), while a running one adds them as they register: so the
    // items wait for a host, and register in the order they are meant to show.
    if (entries.empty())
        return;
    m_waitingForHost.insert(m_waitingForHost.end(), entries.begin(), entries.end());
    if (m_hostWait.isActive())
        return;
    QDBusMessage get = QDBusMessage::createMethodCall(watcherService, QStringLiteral("/StatusNotifierWatcher"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *answer = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusMessage reply = done->reply();
        const bool noHost = reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1
            && !reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
        if (noHost)
            m_hostWait.start();
        else
            registerWaiting();
    });
}

void SniStatusItem::hostRegistered()
{
    if (m_hostWait.isActive())
        registerWaiting();
}

void SniStatusItem::registerWaiting()
{
    m_hostWait.stop();
    registerInTurn(std::exchange(m_waitingForHost, {}));
}

void SniStatusItem::registerInTurn(std::vector<Entry> entries)
{
    // Each item calls from its own connection, so calls sent together reach the watcher in any order;
    // hosts that show the items in the order they registered (Waybar's tray) would then mix them up.
    // Hosts also add an item only once they have read it, in the order the reads end (Xfce's systray
    // plugin): so the next item registers once the host has read this one, or after a short wait
    // when no host reads.
    if (entries.empty())
        return;
    const Entry first = entries.front();
    entries.erase(entries.begin());
    QDBusMessage call = QDBusMessage::createMethodCall(watcherService, QStringLiteral("/StatusNotifierWatcher"),
                                                       watcherService, QStringLiteral("RegisterStatusNotifierItem"));
    call << first.serviceName;
    const auto refusal = [id = first.id](const QDBusMessage &reply) {
        if (reply.type() == QDBusMessage::ErrorMessage)
            qCInfo(statusItemLog).noquote().nospace() << "item " << id << " refused by the watcher: " << reply.errorName();
    };
    if (entries.empty()) {
        auto *answer = new QDBusPendingCallWatcher(QDBusConnection(first.connectionName).asyncCall(call), this);
        connect(answer, &QDBusPendingCallWatcher::finished, this, [refusal](QDBusPendingCallWatcher *done) {
            done->deleteLater();
            refusal(done->reply());
        });
        return;
    }
    // The next goes once the watcher has answered and the host has read this item (or not in time).
    struct Turn
    {
        bool answered = false;
        bool read = false;
        std::vector<Entry> rest;
    };
    auto turn = std::make_shared<Turn>(Turn{false, false, std::move(entries)});
    const auto next = [this, turn] {
        if (turn->answered && turn->read && !turn->rest.empty())
            registerInTurn(std::exchange(turn->rest, {}));
    };
    first.item->whenRead([turn, next] {
        turn->read = true;
        next();
    });
    auto *answer = new QDBusPendingCallWatcher(QDBusConnection(first.connectionName).asyncCall(call), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, turn, next, refusal](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        refusal(done->reply());
        turn->answered = true;
        next();
        QTimer::singleShot(hostReadWait, this, [turn, next] {
            turn->read = true;
            next();
        });
    });
}

QByteArray SniStatusItem::menuIconPng(const QString &name)
{
    // Hosts ask for the rows' properties often; the encoded logo changes only with the colour.
    const QColor color = m_options.ink();
    auto &cached = m_menuIcons[name];
    if (!cached.second.isEmpty() && cached.first == color)
        return cached.second;
    const QImage image =
        ProviderArtwork::tinted(ProviderArtwork::providerPNG(m_logos, name, menuIconSize, color), color);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    cached = {color, png};
    return png;
}

QString SniStatusItem::exportIconTheme()
{
    // Hosts read the icons from files, so the ones compiled into the program are written out; GTK's
    // hosts (GNOME's AppIndicator extension) find them only in a theme with an index.
    const QString root = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/quotabar/icons");
    const QString theme = root + QStringLiteral("/hicolor");
    if (!QDir().mkpath(theme + QStringLiteral("/scalable/apps")))
        return {};
    bool all = writeIfChanged(theme + QStringLiteral("/index.theme"), QByteArray(iconThemeIndex));
    QDirIterator icons(QStringLiteral(":/icons/hicolor/scalable/apps"));
    while (icons.hasNext()) {
        QFile source(icons.next());
        all = source.open(QIODevice::ReadOnly)
            && writeIfChanged(theme + QStringLiteral("/scalable/apps/") + icons.fileName(), source.readAll()) && all;
    }
    return all ? root : QString();
}
