// The least a Qt program can do for `status --json`: QtCore and QtDBus loaded, one blocking call,
// the reply printed. benchmarks/cli runs it beside the command and dbus-send, so that the command's
// cost can be told apart from the cost of starting Qt at all.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("app.quotabar.Quotabar"), QStringLiteral("/app/quotabar/Quotabar"),
        QStringLiteral("app.quotabar.Quotabar1"), QStringLiteral("Status"));
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return 1;
    std::puts(reply.arguments().value(0).toString().toUtf8().constData());
    return 0;
}
