#pragma once

#include <QDBusArgument>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QImage>
#include <QObject>
#include <QTimer>

#include <chrono>

#include <functional>
#include <optional>

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
class StatusNotifierItem final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(QList<SniIconPixmap> IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyText)
    Q_PROPERTY(QList<SniIconPixmap> OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ emptyText)
    Q_PROPERTY(QList<SniIconPixmap> AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ emptyText)
    Q_PROPERTY(QString IconThemePath READ iconThemePath)
    Q_PROPERTY(SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString IconAccessibleDesc READ accessibleDescription)
    Q_PROPERTY(QString AttentionAccessibleDesc READ emptyText)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
    Q_PROPERTY(uint XAyatanaOrderingIndex READ orderingIndex)

public:
    static inline const QString objectPath = QStringLiteral("/StatusNotifierItem");

    StatusNotifierItem(QString id, QString title, uint orderingIndex, QDBusObjectPath menuPath,
                       QObject *parent = nullptr);

    // Each setter tells the host when the value changed. A named icon comes first for hosts
    // that look it up (and colour it); the pixmaps serve the others.
    void setIcon(const QString &name, const QString &themePath, const SniIconPixmapList &pixmaps);
    void setToolTip(const QString &title, const QString &text);
    void setLabel(const QString &label, const QString &guide);
    // Gives the tooltip text at the moment a host reads it; without it, or when it gives nothing,
    // the host reads the text last set.
    void setToolTipReader(std::function<std::optional<QString>()> read) { m_readToolTip = std::move(read); }
    // Calls `read` once, soon after a host next reads the item's Id, as hosts do when they add it.
    void whenRead(std::function<void()> read) { m_whenRead = std::move(read); }
    // Says the label again, as a change (empty, then the label), this long after each time a host reads
    // the Id: for hosts that draw a label only when it changes after they show the item, not the one
    // they read with it.
    void repeatLabelAfterRead(std::chrono::milliseconds delay);
    // What a click that calls Activate does; without it Activate fails, which hosts take as "show the menu".
    void setActivation(std::function<void()> activate) { m_activate = std::move(activate); }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const;
    QString title() const { return m_title; }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString emptyText() const { return {}; }
    SniIconPixmapList iconPixmap() const { return m_icon; }
    SniIconPixmapList noPixmaps() const { return {}; }
    QString iconName() const { return m_iconName; }
    QString iconThemePath() const { return m_iconThemePath; }
    SniToolTip toolTip() const;
    bool itemIsMenu() const { return true; }
    QDBusObjectPath menu() const { return m_menuPath; }
    QString label() const { return m_label; }
    // What screen readers say of the icon: "Claude S:73%  W:41%".
    QString accessibleDescription() const
    {
        return m_label.isEmpty() ? m_toolTipTitle : m_toolTipTitle + QLatin1Char(' ') + m_label;
    }
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
    std::function<void()> m_activate;
    void repeatLabel();

    mutable std::function<void()> m_whenRead;
    mutable QTimer m_labelRepeat;
    std::function<std::optional<QString>()> m_readToolTip;
    QString m_id;
    QString m_title;
    uint m_orderingIndex;
    QDBusObjectPath m_menuPath;
    SniIconPixmapList m_icon;
    QString m_iconName;
    QString m_iconThemePath;
    QString m_toolTipTitle;
    QString m_toolTipText;
    QString m_label;
    QString m_labelGuide;
};
