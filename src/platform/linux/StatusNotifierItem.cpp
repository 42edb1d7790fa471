#include "StatusNotifierItem.h"

#include <QTimer>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QtEndian>

SniIconPixmap SniIconPixmap::from(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    SniIconPixmap pixmap{argb.width(), argb.height(), QByteArray()};
    pixmap.bytes.resize(static_cast<qsizetype>(argb.width()) * argb.height() * 4);
    auto *out = reinterpret_cast<quint32 *>(pixmap.bytes.data());
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            *out++ = qToBigEndian(line[x]);
    }
    return pixmap;
}

QDBusArgument &operator<<(QDBusArgument &argument, const SniIconPixmap &pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.bytes;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniIconPixmap &pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.bytes;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const SniToolTip &toolTip)
{
    argument.beginStructure();
    argument << toolTip.iconName << toolTip.icons << toolTip.title << toolTip.description;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniToolTip &toolTip)
{
    argument.beginStructure();
    argument >> toolTip.iconName >> toolTip.icons >> toolTip.title >> toolTip.description;
    argument.endStructure();
    return argument;
}

void registerStatusNotifierTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<SniIconPixmap>();
        qDBusRegisterMetaType<SniIconPixmapList>();
        qDBusRegisterMetaType<SniToolTip>();
        return true;
    }();
    Q_UNUSED(registered);
}

StatusNotifierItem::StatusNotifierItem(QString id, QString title, uint orderingIndex, QDBusObjectPath menuPath,
                                       QObject *parent)
    : QObject(parent)
    , m_id(std::move(id))
    , m_title(std::move(title))
    , m_orderingIndex(orderingIndex)
    , m_menuPath(std::move(menuPath))
{
    registerStatusNotifierTypes();
    m_labelRepeat.setSingleShot(true);
    connect(&m_labelRepeat, &QTimer::timeout, this, &StatusNotifierItem::repeatLabel);
}

void StatusNotifierItem::repeatLabelAfterRead(std::chrono::milliseconds delay)
{
    m_labelRepeat.setInterval(delay);
}

void StatusNotifierItem::repeatLabel()
{
    if (m_label.isEmpty())
        return;
    emit XAyatanaNewLabel(QString(), QString());
    emit XAyatanaNewLabel(m_label, m_labelGuide);
}

void StatusNotifierItem::setIcon(const QString &name, const QString &themePath, const SniIconPixmapList &pixmaps)
{
    const bool changed = name != m_iconName || themePath != m_iconThemePath || pixmaps.size() != m_icon.size()
        || !std::equal(pixmaps.cbegin(), pixmaps.cend(), m_icon.cbegin(),
                       [](const SniIconPixmap &a, const SniIconPixmap &b) { return a.bytes == b.bytes; });
    m_iconName = name;
    m_iconThemePath = themePath;
    m_icon = pixmaps;
    if (changed)
        emit NewIcon();
}

void StatusNotifierItem::setToolTip(const QString &title, const QString &text)
{
    if (title == m_toolTipTitle && text == m_toolTipText)
        return;
    m_toolTipTitle = title;
    m_toolTipText = text;
    emit NewToolTip();
}

QString StatusNotifierItem::id() const
{
    if (m_whenRead) // after the host's call has been answered
        QTimer::singleShot(0, this, std::exchange(m_whenRead, {}));
    if (m_labelRepeat.interval() > 0)
        m_labelRepeat.start();
    return m_id;
}

SniToolTip StatusNotifierItem::toolTip() const
{
    const std::optional<QString> now = m_readToolTip ? m_readToolTip() : std::nullopt;
    return {QString(), {}, m_toolTipTitle, now.value_or(m_toolTipText)};
}

void StatusNotifierItem::setLabel(const QString &label, const QString &guide)
{
    if (label == m_label && guide == m_labelGuide)
        return;
    m_label = label;
    m_labelGuide = guide;
    emit XAyatanaNewLabel(label, guide);
}

// The item is a menu: hosts that call Activate on a click show the menu when it fails.
void StatusNotifierItem::Activate(int, int)
{
    if (m_activate)
        m_activate();
    else if (calledFromDBus())
        sendErrorReply(QDBusError::NotSupported, QStringLiteral("The item is a menu"));
}

void StatusNotifierItem::SecondaryActivate(int x, int y)
{
    Activate(x, y);
}

void StatusNotifierItem::ContextMenu(int, int) {}
void StatusNotifierItem::Scroll(int, const QString &) {}
void StatusNotifierItem::ProvideXdgActivationToken(const QString &) {}
