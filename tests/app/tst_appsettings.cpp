#include "app/AppSettings.h"
#include "app/DefaultsKeys.h"
#include "platform/dummy/MemoryDefaultsStore.h"

#include <QtTest>

// Loading rules, fallbacks and write-through of the settings.
class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void freshStoreGivesDefaults()
    {
        MemoryDefaultsStore defaults;
        int launchCalls = 0;
        const AppSettings settings(defaults, [&launchCalls](bool) { ++launchCalls; });
        QCOMPARE(settings.refreshInterval(), 300.0);
        QCOMPARE(settings.launchAtLogin(), false);
        QCOMPARE(settings.displayFormat(), DisplayFormat::both);
        QCOMPARE(settings.showClaude(), true);
        QCOMPARE(settings.showOpenAI(), true);
        QCOMPARE(settings.claudeSessionExpired(), false);
        QCOMPARE(settings.openAISessionExpired(), false);
        QCOMPARE(defaults.writes, 0);
        QCOMPARE(launchCalls, 0);
    }

    void storedValuesAndFallbacks_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("loaded");

        QTest::newRow("interval 60") << DefaultsKeys::refreshInterval << QVariant(60.0) << "60";
        QTest::newRow("interval -5") << DefaultsKeys::refreshInterval << QVariant(-5.0) << "300";
        QTest::newRow("interval 0") << DefaultsKeys::refreshInterval << QVariant(0.0) << "300";
        QTest::newRow("interval a thousandth") << DefaultsKeys::refreshInterval << QVariant(0.001) << "60";
        QTest::newRow("interval 30 days") << DefaultsKeys::refreshInterval << QVariant(2592000.0) << "3600";
        QTest::newRow("interval not a number") << DefaultsKeys::refreshInterval << QVariant(qQNaN()) << "300";
        QTest::newRow("interval infinite") << DefaultsKeys::refreshInterval << QVariant(qInf()) << "300";
        QTest::newRow("interval as text") << DefaultsKeys::refreshInterval << QVariant(QStringLiteral("60")) << "300";
        QTest::newRow("format exact") << DefaultsKeys::displayFormat << QVariant(QStringLiteral("Weekly & Timer"))
                                      << "Weekly & Timer";
        QTest::newRow("format wrong case") << DefaultsKeys::displayFormat << QVariant(QStringLiteral("session only"))
                                           << "Session & Weekly";
        QTest::newRow("format with a trailing space")
            << DefaultsKeys::displayFormat << QVariant(QStringLiteral("Session Only ")) << "Session & Weekly";
        QTest::newRow("panel style exact") << DefaultsKeys::panelStyle << QVariant(QStringLiteral("Figures in icon"))
                                           << "Figures in icon";
        QTest::newRow("panel style unknown") << DefaultsKeys::panelStyle << QVariant(QStringLiteral("Sideways"))
                                             << "Automatic";
        QTest::newRow("showClaude Boolean false") << DefaultsKeys::showClaude << QVariant(false) << "false";
        QTest::newRow("showClaude string no") << DefaultsKeys::showClaude << QVariant(QStringLiteral("no")) << "true";
        QTest::newRow("showOpenAI number 0") << DefaultsKeys::showOpenAI << QVariant(0.0) << "true";
        QTest::newRow("showOpenAI Boolean false") << DefaultsKeys::showOpenAI << QVariant(false) << "false";
        QTest::newRow("launchAtLogin true") << DefaultsKeys::launchAtLogin << QVariant(true) << "true";
        QTest::newRow("claude expired true") << DefaultsKeys::claudeSessionExpired << QVariant(true) << "true";
        QTest::newRow("openAI expired true") << DefaultsKeys::openAISessionExpired << QVariant(true) << "true";
        QTest::newRow("notify low absent") << QStringLiteral("none") << QVariant() << "true 20 5 false true";
        QTest::newRow("notify switches stored")
            << DefaultsKeys::notifyLow << QVariant(false) << "false 20 5 false true";
        QTest::newRow("threshold a choice") << DefaultsKeys::notifyFirstThreshold << QVariant(50.0) << "true 50 5 false true";
        QTest::newRow("threshold not a choice")
            << DefaultsKeys::notifySecondThreshold << QVariant(7.0) << "true 20 5 false true";
        QTest::newRow("reset on") << DefaultsKeys::notifyReset << QVariant(true) << "true 20 5 true true";
        QTest::newRow("expired as text") << DefaultsKeys::notifyExpired << QVariant(QStringLiteral("no"))
                                         << "true 20 5 false true";
    }

    void storedValuesAndFallbacks()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, loaded);

        MemoryDefaultsStore defaults;
        defaults.values.insert(key, stored);
        const AppSettings settings(defaults, {});
        const QHash<QString, QString> values{
            {DefaultsKeys::refreshInterval, QString::number(settings.refreshInterval())},
            {DefaultsKeys::displayFormat, DisplayFormats::rawValue(settings.displayFormat())},
            {DefaultsKeys::panelStyle, PanelStyles::rawValue(settings.panelStyle())},
            {DefaultsKeys::showClaude, QVariant(settings.showClaude()).toString()},
            {DefaultsKeys::showOpenAI, QVariant(settings.showOpenAI()).toString()},
            {DefaultsKeys::launchAtLogin, QVariant(settings.launchAtLogin()).toString()},
            {DefaultsKeys::claudeSessionExpired, QVariant(settings.claudeSessionExpired()).toString()},
            {DefaultsKeys::openAISessionExpired, QVariant(settings.openAISessionExpired()).toString()},
        };
        const QString notices = QStringLiteral("%1 %2 %3 %4 %5")
                                    .arg(QVariant(settings.notifyLow()).toString())
                                    .arg(settings.notifyFirstThreshold())
                                    .arg(settings.notifySecondThreshold())
                                    .arg(QVariant(settings.notifyReset()).toString(),
                                         QVariant(settings.notifyExpired()).toString());
        QCOMPARE(values.value(key, notices), loaded);
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
