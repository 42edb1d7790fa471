#include "platform/Alerts.h"
#include "platform/linux/OsReleaseFile.h"
#include "platform/UrlOpener.h"
#include "platform/qt/NetworkTransport.h"
#include "support/CountingTransport.h"
#include "support/FakeWebServer.h"
#include "support/Waiting.h"
#include "update/UpdateChecker.h"

#include <QtTest>

Q_DECLARE_METATYPE(FakeReply)

namespace {

QByteArray feed(const QByteArray &items)
{
    return R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
  <channel><title>Quotabar</title>)" + items + "</channel></rss>\n";
}

QByteArray item(const QByteArray &build, const QByteArray &version, const QByteArray &url)
{
    QByteArray text = "<item><title>Release</title><sparkle:version>" + build + "</sparkle:version>";
    if (!version.isEmpty())
        text += "<sparkle:shortVersionString>" + version + "</sparkle:shortVersionString>";
    return text + R"(<enclosure url=")" + url + R"(" length="1" type="application/octet-stream"/></item>)";
}

const QByteArray deb = "https://quotabar.app/downloads/quotabar_1.4.0-205_amd64.deb";
const QByteArray dmg = "https://quotabar.app/downloads/Quotabar-1.4.0.dmg";

// One release offered as a disk image and as a Debian package, in that order.
QByteArray bothDownloads(const QByteArray &build)
{
    return "<item><sparkle:version>" + build + R"(</sparkle:version><enclosure url=")" + dmg
        + R"(" type="application/octet-stream"/><enclosure url=")" + deb + R"(" type="application/vnd.debian.binary-package"/></item>)";
}

const QByteArray deb12 = "https://quotabar.app/downloads/quotabar_1.4.0-205~deb12_amd64.deb";
const QByteArray deb13 = "https://quotabar.app/downloads/quotabar_1.4.0-205~deb13_amd64.deb";

// One release with a package for each Debian release it is built for, in the given order.
QByteArray perRelease(const QList<QByteArray> &urls)
{
    QByteArray text = "<item><sparkle:version>205</sparkle:version>";
    for (const QByteArray &url : urls)
        text += R"(<enclosure url=")" + url + R"(" type="application/vnd.debian.binary-package"/>)";
    return text + "</item>";
}

struct FakeOsRelease final : OsRelease
{
    OsReleaseInfo current() const override { return info; }
    OsReleaseInfo info;
};

// Records each alert and answers with the scripted button.
struct RecordingAlerts final : Alerts
{
    int runModal(const Alert &alert) override
    {
        shown.append(alert);
        return choice;
    }
    QList<Alert> shown;
    int choice = 0;
};

struct RecordingOpener final : UrlOpener
{
    bool open(const QUrl &url) override
    {
        opened.append(url);
        return handled;
    }
    QList<QUrl> opened;
    bool handled = true;
};

struct Harness
{
    FakeWebServer server;
    NetworkTransport network{HttpLimits{std::chrono::milliseconds(300), std::chrono::milliseconds(600)}};
    CountingTransport transport{network};
    RecordingAlerts alerts;
    RecordingOpener opener;
    FakeOsRelease system;
    int terminations = 0;
    int finished = 0;

    std::unique_ptr<UpdateChecker> checker(const QString &runningBuild, const QString &runningVersion = "1.3.0")
    {
        return std::make_unique<UpdateChecker>(QUrl(server.origin() + "/appcast.xml"),
                                               UpdateChecker::Services{transport, alerts, opener, system, [this] { ++terminations; }},
                                               UpdateChecker::Running{runningBuild, runningVersion});
    }

    // Runs a check and waits until the feed has been answered and handled.
    void run(const std::function<void()> &check)
    {
        check();
        waitUntil([this] { return transport.settled(); });
    }

    // Each alert shown: its title, its text, its buttons, and whether it carries the application's icon.
    QString alertTexts() const
    {
        QStringList texts;
        for (const Alert &alert : alerts.shown)
            texts.append(QStringLiteral("%1: %2 [%3]%4").arg(alert.messageText, alert.informativeText,
                                                            alert.buttons.join(QStringLiteral(", ")),
                                                            alert.applicationIcon ? QStringLiteral(" +icon") : QString()));
        return texts.join(QStringLiteral(" | "));
    }
};

} // namespace

// The appcast reading and both kinds of check against a loopback feed.
class TestUpdateChecker : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected"); // "build|version|url" or "-"

        QTest::newRow("full item") << feed(item("205", "1.4.0", deb)) << "205|1.4.0|" + QString(deb);
        QTest::newRow("spaces around the build") << feed(item(" 205 ", "1.4.0", deb)) << "-";
        QTest::newRow("build only as an attribute")
            << feed(R"(<item><enclosure url=")" + deb + R"(" sparkle:version="205"/></item>)") << "-";
        QTest::newRow("disk image listed before the package") << feed(bothDownloads("205")) << "205|205|" + QString(deb);
        QTest::newRow("zip download only") << feed(item("205", "1.4.0", "https://quotabar.app/Quotabar.zip")) << "-";
        QTest::newRow("single-quoted url") << feed("<item><sparkle:version>5</sparkle:version><enclosure url='" + deb + "'/></item>") << "-";
        QTest::newRow("older item first counts")
            << feed(item("204", "1.3.0", "https://quotabar.app/a.deb") + item("206", "1.5.0", "https://quotabar.app/b.deb"))
            << "204|1.3.0|https://quotabar.app/a.deb";
        QTest::newRow("build beyond 64 bits") << feed(item("9223372036854775808", "9", deb)) << "-";
        QTest::newRow("largest 64-bit build") << feed(item("9223372036854775807", "9", deb))
                                              << "9223372036854775807|9|" + QString(deb);
        QTest::newRow("non-ASCII digits do not convert") << feed(item("٢٠٥", "1.4.0", deb)) << "-";
        QTest::newRow("address that does not parse") << feed(item("205", "1.4.0", "http://[bad/Quotabar.deb")) << "-";
        QTest::newRow("relative address") << feed(item("205", "1.4.0", "Quotabar.deb")) << "-";
        QTest::newRow("plain http address") << feed(item("205", "1.4.0", "http://quotabar.app/Quotabar.deb")) << "-";
        QTest::newRow("local file address") << feed(item("205", "1.4.0", "file:///tmp/Quotabar.deb")) << "-";
        QTest::newRow("other handler") << feed(item("205", "1.4.0", "smb://host/Quotabar.deb")) << "-";
        QTest::newRow("version of 64 characters") << feed(item("205", QByteArray(64, 'v'), deb))
                                                  << "205|" + QString(64, 'v') + "|" + QString(deb);
        QTest::newRow("version of 65 characters") << feed(item("205", QByteArray(65, 'v'), deb)) << "-";
        QTest::newRow("version over two lines") << feed(item("205", "1.4.0\nPlease run rm -rf", deb)) << "-";
        QTest::newRow("version with a right-to-left override")
            << feed(item("205", "1.4.0\xe2\x80\xae" "bed.", deb)) << "-";
        QTest::newRow("version with a control character") << feed(item("205", "1.4\x07", deb)) << "-";
        QTest::newRow("item inside a comment") << feed("<!-- " + item("900", "9.0", deb) + " -->" + item("205", "1.4.0", deb))
                                               << "205|1.4.0|" + QString(deb);
        QTest::newRow("only a commented-out item") << feed("<!--" + item("205", "1.4.0", deb) + "-->") << "-";
        QTest::newRow("empty") << QByteArray() << "-";
    }

    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const auto info = Appcast::parse(QString::fromUtf8(text));
        QCOMPARE(info ? QStringLiteral("%1|%2|%3").arg(info->build).arg(info->version, info->downloadURL.toString())
                      : QStringLiteral("-"),
                 expected);
    }

    void packageForTheRunningRelease_data()
    {
        QTest::addColumn<QByteArray>("items");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("versionId");
        QTest::addColumn<QByteArray>("offered");

        const QByteArray both = perRelease({deb12, deb13});
        QTest::newRow("Debian 13") << both << "debian" << "13" << deb13;
        QTest::newRow("Debian 12") << both << "debian" << "12" << deb12;
        QTest::newRow("Debian 14 takes the first") << both << "debian" << "14" << deb12;
        QTest::newRow("Debian 1 is not Debian 13") << perRelease({deb13, deb12}) << "debian" << "1" << deb13;
        QTest::newRow("Ubuntu takes the first") << both << "ubuntu" << "24.04" << deb12;
        QTest::newRow("rolling release takes the first") << both << "debian" << "" << deb12;
        QTest::newRow("unknown system takes the first") << both << "" << "" << deb12;
        QTest::newRow("untagged package") << perRelease({deb, deb13}) << "debian" << "13" << deb13;
        QTest::newRow("an older item's package is never taken")
            << perRelease({deb12}) + item("204", "1.3.0", deb13) << "debian" << "13" << deb12;
    }

    // The feed lists one package per release; the one built for the running system is offered.
    void packageForTheRunningRelease()
    {
        QFETCH(QByteArray, items);
        QFETCH(QString, id);
        QFETCH(QString, versionId);
        QFETCH(QByteArray, offered);

        Harness h;
        h.system.info = OsReleaseInfo{id, versionId};
        h.server.route("/appcast.xml", FakeReply{200, feed(items)});
        h.alerts.choice = 0;
        const auto checker = h.checker("204");
        h.run([&] { checker->checkSilently(); });
        QCOMPARE(h.opener.opened, QList<QUrl>{QUrl(QString::fromLatin1(offered))});
    }

    void osReleaseFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected"); // "id|versionId"

        QTest::newRow("Debian 13") << QByteArray("PRETTY_NAME=\"Debian GNU/Linux 13 (trixie)\"\nNAME=\"Debian GNU/Linux\"\n"
                                                 "VERSION_ID=\"13\"\nVERSION=\"13 (trixie)\"\nID=debian\n")
                                   << "debian|13";
        QTest::newRow("single quotes and spaces") << QByteArray("ID='ubuntu'\nVERSION_ID = '24.04' \n") << "ubuntu|24.04";
        QTest::newRow("escaped quote") << QByteArray("ID=\"my\\\"os\"\n") << "my\"os|";
        QTest::newRow("comments and look-alike keys")
            << QByteArray("#ID=fedora\nVERSION_ID_LIKE=1\nID_LIKE=debian\nID=debian\n") << "debian|";
        QTest::newRow("empty") << QByteArray() << "|";
    }

    void osReleaseFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const OsReleaseInfo info = OsReleaseFile::parse(text);
        QCOMPARE(info.id + QLatin1Char('|') + info.versionId, expected);
    }

    void runningBuild_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("build");
        QTest::newRow("plain") << "204" << qint64(204);
        QTest::newRow("plus sign") << "+7" << qint64(7);
        QTest::newRow("minus sign") << "-3" << qint64(-3);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("dotted") << "1.2" << qint64(0);
        QTest::newRow("two signs") << "+-1" << qint64(0);
    }

    void runningBuild()
    {
        QFETCH(QString, text);
        QFETCH(qint64, build);
        Harness h;
        QCOMPARE(h.checker(text)->currentBuild(), build);
    }

    void outcomes_data()
    {
        QTest::addColumn<FakeReply>("reply");
        QTest::addColumn<QString>("runningBuild");
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QString>("silent");
        const FakeReply published{200, feed(item("205", "1.4.0", deb))};
        const auto availableAs = [](const QString &version) {
            return QStringLiteral("Quotabar %1 is Available: You have version 1.3.0. Click Download to get the latest "
                                  "version. [Download Update, Later] +icon").arg(version);
        };
        const QString available = availableAs(QStringLiteral("1.4.0"));
        const QString upToDate =
            QStringLiteral("Quotabar is Up to Date: Quotabar 1.3.0 is currently the newest version available. [OK] +icon");
        // Never what went wrong inside, and no icon.
        const QString failed =
            QStringLiteral("Update Check Failed: Could not retrieve update information. Please try again later. [OK]");

        QTest::newRow("newer build") << published << "204" << available << available;
        QTest::newRow("same build") << published << "205" << upToDate << "";
        QTest::newRow("older build") << published << "300" << upToDate << "";
        QTest::newRow("running build unreadable offers any") << published << "dev" << available << available;
        QTest::newRow("no short version") << FakeReply{200, feed(item("205", "", deb))} << "204" << availableAs("205")
                                          << availableAs("205");
        QTest::newRow("404 without the patterns") << FakeReply{404, "<html>Not Found</html>"} << "1" << failed << "";
        QTest::newRow("no feed") << FakeReply{200, "connection refused: internal detail"} << "204" << failed << "";
        QTest::newRow("error page that holds a feed is read as one")
            << FakeReply{500, feed(item("205", "1.4.0", deb))} << "204" << available << available;
        QTest::newRow("body not UTF-8") << FakeReply{200, feed(item("205", "1.4\xff\xfe", deb))} << "204" << failed << "";
        QTest::newRow("disk image only") << FakeReply{200, feed(item("205", "1.4.0", dmg))} << "204" << failed << "";
        QTest::newRow("time-out") << FakeReply{200, feed(item("205", "1.4.0", deb)), {}, 2000} << "204" << failed << "";
    }

    void outcomes()
    {
        QFETCH(FakeReply, reply);
        QFETCH(QString, runningBuild);
        QFETCH(QString, manual);
        QFETCH(QString, silent);

        Harness h;
        h.server.route("/appcast.xml", reply);
        h.alerts.choice = 1; // "Later", or "OK" does not matter
        const auto checker = h.checker(runningBuild);

        h.run([&] { checker->checkWithUI(); });
        QVERIFY(waitUntil([&] { return h.alerts.shown.size() == 1; }, 3000));
        QCOMPARE(h.alertTexts(), manual);

        h.alerts.shown.clear();
        h.run([&] { checker->checkSilently(); });
        QCOMPARE(h.alertTexts(), silent);
        QVERIFY(h.opener.opened.isEmpty());
        QCOMPARE(h.terminations, 0);

        const RecordedRequest &request = h.server.requests().first();
        QCOMPARE(request.path, QByteArray("/appcast.xml"));
        QVERIFY(!request.header("Cookie") && !request.header("Authorization") && !request.header("Referer"));
    }

    void downloadOpensThePackageAndQuits()
    {
        Harness h;
        h.server.route("/appcast.xml", FakeReply{200, feed(item("205", "1.4.0", deb))});
        h.alerts.choice = 0;
        const auto checker = h.checker("204");
        h.run([&] { checker->checkSilently(); });
        QCOMPARE(h.opener.opened, QList<QUrl>{QUrl(QString::fromLatin1(deb))});
        QCOMPARE(h.terminations, 1);

        h.alerts.choice = -1; // closed without a choice
        h.run([&] { checker->checkWithUI(); });
        QCOMPARE(h.opener.opened.size(), 1);
        QCOMPARE(h.terminations, 1);

        // No handler took the address: the program stays and says so.
        h.alerts.choice = 0;
        h.opener.handled = false;
        h.run([&] { checker->checkSilently(); });
        QCOMPARE(h.opener.opened.size(), 2);
        QCOMPARE(h.terminations, 1);
        QCOMPARE(h.alerts.shown.last().messageText, QStringLiteral("Update Check Failed"));
    }

    void nothingHappensOnceTheCheckerIsGone()
    {
        Harness h;
        h.server.route("/appcast.xml", FakeReply{200, feed(item("205", "1.4.0", deb)), {}, 100});
        auto checker = h.checker("204");
        checker->checkWithUI();
        checker.reset();
        waitUntil([&h] { return h.transport.settled(); });
        QVERIFY(h.alerts.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
