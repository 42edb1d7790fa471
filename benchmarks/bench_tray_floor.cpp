// The least a Qt Widgets program does to sit in the panel: one tray icon with a one-row menu.
// Built a second time with FLOOR_FETCH, it also fetches each URL given over TLS, now and then every
// 60 s, as the panel program's refresh does. benchmarks/footprint runs both beside the panel program.
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

#ifdef FLOOR_FETCH
#include <QNetworkAccessManager>
#include <QNetworkReply>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::darkGreen);
    QSystemTrayIcon tray{QIcon(pixmap)};
    QMenu menu;
    menu.addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    tray.setContextMenu(&menu);
    tray.show();
#ifdef FLOOR_FETCH
    QNetworkAccessManager manager;
    const QStringList urls = app.arguments().mid(1);
    const auto fetch = [&] {
        for (const QString &url : urls) {
            QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(url)));
            QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
        }
    };
    QTimer every;
    QObject::connect(&every, &QTimer::timeout, &app, fetch);
    every.start(60000);
    fetch();
#endif
    return app.exec();
}
