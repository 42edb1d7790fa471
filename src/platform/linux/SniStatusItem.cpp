#include "SniStatusItem.h"

#include "platform/linux/DBusMenuExporter.h"
#include "platform/linux/HostQuirks.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QCursor>
#include <QTimer>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QRegularExpression>

namespace {

constexpr int menuIconSize = 16;

// The widest text the label is likely to take, so hosts can keep its width steady.
QString guideFor(const QString &label)
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    return QString(label).replace(digits, QStringLiteral("100"));
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
    connect(&m_watcherWatch, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        for (const Entry &entry : HostQuirks::registrationOrder(m_entries, m_options.currentDesktop))
            registerWithWatcher(entry);
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
        m_popup = std::make_unique<RowsMenu>();
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
    // the items meant to come before it are registered again after it.
    qsizetype lastNew = -1;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString &id = segments[i].id;
        if (std::none_of(kept.cbegin(), kept.cend(), [&id](const Entry &e) { return e.id == id; }))
            lastNew = i;
    }
    const bool newFirst = HostQuirks::placesNewItemsFirst(m_options.currentDesktop);

    std::vector<Entry> ordered;
    std::vector<Entry> added;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const StatusSegment &segment = segments[i];
        auto found = std::find_if(kept.begin(), kept.end(), [&segment](const Entry &e) { return e.id == segment.id; });
        if (found != kept.end() && newFirst && i < lastNew) {
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
    for (const Entry &entry : HostQuirks::registrationOrder(added, m_options.currentDesktop))
        registerWithWatcher(entry);
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
                          return ProviderArtwork::figuresIcon(m_logos, segment.id, segment.figures, figures, mark, size);
                      }));
        item->setLabel(QString(), QString());
        break;
    }
    case StatusSegment::Icon::logo: {
        // Hosts that find the named symbolic logo draw it in their own text colour.
        const bool named =
            !m_options.iconThemePath.isEmpty() && HostQuirks::recoloursSymbolicIcons(m_options.currentDesktop);
        item->setIcon(named ? HostQuirks::iconName(segment.id, segment.warn) : QString(),
                      m_options.iconThemePath,
                      pixmaps([&](int size) {
                          return ProviderArtwork::panelIcon(m_logos, segment.id, segment.warn, ink, size);
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
                                        HostQuirks::itemTitle(),
                                        segment.order,
                                        QDBusObjectPath(DBusMenuExporter::objectPath), this);
    entry.item->setToolTipReader([this, id = segment.id]() -> std::optional<QString> {
        return m_handlers.toolTipNow ? m_handlers.toolTipNow(id) : std::nullopt;
    });
    if (HostQuirks::leftClickOnlyActivates(m_options.currentDesktop)) {
        // Leave the D-Bus call first: the menu runs its own loop.
        entry.item->setActivation([this] { QTimer::singleShot(0, this, &SniStatusItem::popUpMenu); });
    }
    entry.menu = new DBusMenuExporter(
        m_rows, m_handlers, [this](const QString &name) { return menuIconPng(name); }, this);
    apply(entry, segment);

    QDBusConnection connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, entry.connectionName);
    const auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
        | QDBusConnection::ExportAllProperties;
    connection.registerObject(StatusNotifierItem::objectPath, entry.item, exported);
    connection.registerObject(DBusMenuExporter::objectPath, entry.menu, exported);
    connection.registerService(entry.serviceName);
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

void SniStatusItem::registerWithWatcher(const Entry &entry) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(watcherService, QStringLiteral("/StatusNotifierWatcher"),
                                                       watcherService, QStringLiteral("RegisterStatusNotifierItem"));
    call << entry.serviceName;
    QDBusConnection(entry.connectionName).asyncCall(call);
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
    // Hosts read the icons from files, so the ones compiled into the program are written out once per start.
    const QString root = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/quotabar/icons");
    const QString apps = root + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(apps))
        return {};
    QDirIterator icons(QStringLiteral(":/icons/hicolor/scalable/apps"));
    bool any = false;
    while (icons.hasNext()) {
        const QString source = icons.next();
        const QString target = apps + QLatin1Char('/') + icons.fileName();
        QFile::remove(target);
        any = QFile::copy(source, target) || any;
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                          | QFileDevice::ReadOther);
    }
    return any ? root : QString();
}
