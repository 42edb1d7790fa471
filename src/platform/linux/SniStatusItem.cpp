#include "SniStatusItem.h"

#include "platform/linux/DBusMenuExporter.h"
#include "platform/qt/SemanticColors.h"
#include "statusbar/ProviderArtwork.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QRegularExpression>

namespace {

constexpr int panelSizes[] = {16, 22, 24, 32, 48};
constexpr int menuIconSize = 16;

QString providerKey(Provider provider)
{
    return ProviderArtwork::logoName(provider);
}

// The widest text the label is likely to take, so hosts can keep its width steady.
QString guideFor(const QString &label)
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    return QString(label).replace(digits, QStringLiteral("100"));
}

} // namespace

QColor SniStatusItem::panelTextColor()
{
    return SemanticColors::label(QGuiApplication::palette());
}

SniStatusItem::SniStatusItem(std::function<QColor()> labelColor, QObject *parent)
    : QObject(parent)
    , m_labelColor(std::move(labelColor))
    , m_watcherWatch(watcherService, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForRegistration)
{
    registerStatusNotifierTypes();
    connect(&m_watcherWatch, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        for (const Entry &entry : m_entries)
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

void SniStatusItem::setMenu(StatusMenu &menu, std::function<void()> aboutToShow)
{
    m_menu = &menu;
    m_aboutToShow = std::move(aboutToShow);
}

void SniStatusItem::showPlaceholder(const QString &text)
{
    const QColor color = m_labelColor();
    apply({{QStringLiteral("idle"), text, text, QStringLiteral("Quotabar"),
            pixmaps([&color](int size) { return ProviderArtwork::menuBarIcon(size, color); })}});
}

void SniStatusItem::showTitle(const TitleModel &title)
{
    const QColor color = m_labelColor();
    QList<Wanted> wanted;
    if (title.iconOnly()) {
        wanted.append({QStringLiteral("idle"), QString(), QString(), title.tooltip.value_or(QString()),
                       pixmaps([&color](int size) { return ProviderArtwork::menuBarIcon(size, color); })});
    }
    const QString wholeTitle = title.plainText();
    for (const TitleSegment &segment : title.segments) {
        wanted.append({providerKey(segment.provider), segment.text, guideFor(segment.text), wholeTitle,
                       pixmaps([&segment, &color](int size) {
                           return ProviderArtwork::panelIcon(segment.provider, segment.warn, color, size);
                       })});
    }
    apply(wanted);
}

void SniStatusItem::apply(const QList<Wanted> &wanted)
{
    const bool sameItems = std::equal(wanted.cbegin(), wanted.cend(), m_entries.cbegin(), m_entries.cend(),
                                      [](const Wanted &w, const Entry &e) { return w.key == e.key; });
    if (!sameItems) {
        // Rebuilt as a whole, so hosts that order by registration keep the title order.
        for (Entry &entry : m_entries)
            destroy(entry);
        m_entries.clear();
        for (qsizetype i = 0; i < wanted.size(); ++i)
            m_entries.push_back(create(wanted[i], static_cast<uint>(i)));
    }
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        StatusNotifierItem *item = m_entries[static_cast<std::size_t>(i)].item;
        item->setIcon(wanted[i].icon);
        item->setToolTip(wanted[i].toolTip);
        item->setLabel(wanted[i].label, wanted[i].labelGuide);
    }
}

SniStatusItem::Entry SniStatusItem::create(const Wanted &wanted, uint order)
{
    const int number = ++m_created;
    Entry entry;
    entry.key = wanted.key;
    entry.connectionName = QStringLiteral("quotabar-item-%1").arg(number);
    entry.serviceName =
        QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(number);
    entry.item = new StatusNotifierItem(QStringLiteral("quotabar-") + wanted.key, order,
                                        QDBusObjectPath(DBusMenuExporter::objectPath), this);
    entry.item->setIcon(wanted.icon);
    entry.item->setToolTip(wanted.toolTip);
    entry.item->setLabel(wanted.label, wanted.labelGuide);
    if (m_menu) {
        entry.menu = new DBusMenuExporter(
            *m_menu, m_aboutToShow, [this](StatusMenu::Icon icon) { return menuIconPng(icon); }, this);
    }

    QDBusConnection connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, entry.connectionName);
    const auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
        | QDBusConnection::ExportAllProperties;
    connection.registerObject(StatusNotifierItem::objectPath, entry.item, exported);
    if (entry.menu)
        connection.registerObject(DBusMenuExporter::objectPath, entry.menu, exported);
    connection.registerService(entry.serviceName);
    registerWithWatcher(entry);
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
    if (entry.menu)
        entry.menu->deleteLater();
}

void SniStatusItem::registerWithWatcher(const Entry &entry) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(watcherService, QStringLiteral("/StatusNotifierWatcher"),
                                                       watcherService, QStringLiteral("RegisterStatusNotifierItem"));
    call << entry.serviceName;
    QDBusConnection(entry.connectionName).asyncCall(call);
}

SniIconPixmapList SniStatusItem::pixmaps(const std::function<QImage(int size)> &draw) const
{
    SniIconPixmapList list;
    for (const int size : panelSizes)
        list.append(SniIconPixmap::from(draw(size)));
    return list;
}

QByteArray SniStatusItem::menuIconPng(StatusMenu::Icon icon) const
{
    // Hosts ask for the items' properties often; the encoded logo changes only with the colour.
    const QColor color = m_labelColor();
    MenuIcon &cached = m_menuIcons[icon == StatusMenu::Icon::claudeLogo ? 0 : 1];
    if (!cached.png.isEmpty() && cached.color == color)
        return cached.png;
    const QString name = icon == StatusMenu::Icon::claudeLogo ? ProviderArtwork::logoName(Provider::claude)
                                                                : ProviderArtwork::logoName(Provider::openAI);
    const QImage image = ProviderArtwork::tinted(ProviderArtwork::providerPNG(name, menuIconSize, color), color);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    cached = {color, png};
    return png;
}
