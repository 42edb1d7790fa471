#include "QuitGuard.h"

#include "platform/LogCategories.h"

#include <QCoreApplication>
#include <QEvent>

QuitGuard::QuitGuard(QObject *parent)
    : QObject(parent)
{
    // In Qt 6 the last QEventLoopLocker to go quits the application unless this is off, whatever
    // quitOnLastWindowClosed says. Under Plasma 6 the platform theme's tray icons release one when a
    // StatusNotifierWatcher appears: the program ended at login when it started before the panel.
    QCoreApplication::setQuitLockEnabled(false);
    QCoreApplication::instance()->installEventFilter(this);
}

QuitGuard::~QuitGuard()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void QuitGuard::quit()
{
    // exit() ends the loops directly; only quit() and automatic quits travel as QEvent::Quit.
    QCoreApplication::exit(0);
}

bool QuitGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Quit || watched != QCoreApplication::instance())
        return false;
    qCWarning(panelLog) << "Ignored a request to quit that did not come from Quotabar";
    return true;
}
