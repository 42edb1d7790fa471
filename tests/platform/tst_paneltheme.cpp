#include "platform/PanelShade.h"
#include "platform/WaybarStyle.h"
#include "platform/XSettings.h"
#include "platform/linux/PortalColorScheme.h"
#include "platform/linux/XfcePanelConfig.h"
#include "support/PrivateSessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusVariant>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using PanelShade::ColorScheme;
using PanelShade::Shade;

namespace {

QByteArray captured(const char *name)
{
    QFile file(QStringLiteral(QUOTABAR_SOURCE_DIR "/tests/platform/xsettings/") + QLatin1String(name) + ".bin");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// XSETTINGS bytes in either byte order: an integer, a string and a colour.
QByteArray handMade(bool bigEndian)
{
    QByteArray bytes;
    const auto put = [&](auto number) {
        char raw[sizeof(number)];
        if (bigEndian)
            qToBigEndian(number, raw);
        else
            qToLittleEndian(number, raw);
        bytes.append(raw, sizeof(number));
    };
    const auto name = [&](quint8 type, const QByteArray &text) {
        put(type);
        put(quint8(0));
        put(quint16(text.size()));
        bytes.append(text).append((4 - text.size() % 4) % 4, '\0');
        put(quint32(7)); // last change
    };
    put(quint8(bigEndian));
    bytes.append(3, '\0');
    put(quint32(42)); // serial
    put(quint32(3));
    name(0, "Gtk/CursorThemeSize");
    put(qint32(-24));
    name(1, "Net/ThemeName");
    put(quint32(10));
    bytes.append("Menta-Dark").append(2, '\0');
    name(2, "Gtk/Accent");
    for (const quint16 channel : {0xFFFF, 0x8000, 0x0000, 0xFFFF})
        put(channel);
    return bytes;
}

// A desktop portal serving org.freedesktop.appearance, with or without ReadOne (added in version 2).
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint scheme = 1;
    bool hasReadOne = true;

public slots:
    QDBusVariant ReadOne(const QString &group, const QString &key)
    {
        if (!hasReadOne) {
            sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such method"));
            return {};
        }
        return QDBusVariant(value(group, key));
    }
    QDBusVariant Read(const QString &group, const QString &key)
    {
        // Read wraps the value in one more variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(value(group, key))));
    }

signals:
    void SettingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    QVariant value(const QString &group, const QString &key)
    {
        if (group != QLatin1String("org.freedesktop.appearance") || key != QLatin1String("color-scheme")) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("Not found"));
            return {};
        }
        return scheme;
    }
};

} // namespace

// Where the panel's shade comes from: XSETTINGS bytes, the portal's colour scheme, and the decision.
class TestPanelTheme : public QObject
{
    Q_OBJECT

    PrivateSessionBus m_bus;

private slots:
    void initTestCase() { QVERIFY(m_bus.start()); }

    void xsettingsBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("count");
        const QByteArray mate = captured("mate-adwaita");
        QTest::newRow("MATE, Adwaita") << mate << true << "Adwaita" << 41;
        QTest::newRow("MATE after switching to BlackMATE") << captured("mate-blackmate") << true << "BlackMATE" << 41;
        QTest::newRow("Xfce, Adwaita-dark") << captured("xfce-adwaita-dark") << true << "Adwaita-dark" << 31;
        QTest::newRow("least significant byte first") << handMade(false) << true << "Menta-Dark" << 3;
        QTest::newRow("most significant byte first") << handMade(true) << true << "Menta-Dark" << 3;
        QTest::newRow("cut short inside a string") << mate.left(mate.indexOf("Adwaita") + 3) << false << "" << 0;
        QTest::newRow("cut short inside a colour") << handMade(false).chopped(1) << false << "" << 0;
        QByteArray unknownType = handMade(false);
        unknownType[12] = 3;
        QTest::newRow("an unknown type") << unknownType << false << "" << 0;
        QTest::newRow("an unknown byte order") << QByteArray(1, 2) + handMade(false).mid(1) << false << "" << 0;
        QTest::newRow("empty") << QByteArray() << false << "" << 0;
    }

    void xsettingsBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, parses);
        QFETCH(QString, theme);
        QFETCH(int, count);
        QVERIFY(!bytes.isEmpty() || !parses);
        const std::optional<XSettings> settings = XSettings::parse(bytes);
        QCOMPARE(settings.has_value(), parses);
        if (!settings)
            return;
        QCOMPARE(settings->string(QStringLiteral("Net/ThemeName")), theme);
        QCOMPARE(settings->values.size(), count);
    }

    // Numbers and colours in both byte orders, and the numbers of a captured manager.
    void xsettingsValues()
    {
        for (const bool bigEndian : {false, true}) {
            const std::optional<XSettings> settings = XSettings::parse(handMade(bigEndian));
            QVERIFY(settings);
            QCOMPARE(settings->serial, 42u);
            QCOMPARE(std::get<qint32>(settings->values.value(QStringLiteral("Gtk/CursorThemeSize"))), -24);
            QCOMPARE(std::get<XSettings::Colour>(settings->values.value(QStringLiteral("Gtk/Accent"))),
                     (XSettings::Colour{0xFFFF, 0x8000, 0x0000, 0xFFFF}));
            QCOMPARE(settings->string(QStringLiteral("Gtk/CursorThemeSize")), QString()); // not a string
        }
        const std::optional<XSettings> mate = XSettings::parse(captured("mate-adwaita"));
        QVERIFY(mate);
        QCOMPARE(mate->serial, 0u); // the bytes after the byte order are unused, here not zero
        QCOMPARE(std::get<qint32>(mate->values.value(QStringLiteral("Xft/DPI"))), 102385); // 99.98 dpi × 1024
        QCOMPARE(mate->string(QStringLiteral("Net/IconThemeName")), QStringLiteral("menta"));
    }

    void decision_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<int>("panelSetting"); // -1 none, else a Shade
        QTest::addColumn<QString>("xsettingsTheme");
        QTest::addColumn<QString>("gtkTheme");
        QTest::addColumn<bool>("prefersDark");
        QTest::addColumn<int>("colorScheme"); // -1 no answer, else a ColorScheme
        QTest::addColumn<int>("shade");       // -1 undecided
        const int none = -1, light = int(Shade::light), dark = int(Shade::dark);
        const int preferDark = int(ColorScheme::preferDark), preferLight = int(ColorScheme::preferLight);
        QTest::newRow("MATE with BlackMATE") << "MATE" << none << "BlackMATE" << "" << false << none << dark;
        QTest::newRow("the live theme over a stale file") << "MATE" << none << "Menta" << "Adwaita-dark" << false << none << light;
        QTest::newRow("Xfce's file with Adwaita-dark") << "XFCE" << none << "" << "Adwaita-dark" << false << none << dark;
        QTest::newRow("high contrast, inverted") << "XFCE" << none << "HighContrastInverse" << "" << false << none << dark;
        QTest::newRow("prefer-dark with a light theme") << "XFCE" << none << "" << "Adwaita" << true << none << dark;
        QTest::newRow("a theme name over the portal") << "MATE" << none << "Adwaita" << "" << false << preferDark << light;
        QTest::newRow("Budgie's own dark panel") << "Budgie:GNOME" << dark << "Adwaita" << "" << false << none << dark;
        QTest::newRow("Budgie following Adwaita") << "Budgie:GNOME" << none << "Adwaita" << "" << false << preferDark << light;
        QTest::newRow("GNOME's bar with Adwaita") << "ubuntu:GNOME" << none << "Adwaita" << "" << false << preferLight << dark;
        QTest::newRow("sway with nothing told") << "sway" << none << "" << "" << false << none << dark;
        QTest::newRow("sway with the portal preferring light") << "sway" << none << "" << "" << false << preferLight << light;
        QTest::newRow("the portal alone") << "LXQt" << none << "" << "" << false << preferDark << dark;
        QTest::newRow("nothing told") << "MATE" << none << "" << "" << false << int(ColorScheme::noPreference) << none;
    }

    void decision()
    {
        QFETCH(QString, desktop);
        QFETCH(int, panelSetting);
        QFETCH(QString, xsettingsTheme);
        QFETCH(QString, gtkTheme);
        QFETCH(bool, prefersDark);
        QFETCH(int, colorScheme);
        QFETCH(int, shade);
        PanelShade::Hints hints{desktop, std::nullopt, xsettingsTheme, gtkTheme, prefersDark, std::nullopt};
        if (panelSetting >= 0)
            hints.panelSetting = Shade(panelSetting);
        if (colorScheme >= 0)
            hints.colorScheme = ColorScheme(colorScheme);
        const std::optional<Shade> decided = PanelShade::decide(hints);
        QCOMPARE(decided ? int(*decided) : -1, shade);
    }

    void waybarTray_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<int>("background"); // 0xRRGGBB, or -1 for none
        const QString bar = QStringLiteral("window#waybar {\n    background-color: rgba(43, 48, 59, 0.5);\n    color: #ffffff;\n}\n");
        QTest::newRow("Waybar's own style") << bar + "#tray,\n#mode {\n    padding: 0 10px;\n}\n#tray {\n    background-color: #2980b9;\n}\n"
                                                     "#tray > .needs-attention {\n    background-color: #eb4d4b;\n}\n"
                                            << 0x2980B9;
        QTest::newRow("a tray without a background: the bar's") << bar + "#tray { padding: 0 4px; }" << 0x2B303B;
        QTest::newRow("a transparent tray: the bar's") << bar + "#tray { background: transparent; }" << 0x2B303B;
        QTest::newRow("in a list of selectors") << "#clock, #tray { background: #333; }" << 0x333333;
        QTest::newRow("the last rule wins") << "#tray { background: #ffffff; }\n#tray { background-color: rgb(20, 20, 20); }" << 0x141414;
        QTest::newRow("a commented-out rule") << bar + "/* #tray { background: #ffffff; } */" << 0x2B303B;
        QTest::newRow("a named colour") << "#tray { background-color: @base; }" << -1;
        QTest::newRow("a bar mostly see-through") << "window#waybar { background: rgba(0, 0, 0, 0.2); }" << -1;
    }

    void waybarTray()
    {
        QFETCH(QString, css);
        QFETCH(int, background);
        const std::optional<quint32> read = WaybarStyle::trayBackground(css);
        QCOMPARE(read ? int(*read) : -1, background);
    }

    // The ink on a known background reads at 4.5:1 or better, in the house inks where they do.
    void inkOnAKnownBackground_data()
    {
        QTest::addColumn<int>("background");
        QTest::addColumn<int>("ink");
        QTest::newRow("Waybar's dark bar") << 0x2B303B << 0xF6F5F4;
        QTest::newRow("a light bar") << 0xF6F5F4 << 0x232629;
        QTest::newRow("Waybar's blue tray, where neither house ink reads") << 0x2980B9 << 0x000000;
        QTest::newRow("a mid grey, where white reads and the light ink does not") << 0x737373 << 0xFFFFFF;
    }

    void inkOnAKnownBackground()
    {
        QFETCH(int, background);
        QFETCH(int, ink);
        QCOMPARE(int(PanelShade::inkOn(quint32(background), 0xF6F5F4, 0x232629)), ink);
        QVERIFY(PanelShade::contrast(quint32(background), quint32(ink)) >= 4.5);
    }

    void portalValue_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("scheme");
        QTest::newRow("ReadOne's number") << QVariant(1u) << int(ColorScheme::preferDark);
        QTest::newRow("Read's number in a variant") << QVariant::fromValue(QDBusVariant(2u)) << int(ColorScheme::preferLight);
        QTest::newRow("no preference") << QVariant(0u) << int(ColorScheme::noPreference);
        QTest::newRow("a number from a later version") << QVariant(3u) << -1;
        QTest::newRow("a string") << QVariant(QStringLiteral("prefer-dark")) << -1;
    }

    void portalValue()
    {
        QFETCH(QVariant, value);
        QFETCH(int, scheme);
        const std::optional<ColorScheme> read = PortalColorScheme::fromValue(value);
        QCOMPARE(read ? int(*read) : -1, scheme);
    }

    // Asked without waiting, with Read where ReadOne is missing, and followed through SettingChanged.
    void portalIsAskedAndFollowed_data()
    {
        QTest::addColumn<bool>("hasReadOne");
        QTest::newRow("version 2 (ReadOne)") << true;
        QTest::newRow("version 1 (Read)") << false;
    }

    void portalIsAskedAndFollowed()
    {
        QFETCH(bool, hasReadOne);
        QDBusConnection service = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("portal"));
        FakePortal portal;
        portal.hasReadOne = hasReadOne;
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));

        PortalColorScheme scheme(QDBusConnection::sessionBus());
        QVERIFY(!scheme.value()); // start-up does not wait for the answer
        QSignalSpy changed(&scheme, &PortalColorScheme::changed);
        QVERIFY(changed.wait(5000));
        QCOMPARE(scheme.value(), ColorScheme::preferDark);

        emit portal.SettingChanged(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"),
                                   QDBusVariant(2u));
        QVERIFY(changed.wait(5000));
        QCOMPARE(scheme.value(), ColorScheme::preferLight);

        service.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        service.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }
    // Xfce's tray plugin from the panel's channel: sntray only where systray is not there too.
    void xfceTrayPlugin_data()
    {
        QTest::addColumn<QByteArray>("plugins");
        QTest::addColumn<int>("tray");
        const int systray = int(PanelHost::XfceTray::systray);
        QTest::newRow("Debian 13's default panel") << QByteArray("applicationsmenu tasklist separator systray clock") << systray;
        QTest::newRow("the sntray plugin") << QByteArray("applicationsmenu sntray clock") << int(PanelHost::XfceTray::sntray);
        QTest::newRow("both: systray hosts too") << QByteArray("sntray systray") << systray;
        QTest::newRow("no tray at all") << QByteArray("clock") << systray;
    }

    void xfceTrayPlugin()
    {
        QFETCH(QByteArray, plugins);
        QFETCH(int, tray);
        const auto channelWith = [](const QByteArray &names) {
            QByteArray channel = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<channel name=\"xfce4-panel\" version=\"1.0\">\n"
                                 "  <property name=\"panels\" type=\"array\"><value type=\"int\" value=\"1\"/></property>\n"
                                 "  <property name=\"plugins\" type=\"empty\">\n";
            int number = 0;
            for (const QByteArray &name : names.split(' '))
                channel += "    <property name=\"plugin-" + QByteArray::number(++number) + "\" type=\"string\" value=\"" + name + "\"/>\n";
            return channel + "  </property>\n</channel>\n";
        };
        QCOMPARE(int(XfcePanelConfig::trayIn(channelWith(plugins))), tray);

        // The user's channel comes before the system's.
        QTemporaryDir home, system;
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        const QString channel = QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml");
        QVERIFY(write(system.path() + channel, channelWith(plugins)));
        QCOMPARE(int(XfcePanelConfig::tray(home.path(), {system.path()})), tray);
        QVERIFY(write(home.path() + channel, channelWith("sntray")));
        QCOMPARE(XfcePanelConfig::tray(home.path(), {system.path()}), PanelHost::XfceTray::sntray);
    }
    // Xfce's default panel (4.18, 4.20) is drawn dark whatever the theme: its "dark-mode" is on.
    void xfcePanelShade_data()
    {
        QTest::addColumn<QByteArray>("panel");
        QTest::addColumn<bool>("dark");
        QTest::newRow("dark mode on, as by default") << QByteArray(R"(<property name="dark-mode" type="bool" value="true"/>)") << true;
        QTest::newRow("dark mode off") << QByteArray(R"(<property name="dark-mode" type="bool" value="false"/>)") << false;
        QTest::newRow("no such setting") << QByteArray(R"(<property name="size" type="uint" value="26"/>)") << false;
    }

    void xfcePanelShade()
    {
        QFETCH(QByteArray, panel);
        QFETCH(bool, dark);
        // Xfconf 4.20 writes XML 1.1.
        const QByteArray channel = R"(<?xml version="1.1" encoding="UTF-8"?>)" "\n"
                                   R"(<channel name="xfce4-panel" version="1.0"><property name="panels" type="array">)"
                                   R"(<value type="int" value="1"/><property name="panel-1" type="empty">)"
            + panel + "</property></property></channel>";
        const std::optional<Shade> shade = XfcePanelConfig::shadeIn(channel);
        QCOMPARE(shade == Shade::dark, dark);
        QCOMPARE(shade.has_value(), dark); // otherwise the theme decides
    }
};

QTEST_GUILESS_MAIN(TestPanelTheme)
#include "tst_paneltheme.moc"
