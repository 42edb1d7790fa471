#pragma once

#include "platform/DesktopNotices.h"

#include <QDBusConnection>
#include <QMap>
#include <QObject>

// Desktop notices through the freedesktop notification service (org.freedesktop.Notifications)
// on the session bus. Without a bus or a service, notices are dropped and one line is written to
// standard error, once.
class FreedesktopNotices final : public QObject, public DesktopNotices
{
    Q_OBJECT
public:
    struct Sender
    {
        QString appName;
        QString appIcon; // an icon name of the theme; also given as the desktop entry
    };

    explicit FreedesktopNotices(Sender sender, QDBusConnection bus = QDBusConnection::sessionBus(),
                                      QObject *parent = nullptr);

    void show(const QString &tag, const DesktopNotice &notice) override;
    void setActionHandler(ActionHandler handler) override { m_actionHandler = std::move(handler); }

private slots:
    void actionInvoked(uint id, const QString &actionKey);
    void notificationClosed(uint id, uint reason);

private:
    void unavailable(const QString &reason);

    Sender m_sender;
    QDBusConnection m_bus;
    QMap<QString, uint> m_shown; // tag → the server's id of the notice shown under it
    ActionHandler m_actionHandler;
    bool m_toldUnavailable = false;
};
