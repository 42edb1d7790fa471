#include "app/AppDelegate.h"
#include "cli/CommandLine.h"
#include "platform/linux/StatusBusClient.h"
#include "platform/linux/TerminationSignals.h"
#include "platform/qt/SingleInstance.h"

#include "BuildInfo.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {

void write(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream); // a bar reading --follow sees each line at once
}

// A command-line verb: no display, no widgets, no settings; only the running program's bus interface.
int runCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // QtDBus registers its own types when first needed, which its connection thread may do
    // while this one does too; at exit that race printed a warning about an invalid type.
    qRegisterMetaType<QDBusArgument>();
    qRegisterMetaType<QDBusError>();
    qRegisterMetaType<QDBusMessage>();
    qRegisterMetaType<QDBusObjectPath>();
    qRegisterMetaType<QDBusSignature>();
    qRegisterMetaType<QDBusUnixFileDescriptor>();
    qRegisterMetaType<QDBusVariant>();
    StatusBusClient client;
    CommandLine commandLine(client, {[](const QString &text) { write(stdout, text); },
                                     [](const QString &text) { write(stderr, text); },
                                     [](int code) { QCoreApplication::exit(code); }});
    QTimer::singleShot(0, &app, [&] { commandLine.run(QCoreApplication::arguments().mid(1)); });
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLine::isCommand(arguments))
        return runCommand(argc, argv);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quotabar"));
    QApplication::setApplicationName(QStringLiteral("Quotabar"));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::version));
    QApplication::setDesktopFileName(QStringLiteral("app.quotabar.Quotabar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/quotabar-icon.png")));
    QApplication::setQuitOnLastWindowClosed(false); // closing a window never ends the program

    SingleInstance instance;
    if (!instance.acquire())
        return 0; // another copy is already running

    // Ending at logout goes the way of Quit, so the lock above is released and its file removed.
    TerminationSignals termination([] { QCoreApplication::quit(); });
    AppDelegate delegate;
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    return app.exec();
}
