#pragma once

#include "platform/DesktopNotices.h"

#include <QList>

// Remembers every notice it was asked to show.
struct RecordingNotices final : DesktopNotices
{
    void show(const QString &tag, const DesktopNotice &notice) override { shown.append({tag, notice}); }
    void setActionHandler(ActionHandler handler) override { actionHandler = std::move(handler); }

    QList<std::pair<QString, DesktopNotice>> shown;
    ActionHandler actionHandler;
};
