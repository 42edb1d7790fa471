#include "statusbar/StatusMenu.h"
#include "support/WorkedExample.h"

#include <QtTest>
#include <QTimeZone>

Q_DECLARE_METATYPE(std::optional<ProviderUsage>)

namespace {

const QDateTime now(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc());

ProviderUsage record(std::optional<double> session, std::optional<QString> sessionLabel,
                     std::optional<double> weekly, std::optional<QString> weeklyLabel, qint64 ageMs = 0)
{
    ProviderUsage u;
    u.sessionPercentage = session;
    u.sessionLabel = sessionLabel;
    u.weeklyPercentage = weekly;
    u.weeklyLabel = weeklyLabel;
    u.fetchedAt = now.addMSecs(-ageMs);
    return u;
}

QString rows(const StatusMenu &menu, StatusMenu::ItemId first)
{
    QStringList texts;
    for (int id = first; id < first + 3; ++id) {
        const auto &item = menu.item(static_cast<StatusMenu::ItemId>(id));
        texts.append(item.title + (item.enabled ? QStringLiteral(" [on]") : QString()));
    }
    return texts.join(QStringLiteral(" | "));
}

} // namespace

// The drop-down menu: its items, and the provider rows written at each opening.
class TestStatusMenu : public QObject
{
    Q_OBJECT

private slots:
    void initialItems()
    {
        const StatusMenu menu(StatusMenu::Actions{});
        QStringList described;
        for (const auto &item : menu.items()) {
            described.append(item.separator ? QStringLiteral("---") : item.title);
            if (!item.shortcut.isEmpty())
                described.last() += QLatin1Char(' ') + item.shortcut;
            if (!item.enabled)
                described.last() += QStringLiteral(" (disabled)");
            if (!item.visible)
                described.last() += QStringLiteral(" (hidden)");
        }
        const QStringList claudeExtra(7, QStringLiteral(" (disabled) (hidden)")); // six limits, extra usage
        const QStringList openAIExtra(7, QStringLiteral(" (disabled) (hidden)")); // six limits, credits
        QCOMPARE(described, (QStringList{"Claude (disabled)", "Session  — (disabled)", "Weekly  — (disabled)"}
                                + claudeExtra
                                + QStringList{"— (disabled)", "--- (hidden)", "ChatGPT (disabled) (hidden)",
                                              "Session  — (disabled) (hidden)", "Weekly  — (disabled) (hidden)"}
                                + openAIExtra
                                + QStringList{
                                "— (disabled) (hidden)",
                                "---",
                                "Refresh Now Ctrl+R",
                                "Usage History…",
                                "Check for Updates…",
                                "Preferences… Ctrl+,",
                                "Welcome Guide…",
                                "---",
                                "Quit Quotabar Ctrl+Q",
                            }));
        QCOMPARE(menu.item(StatusMenu::claudeHeader).icon, QStringLiteral("claude"));
        QCOMPARE(menu.item(StatusMenu::openAIHeaderItem).icon, QStringLiteral("openai"));
    }

    void providerRows_data()
    {
        QTest::addColumn<std::optional<ProviderUsage>>("usage");
        QTest::addColumn<QString>("expected");
        const QString expired = QStringLiteral("Session  — | Weekly  — | Session expired — check your key [on]");

        QTest::newRow("no record yet") << std::optional<ProviderUsage>() << expired;
        ProviderUsage error = record(10, {}, 10, {});
        error.sessionPercentage.reset();
        error.error = QStringLiteral("HTTP 500");
        QTest::newRow("error record") << std::optional(error)
                                      << QStringLiteral("Session  — | Weekly  — | HTTP 500 [on]");
        ProviderUsage stale = record(42.4, {}, 59, {});
        stale.fetchedAt = stale.fetchedAt.addSecs(-720);
        stale.failedTry = QStringLiteral("HTTP 503");
        QTest::newRow("last good figures after a failed try")
            << std::optional(stale) << "Session  58% | Weekly  41% | Updated 12m ago · last try failed: HTTP 503";
        stale.nextTryAt = stale.fetchedAt.addSecs(720 + 120);
        QTest::newRow("and the service asked to wait")
            << std::optional(stale) << "Session  58% | Weekly  41% | Updated 12m ago · last try failed: HTTP 503 · next try in 2m";
        QTest::newRow("labels after the percentages")
            << std::optional(record(42.4, QStringLiteral("Session resets in 2 hr."), 59, QStringLiteral("Weekly resets in 3 days")))
            << "Session  58%  Session resets in 2 hr. | Weekly  41%  Weekly resets in 3 days | Updated just now";
        QTest::newRow("percentage without label") << std::optional(record(42.4, {}, 0, {}, 30000))
                                                  << "Session  58% | Weekly  100% | Updated 30s ago";
        QTest::newRow("both percentages absent") << std::optional(record({}, QStringLiteral("x"), {}, {}, 4900))
                                                 << "Session  — | Weekly  — | Updated just now";
    }

    void providerRows()
    {
        QFETCH(std::optional<ProviderUsage>, usage);
        QFETCH(QString, expected);
        StatusMenu menu(StatusMenu::Actions{});
        menu.showClaude(record(1, {}, 1, {}), now); // what a good record said before must not linger
        menu.showClaude(usage, now);
        QCOMPARE(rows(menu, StatusMenu::claudeSessionItem), expected);
        // Read with an age, as the tooltips read them, the rows say the same at the same moment.
        QCOMPARE(menu.rowTexts(Provider::claude, StatusMenu::AgeAt{now, std::nullopt}).join(QStringLiteral(" | ")),
                 QString(expected).remove(QStringLiteral(" [on]")));
        menu.showOpenAI(true, usage, now);
        QCOMPARE(rows(menu, StatusMenu::openAISessionItem), expected);
    }

    // Per-model limits, windows of other lengths and extra usage get rows under the weekly one;
    // the plan joins the header.
    void extraRows_data()
    {
        QTest::addColumn<int>("provider");
        QTest::addColumn<std::optional<ProviderUsage>>("usage");
        QTest::addColumn<QString>("expected"); // header, then the visible rows

        ProviderUsage models = record(10, {}, 20, {});
        models.plan = QStringLiteral("Max");
        models.windows = {
            {QStringLiteral("five_hour"), QStringLiteral("Session"), LimitWindow::Kind::session},
            {QStringLiteral("seven_day_opus"), QStringLiteral("Opus weekly"), LimitWindow::Kind::extra, 604800, 12,
             std::nullopt, QStringLiteral("resets in 3 days")},
            {QStringLiteral("seven_day_sonnet"), QStringLiteral("Sonnet weekly"), LimitWindow::Kind::extra, 604800, 0.4},
        };
        models.extraUsage = ExtraUsage{12.4, 50, 24.8, QStringLiteral("usd")};
        QTest::newRow("Opus and Sonnet, extra usage, plan")
            << int(Provider::claude) << std::optional(models)
            << "Claude · Max | Session  90% | Weekly  80% | Opus weekly  88%  resets in 3 days | Sonnet weekly  100% | "
               "Extra usage  $12.40 of $50.00 this month | Updated just now";

        ProviderUsage plain = models;
        plain.extraUsage = ExtraUsage{3, std::nullopt, std::nullopt, std::nullopt};
        plain.windows.clear();
        for (int i = 1; i <= 7; ++i)
            plain.windows.append({QString::number(i), QStringLiteral("L%1").arg(i), LimitWindow::Kind::extra});
        QTest::newRow("six rows at most, figures without a currency")
            << int(Provider::claude) << std::optional(plain)
            << "Claude · Max | Session  90% | Weekly  80% | L1  — | L2  — | L3  — | L4  — | L5  — | L6  — | "
               "Extra usage  3.00 this month | Updated just now";

        ProviderUsage broken = models;
        broken.error = QStringLiteral("HTTP 500");
        QTest::newRow("an error hides them") << int(Provider::claude) << std::optional(broken)
                                             << "Claude | Session  — | Weekly  — | HTTP 500";

        QTest::newRow("Team account") << int(Provider::openAI) << std::optional(WorkedExample::team())
                                      << "ChatGPT · Team | Session  90%  Session resets in 40 min. | Weekly  — | "
                                         "30-day  88%  resets in 1 wk. | Updated just now";

        ProviderUsage credits = WorkedExample::team();
        credits.credits = Credits{123.45, false};
        QTest::newRow("credits") << int(Provider::openAI) << std::optional(credits)
                                 << "ChatGPT · Team | Session  90%  Session resets in 40 min. | Weekly  — | "
                                    "30-day  88%  resets in 1 wk. | Credits  123.45 | Updated just now";
    }

    void extraRows()
    {
        QFETCH(int, provider);
        QFETCH(std::optional<ProviderUsage>, usage);
        QFETCH(QString, expected);
        StatusMenu menu(StatusMenu::Actions{});
        // Rows of an earlier record that had more do not linger.
        ProviderUsage earlier = record(1, {}, 1, {});
        earlier.extraUsage = ExtraUsage{};
        earlier.credits = Credits{1, true};
        for (int i = 0; i < 7; ++i)
            earlier.windows.append({QString::number(i), QStringLiteral("old"), LimitWindow::Kind::extra});
        const Provider which = Provider(provider);
        for (const auto &shown : {std::optional(earlier), usage}) {
            if (which == Provider::claude)
                menu.showClaude(shown, now);
            else
                menu.showOpenAI(true, shown, now);
        }
        const auto header = which == Provider::claude ? StatusMenu::claudeHeader : StatusMenu::openAIHeaderItem;
        QCOMPARE((QStringList{menu.item(header).title} + menu.rowTexts(which)).join(QStringLiteral(" | ")), expected);
    }

    void updatedText_data()
    {
        QTest::addColumn<qint64>("ageMs");
        QTest::addColumn<QString>("expected");
        QTest::newRow("in the future") << qint64(-3000) << "Updated just now";
        QTest::newRow("4.9 s") << qint64(4900) << "Updated just now";
        QTest::newRow("5 s") << qint64(5000) << "Updated 5s ago";
        QTest::newRow("59.9 s") << qint64(59900) << "Updated 59s ago";
        QTest::newRow("60 s") << qint64(60000) << "Updated 1m ago";
        QTest::newRow("119.9 s") << qint64(119900) << "Updated 1m ago";
        QTest::newRow("3599 s") << qint64(3599000) << "Updated 59m ago";
        QTest::newRow("3600 s") << qint64(3600000) << "Updated 1h ago";
        QTest::newRow("7200 s") << qint64(7200000) << "Updated 2h ago";
    }

    void updatedText()
    {
        QFETCH(qint64, ageMs);
        QFETCH(QString, expected);
        QCOMPARE(MenuTexts::updated(now.addMSecs(-ageMs), now), expected);
    }

    void chatGPTGroupShowsAndHidesTogether()
    {
        StatusMenu menu(StatusMenu::Actions{});
        const auto group = {StatusMenu::openAISeparator, StatusMenu::openAIHeaderItem, StatusMenu::openAISessionItem,
                            StatusMenu::openAIWeeklyItem, StatusMenu::openAIUpdatedItem};
        menu.showOpenAI(true, record(10, {}, 20, {}), now);
        for (const auto id : group)
            QVERIFY(menu.item(id).visible);
        QCOMPARE(menu.item(StatusMenu::openAISessionItem).title, QStringLiteral("Session  90%"));

        menu.showOpenAI(false, std::nullopt, now);
        for (const auto id : group)
            QVERIFY(!menu.item(id).visible);
        // Hidden rows are left as they were.
        QCOMPARE(menu.item(StatusMenu::openAISessionItem).title, QStringLiteral("Session  90%"));
    }

    void activationRespectsState()
    {
        QStringList ran;
        StatusMenu menu(StatusMenu::Actions{
            [&ran] { ran << "prefs"; },
            [&ran] { ran << "refresh"; },
            [&ran] { ran << "updates"; },
            [&ran] { ran << "guide"; },
            [&ran] { ran << "quit"; },
            [&ran] { ran << "history"; },
        });
        menu.activate(StatusMenu::claudeUpdatedItem); // disabled until the expired form
        menu.activate(StatusMenu::claudeHeader);
        menu.showClaude(std::nullopt, now);
        menu.activate(StatusMenu::claudeUpdatedItem);
        menu.activate(StatusMenu::openAIUpdatedItem); // hidden
        for (const auto id : {StatusMenu::refreshNow, StatusMenu::usageHistory, StatusMenu::checkForUpdates,
                              StatusMenu::openPrefs, StatusMenu::openOnboarding, StatusMenu::quit})
            menu.activate(id);
        QCOMPARE(ran, (QStringList{"prefs", "refresh", "history", "updates", "prefs", "guide", "quit"}));
    }
};

QTEST_GUILESS_MAIN(TestStatusMenu)
#include "tst_statusmenu.moc"
