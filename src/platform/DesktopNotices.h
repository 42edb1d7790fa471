#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

// A short message shown outside the application's windows.
struct DesktopNotice
{
    QString summary;
    QString body;
    QList<std::pair<QString, QString>> actions; // key and label of each button
};

// Shows notices in the desktop's notification area. A notice posted under a tag replaces the one
// shown before under the same tag. Without a notification service notices are dropped quietly.
class DesktopNotices
{
public:
    using ActionHandler = std::function<void(const QString &actionKey)>;

    virtual ~DesktopNotices() = default;
    virtual void show(const QString &tag, const DesktopNotice &notice) = 0;
    // Runs when the user chooses an action of a notice this instance showed.
    virtual void setActionHandler(ActionHandler handler) = 0;
};
