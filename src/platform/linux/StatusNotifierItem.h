#pragma once

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QImage>
#include <QObject>

// (iiay): one icon size, ARGB32 in network byte order.
struct SniIconPixmap
{
    int width = 0;
    int height = 0;
    QByteArray bytes;

    static SniIconPixmap from(const QImage &image);
};
using SniIconPixmapList = QList<SniIconPixmap>;

// (sa(iiay)ss): icon name, icon pixmaps, title, description.
struct SniToolTip
{
    QString iconName;
    SniIconPixmapList icons;
    QString title;
    QString description;
};

Q_DECLARE_METATYPE(SniIconPixmap)
Q_DECLARE_METATYPE(SniToolTip)

QDBusArgument &operator<<(QDBusArgument &argument, const SniIconPixmap &pixmap);
const QDBusArgument &operator>>(const QDBusArgument &argument, SniIconPixmap &pixmap);
QDBusArgument &operator<<(QDBusArgument &argument, const SniToolTip &toolTip);
const QDBusArgument &operator>>(const QDBusArgument &argument, SniToolTip &toolTip);

void registerStatusNotifierTypes();

// One panel item of the freedesktop StatusNotifierItem protocol, with the Ayatana label.
class StatusNotifierItem final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ emptyText)
    Q_PROPERTY(QList<SniIconPixmap> IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyText)
    Q_PROPERTY(QList<SniIconPixmap> OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ emptyText)
    Q_PROPERTY(QList<SniIconPixmap> AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ emptyText)
    Q_PROPERTY(QString IconThemePath READ emptyText)
    Q_PROPERTY(SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
    Q_PROPERTY(uint XAyatanaOrderingIndex READ orderingIndex)

public:
    static inline const QString objectPath = QStringLiteral("/StatusNotifierItem");

    StatusNotifierItem(QString id, uint orderingIndex, QDBusObjectPath menuPath, QObject *parent = nullptr);

    // Each setter tells the host when the value changed.
    void setIcon(const SniIconPixmapList &pixmaps);
    void setToolTip(const QString &text);
    void setLabel(const QString &label, const QString &guide);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return m_id; }
    QString title() const { return QStringLiteral("Quotabar"); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString emptyText() const { return {}; }
    SniIconPixmapList iconPixmap() const { return m_icon; }
    SniIconPixmapList noPixmaps() const { return {}; }
    SniToolTip toolTip() const { return {QString(), {}, m_toolTip, QString()}; }
    bool itemIsMenu() const { return true; }
    QDBusObjectPath menu() const { return m_menuPath; }
    QString label() const { return m_label; }
    QString labelGuide() const { return m_labelGuide; }
    uint orderingIndex() const { return m_orderingIndex; }

public slots:
    void ContextMenu(int x, int y);
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void Scroll(int delta, const QString &orientation);
    void ProvideXdgActivationToken(const QString &token);

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString &status);
    void XAyatanaNewLabel(const QString &label, const QString &guide);

private:
    QString m_id;
    uint m_orderingIndex;
    QDBusObjectPath m_menuPath;
    SniIconPixmapList m_icon;
    QString m_toolTip;
    QString m_label;
    QString m_labelGuide;
};
