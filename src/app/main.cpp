#include "app/AppDelegate.h"
#include "app/SharedInstances.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/TerminationSignals.h"
#include "platform/qt/FileIconEngine.h"
#include "platform/qt/QuitGuard.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/Translations.h"

#include "BuildInfo.h"

#include <QApplication>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

// The panel program; the quotabar command starts it when called without a verb.
int main(int argc, char *argv[])
{
    TerminationSignals::holdUntilHandled();
#ifdef __GLIBC__
    // glibc gives each thread that meets contention an arena of its own, kept for the life of the
    // program. Two are plenty for a program that mostly waits; under the panel this kept a few
    // hundred kilobytes less resident (benchmarks/footprint, MALLOC_ARENA_MAX=2).
    mallopt(M_ARENA_MAX, 2);
#endif
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quotabar"));
    QApplication::setApplicationName(QStringLiteral("Quotabar"));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::version));
    QApplication::setDesktopFileName(QStringLiteral("app.quotabar.Quotabar"));
    Translations::install(app);
    QApplication::setWindowIcon(FileIconEngine::icon(QStringLiteral(":/images/quotabar-icon.png")));
    QApplication::setQuitOnLastWindowClosed(false); // closing a window never ends the program
    QuitGuard quitGuard; // nor does a tray host coming or going: only Quit and a termination signal do

    SingleInstance instance;
    if (!instance.acquire())
        return 0; // another copy is already running

    LinuxPlatform platform;
    SharedInstances::usePlatform(platform);
    int status = 0;
    {
        // Ending at logout goes the way of Quit, so the lock above is released and its file removed.
        TerminationSignals termination(&QuitGuard::quit);
        AppDelegate delegate(platform);
        QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
        status = app.exec();
    }
    // The delegate has gone; the shared instances go while the application is still whole.
    SharedInstances::endAll();
    return status;
}
