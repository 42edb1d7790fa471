#include "history/UsageHistory.h"
#include "notify/NoticeRules.h"
#include "pace/DurationText.h"
#include "platform/qt/Translations.h"
#include "statusbar/StatusMenu.h"
#include "support/FakeClock.h"
#include "usage/ResetLabel.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// One text of a catalogue, as lupdate writes it.
struct Message
{
    QString context;
    QString source;
    QString comment; // the disambiguation, part of the text's identity
    QStringList translations; // one per plural form for a counted text
    bool finished = false;

    QString key() const { return context + QLatin1Char('|') + source + QLatin1Char('|') + comment; }
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}, false};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            message.finished = type.isEmpty();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                message.finished = false;
            QString text;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("translation")) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.translations.append(xml.readElementText());
                if (xml.atEnd())
                    break;
            }
            if (message.translations.isEmpty())
                message.translations.append(text);
            messages.append(message);
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:[1-9]|n|L1)"));
    QStringList found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found.append(match.next().captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

QString listed(const QStringList &keys)
{
    return keys.mid(0, 8).join(QLatin1String("\n  ")) + (keys.size() > 8 ? QStringLiteral("\n  …") : QString());
}

} // namespace

// Every text of the source is in every catalogue, translated, with the placeholders its source has.
class TestTranslations : public QObject
{
    Q_OBJECT

    QTemporaryDir m_scratch;
    QList<Message> m_source;

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        const QString fresh = m_scratch.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(QUOTABAR_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-ui-lines"),
                       QStringLiteral("-silent"), QStringLiteral(QUOTABAR_SOURCE_DIR "/src"), QStringLiteral("-ts"),
                       fresh});
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        m_source = readCatalogue(fresh);
        QVERIFY2(m_source.size() > 100, "lupdate found too few texts in the source");
    }

    void catalogueIsComplete_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "fr", "es", "pt_BR"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void catalogueIsComplete()
    {
        QFETCH(QString, language);
        const QList<Message> catalogue =
            readCatalogue(QStringLiteral(QUOTABAR_SOURCE_DIR "/translations/quotabar_%1.ts").arg(language));
        QVERIFY2(!catalogue.isEmpty(), "the catalogue is missing or not well-formed");

        QHash<QString, const Message *> byKey;
        for (const Message &message : catalogue)
            byKey.insert(message.key(), &message);
        QStringList missing;
        QSet<QString> inSource;
        for (const Message &message : std::as_const(m_source)) {
            inSource.insert(message.key());
            if (!byKey.contains(message.key()))
                missing.append(message.key());
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 texts are not in the catalogue (run "
                                                              "scripts/update-translations):\n  %2")
                                                   .arg(missing.size())
                                                   .arg(listed(missing))));

        QStringList stale, unfinished, mismatched;
        for (const Message &message : catalogue) {
            if (!inSource.contains(message.key()))
                stale.append(message.key());
            else if (!message.finished || message.translations.contains(QString()))
                unfinished.append(message.key());
            else if (std::any_of(message.translations.cbegin(), message.translations.cend(),
                                 [&](const QString &text) { return placeholders(text) != placeholders(message.source); }))
                mismatched.append(message.key());
        }
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("texts no longer in the source:\n  ") + listed(stale)));
        QVERIFY2(unfinished.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts untranslated:\n  %2").arg(unfinished.size()).arg(listed(unfinished))));
        QVERIFY2(mismatched.isEmpty(),
                 qPrintable(QStringLiteral("placeholders differ from the source:\n  ") + listed(mismatched)));
    }

    void sessionLanguagePicksTheCatalogue_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("refresh");
        QTest::addColumn<QString>("qtCancel");
        QTest::newRow("German in Germany") << "de_DE" << "Jetzt aktualisieren" << "Abbrechen";
        QTest::newRow("German in Austria") << "de_AT" << "Jetzt aktualisieren" << "Abbrechen";
        QTest::newRow("French") << "fr_FR" << "Actualiser maintenant" << "Annuler";
        QTest::newRow("Brazilian Portuguese") << "pt_BR" << "Atualizar agora" << "Cancelar";
        QTest::newRow("Spanish in Mexico") << "es_MX" << "Actualizar ahora" << "Cancelar";
        QTest::newRow("English") << "en_GB" << "Refresh Now" << "Cancel";
        QTest::newRow("no catalogue") << "ja_JP" << "Refresh Now" << "キャンセル";
    }

    // The loader finds the session's catalogue by language, whatever the country, and Qt's own.
    void sessionLanguagePicksTheCatalogue()
    {
        QFETCH(QString, locale);
        QFETCH(QString, refresh);
        QFETCH(QString, qtCancel);
        Translations::install(*QCoreApplication::instance(), QLocale(locale));
        const auto removeTranslators = qScopeGuard([] { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); });
        QCOMPARE(StatusMenu(StatusMenu::Actions{}).item(StatusMenu::refreshNow).title, refresh);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
    }

    // What a German session reads, through the compiled catalogue: the menu's rows with a counted
    // age, its items, and a notice.
    void germanSessionReadsGerman()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/quotabar_de.qm")));
        QCoreApplication::installTranslator(&german);
        const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });
        FakeClock clock;

        StatusMenu menu(StatusMenu::Actions{});
        ProviderUsage usage;
        usage.sessionPercentage = 27;
        usage.weeklyPercentage = 60;
        usage.fetchedAt = clock.now().addSecs(-5 * 60);
        menu.showClaude(usage, clock.now());
        QCOMPARE(menu.rowTexts(Provider::claude, StatusMenu::AgeAt{clock.now(), std::nullopt}),
                 (QStringList{"Sitzung  73%", "Woche  40%", "Vor 5 Min. aktualisiert"}));
        QStringList titles;
        for (const auto &item : menu.items())
            titles.append(item.title);
        QCOMPARE(titles.mid(titles.indexOf(QStringLiteral("Jetzt aktualisieren"))).join(QLatin1Char('|')),
                 QStringLiteral("Jetzt aktualisieren|Nutzungsverlauf…|Nach Aktualisierungen suchen…|Einstellungen…|"
                                "Einführung…||Quotabar beenden"));

        NoticeRules rules(clock, {false, false});
        usage.sessionPercentage = 40;
        QVERIFY(rules.observe(Provider::openAI, usage, NoticeSettings{}).isEmpty());
        usage.sessionPercentage = 82.4;
        const QList<Notice> notices = rules.observe(Provider::openAI, usage, NoticeSettings{});
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0].summary, QStringLiteral("ChatGPT Sitzung: 18% übrig"));

        // A day's name in a sentence is in the sentence's language.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restoreLocale = qScopeGuard([&] { QLocale::setDefault(before); });
        const qint64 sunday = QDateTime(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc()).toSecsSinceEpoch();
        QCOMPARE(UsageHistory::hitText(UsageHistory::LimitHit{Window::weekly, sunday, sunday + 21 * 3600, true}, QTimeZone::utc()),
                 QStringLiteral("Wochenlimit erreicht: So. 12:00 · wieder verfügbar seit Mo. 09:00"));
    }

    // A duration ("1 Tag 3 Std.") or the time till a reset ("in 6 Tagen", seconds from now).
    void countedTextsTakeTheLanguagesPluralForms_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("tillReset");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("de one day") << "de" << false << qint64(86400 + 3 * 3600) << "1 Tag 3 Std.";
        QTest::newRow("de three days") << "de" << false << qint64(3 * 86400) << "3 Tage";
        QTest::newRow("de hours and minutes") << "de" << false << qint64(125 * 60) << "2 Std. 5 Min.";
        QTest::newRow("fr one day") << "fr" << false << qint64(86400) << "1\u00a0jour";
        QTest::newRow("fr two days") << "fr" << false << qint64(2 * 86400) << "2\u00a0jours";
        QTest::newRow("es two days") << "es" << false << qint64(2 * 86400) << "2 días";
        QTest::newRow("pt_BR one day") << "pt_BR" << false << qint64(86400) << "1 dia";
        QTest::newRow("de reset in one day") << "de" << true << qint64(86400 + 3 * 3600) << "in 1 Tag";
        QTest::newRow("de reset in six days") << "de" << true << qint64(6 * 86400) << "in 6 Tagen";
        QTest::newRow("de reset in two weeks") << "de" << true << qint64(14 * 86400) << "in 2 Wochen";
        QTest::newRow("de reset a minute ago") << "de" << true << qint64(-90) << "vor 1 Min.";
        QTest::newRow("fr reset in two hours") << "fr" << true << qint64(7800) << "dans 2\u00a0h";
        QTest::newRow("es reset in a month") << "es" << true << qint64(45 * 86400) << "dentro de 1 m";
        QTest::newRow("pt_BR reset in one day") << "pt_BR" << true << qint64(86400) << "em 1 dia";
        QTest::newRow("pt_BR reset in two years") << "pt_BR" << true << qint64(800 * 86400) << "em 2 anos";
    }

    void countedTextsTakeTheLanguagesPluralForms()
    {
        QFETCH(QString, language);
        QFETCH(bool, tillReset);
        QFETCH(qint64, seconds);
        QFETCH(QString, expected);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/quotabar_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        const QDateTime now(QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc());
        QCOMPARE(tillReset ? ResetPhrases::relativeTime(now.addSecs(seconds), now) : DurationText::phrase(seconds),
                 expected);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
