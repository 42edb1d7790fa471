#include "AppearanceMonitor.h"

#include <QCoreApplication>
#include <QEvent>

AppearanceMonitor::AppearanceMonitor(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool AppearanceMonitor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance()
        && (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange))
        emit changed();
    return QObject::eventFilter(watched, event);
}
