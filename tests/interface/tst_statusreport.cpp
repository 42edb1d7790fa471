#include "interface/ReportRows.h"
#include "support/WorkedExample.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

Q_DECLARE_METATYPE(DisplayFormat)

namespace {

using namespace WorkedExample;

StatusInputs inputs(DisplayFormat format, std::optional<ProviderUsage> claudeUsage = claude,
                    std::optional<ProviderUsage> openAIUsage = chatGPT)
{
    return {TitleInputs{format, true, true, claudeUsage, openAIUsage, now}, false, false};
}

QJsonObject build(const StatusInputs &in)
{
    return StatusReport::build(ReportRows::filled(in));
}

QString text(const QJsonObject &object)
{
    return QString::fromUtf8(StatusReport::compact(object));
}

} // namespace

Q_DECLARE_METATYPE(StatusInputs)

// The status document and the bar texts made from it.
class TestStatusReport : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_data()
    {
        QTest::addColumn<DisplayFormat>("format");
        QTest::addColumn<QString>("formatId");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("claudeText");
        QTest::addColumn<QString>("chatGPTText");
        QTest::newRow("both") << DisplayFormat::both << "both" << "Session & Weekly" << "S:73%  W:41%" << "S:90%  W:65%";
        QTest::newRow("session only") << DisplayFormat::sessionOnly << "sessionOnly" << "Session Only" << "73%" << "90%";
        QTest::newRow("weekly only") << DisplayFormat::weeklyOnly << "weeklyOnly" << "Weekly Only" << "41%" << "65%";
        QTest::newRow("session and timer") << DisplayFormat::sessionAndTimer << "sessionAndTimer" << "Session & Timer"
                                           << "S:73%  3h" << "S:90%  45m";
        QTest::newRow("weekly and timer") << DisplayFormat::weeklyAndTimer << "weeklyAndTimer" << "Weekly & Timer"
                                          << "W:41%  4d" << "W:65%  7d";
    }

    void workedExample()
    {
        QFETCH(DisplayFormat, format);
        QFETCH(QString, formatId);
        QFETCH(QString, label);
        QFETCH(QString, claudeText);
        QFETCH(QString, chatGPTText);
        const QJsonObject status = build(inputs(format));

        const QString title = QStringLiteral("Claude %1    ChatGPT %2").arg(claudeText, chatGPTText);
        QCOMPARE(text(status),
                 QStringLiteral(
                     "{\"class\":\"ok\",\"displayFormat\":\"%1\",\"displayFormatLabel\":\"%2\",\"generatedAt\":\"2026-12-06T12:00:00Z\","
                     "\"lowestRemaining\":41,\"providers\":{\"chatgpt\":{\"credentialExpired\":false,\"credits\":null,\"error\":null,\"extraUsage\":null,"
                     "\"fetchedAt\":\"2026-12-06T12:00:00Z\",\"name\":\"ChatGPT\",\"plan\":null,\"rows\":[\"Session  90%  Session resets in 40 min.\","
                     "\"Weekly  65%  Weekly resets in 6 days\",\"Updated just now\"],\"segment\":\"%4\","
                     "\"session\":{\"countdown\":\"45m\",\"remaining\":90,\"remainingRounded\":90,\"resetPhrase\":\"Session resets in 40 min.\","
                     "\"resetsAt\":\"2026-12-06T12:40:00Z\",\"used\":10},\"shown\":true,\"source\":\"sessionKey\",\"state\":\"ok\","
                     "\"weekly\":{\"countdown\":\"7d\",\"remaining\":65,\"remainingRounded\":65,\"resetPhrase\":\"Weekly resets in 6 days\","
                     "\"resetsAt\":\"2026-12-12T14:00:00Z\",\"used\":35},\"windows\":[]},"
                     "\"claude\":{\"credentialExpired\":false,\"credits\":null,\"error\":null,\"extraUsage\":null,\"fetchedAt\":\"2026-12-06T12:00:00Z\","
                     "\"name\":\"Claude\",\"plan\":null,"
                     "\"rows\":[\"Session  73%  Session resets in 2 hr.\",\"Weekly  41%  Weekly resets in 3 days\",\"Updated just now\"],"
                     "\"segment\":\"%3\",\"session\":{\"countdown\":\"3h\",\"remaining\":73,\"remainingRounded\":73,"
                     "\"resetPhrase\":\"Session resets in 2 hr.\",\"resetsAt\":\"2026-12-06T14:10:00Z\",\"used\":27},\"shown\":true,"
                     "\"source\":\"sessionKey\",\"state\":\"ok\",\"weekly\":{\"countdown\":\"4d\",\"remaining\":41,\"remainingRounded\":41,"
                     "\"resetPhrase\":\"Weekly resets in 3 days\",\"resetsAt\":\"2026-12-09T16:00:00Z\",\"used\":59},\"windows\":[]}},"
                     "\"title\":\"%5\",\"titleTooltip\":null,\"version\":1,\"warnings\":[]}")
                     .arg(formatId, label, claudeText, chatGPTText, title));

        QCOMPARE(text(StatusReport::waybar(status)),
                 QStringLiteral("{\"class\":\"ok\",\"percentage\":41,\"text\":\"%1\",\"tooltip\":\"Claude\\nSession  73%  Session "
                                "resets in 2 hr.\\nWeekly  41%  Weekly resets in 3 days\\nUpdated just now\\n\\nChatGPT\\n"
                                "Session  90%  Session resets in 40 min.\\nWeekly  65%  Weekly resets in 6 days\\n"
                                "Updated just now\"}")
                     .arg(title));
        QCOMPARE(StatusReport::lines(status),
                 QStringLiteral("Claude  Session  73%  Session resets in 2 hr.  Weekly  41%  Weekly resets in 3 days  "
                                "Updated just now\n"
                                "ChatGPT  Session  90%  Session resets in 40 min.  Weekly  65%  Weekly resets in 6 days  "
                                "Updated just now\n"));
        QCOMPARE(StatusReport::exitCode(status), 0);
    }

    // Every window under its own key, the plan and the extra usage; the segment and the class count them too
    // (the rows are the menu's, checked with the menu).
    void windowsAndPlan_data()
    {
        QTest::addColumn<StatusInputs>("in");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("expected"); // windows, plan, extraUsage, segment
        QTest::addColumn<QString>("lowest");

        QTest::newRow("Team account") << inputs(DisplayFormat::both, claude, team()) << "chatgpt"
            << "[{\"countdown\":\"45m\",\"durationSeconds\":18000,\"id\":\"primary_window\",\"label\":\"Session\","
               "\"remaining\":90,\"remainingRounded\":90,\"resetPhrase\":\"Session resets in 40 min.\","
               "\"resetsAt\":\"2026-12-06T12:40:00Z\",\"used\":10},"
               "{\"countdown\":\"12d\",\"durationSeconds\":2592000,\"id\":\"secondary_window\",\"label\":\"30-day\","
               "\"remaining\":88,\"remainingRounded\":88,\"resetPhrase\":\"resets in 1 wk.\","
               "\"resetsAt\":\"2026-12-18T12:00:00Z\",\"used\":12}] \"Team\" null \"S:90%  M:88%\""
            << "41";

        ProviderUsage models = claude;
        models.windows = {{QStringLiteral("seven_day_opus"), QStringLiteral("Opus weekly"), LimitWindow::Kind::extra,
                           604800, 97.5, std::nullopt, std::nullopt}};
        models.extraUsage = ExtraUsage{12.4, 50, 24.8, QStringLiteral("USD")};
        QTest::newRow("Claude with an Opus limit and extra usage") << inputs(DisplayFormat::both, models) << "claude"
            << "[{\"countdown\":null,\"durationSeconds\":604800,\"id\":\"seven_day_opus\",\"label\":\"Opus weekly\","
               "\"remaining\":2.5,\"remainingRounded\":3,\"resetPhrase\":null,\"resetsAt\":null,\"used\":97.5}] null "
               "{\"currency\":\"USD\",\"monthlyLimit\":50,\"usedCredits\":12.4,\"utilization\":24.8} \"S:73%  W:41%\""
            << "3";
    }

    void windowsAndPlan()
    {
        QFETCH(StatusInputs, in);
        QFETCH(QString, provider);
        QFETCH(QString, expected);
        QFETCH(QString, lowest);
        const QJsonObject status = build(in);
        const QJsonObject p = status.value(QStringLiteral("providers")).toObject().value(provider).toObject();
        QStringList found;
        for (const char *key : {"windows", "plan", "extraUsage", "segment"}) {
            const QJsonValue value = p.value(QLatin1String(key));
            found.append(QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).chopped(1).mid(1));
        }
        QCOMPARE(found.join(QLatin1Char(' ')), expected);
        QCOMPARE(QString::number(status.value(QStringLiteral("lowestRemaining")).toDouble()), lowest);
        // On the bus, the list of windows is a list of maps.
        const QVariantList bus = StatusReport::busState(p).value(QStringLiteral("windows")).toList();
        QCOMPARE(bus.size(), p.value(QStringLiteral("windows")).toArray().size());
        QCOMPARE(bus.value(0).toMap().value(QStringLiteral("id")).toString(),
                 p.value(QStringLiteral("windows")).toArray().first().toObject().value(QStringLiteral("id")).toString());
    }

    void withoutFigures_data()
    {
        QTest::addColumn<StatusInputs>("in");
        QTest::addColumn<QString>("waybar");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("exitCode");

        StatusInputs expired = inputs(DisplayFormat::both, std::nullopt);
        expired.claudeSessionExpired = true;
        QTest::newRow("Claude refused, ChatGPT fine")
            << expired
            << "{\"class\":\"error\",\"percentage\":65,\"text\":\"Claude ⚠    ChatGPT S:90%  W:65%\",\"tooltip\":\"Claude\\nSession  —\\n"
               "Weekly  —\\nSession expired — check your key\\n\\nChatGPT\\nSession  90%  Session resets in 40 min.\\n"
               "Weekly  65%  Weekly resets in 6 days\\nUpdated just now\"}"
            << "Claude  Session  —  Weekly  —  Session expired — check your key\n"
               "ChatGPT  Session  90%  Session resets in 40 min.  Weekly  65%  Weekly resets in 6 days  Updated just now\n"
            << 1;

        StatusInputs onlyClaude = inputs(DisplayFormat::sessionOnly, failed(QStringLiteral("HTTP 500")));
        onlyClaude.title.showOpenAI = false;
        QTest::newRow("Claude error, ChatGPT hidden")
            << onlyClaude
            << "{\"class\":\"error\",\"text\":\"Claude ⚠\",\"tooltip\":\"Claude\\nSession  —\\nWeekly  —\\n"
               "HTTP 500\"}"
            << "Claude  Session  —  Weekly  —  HTTP 500\n" << 1;

        ProviderUsage stale = claude;
        stale.fetchedAt = now.addSecs(-720);
        stale.failedTry = QStringLiteral("HTTP 503");
        StatusInputs staleClaude = inputs(DisplayFormat::both, stale);
        staleClaude.title.showOpenAI = false;
        QTest::newRow("Claude stale, ChatGPT hidden")
            << staleClaude
            << "{\"class\":\"ok\",\"percentage\":41,\"text\":\"Claude S:73%  W:41%\",\"tooltip\":\"Claude\\n"
               "Session  73%  Session resets in 2 hr.\\nWeekly  41%  Weekly resets in 3 days\\n"
               "Updated 12m ago · last try failed: HTTP 503\"}"
            << "Claude  Session  73%  Session resets in 2 hr.  Weekly  41%  Weekly resets in 3 days  "
               "Updated 12m ago · last try failed: HTTP 503\n"
            << 0;

        // Nothing is known yet: no expired key, whatever an earlier run marked.
        StatusInputs starting = inputs(DisplayFormat::both, std::nullopt, std::nullopt);
        starting.claudeSessionExpired = true;
        starting.claudeAwaiting = Awaiting::answer;
        starting.openAIAwaiting = Awaiting::keyringUnlock;
        QTest::newRow("before the first answers")
            << starting
            << "{\"class\":\"error\",\"text\":\"Claude ⚠    ChatGPT ⚠\",\"tooltip\":\"Claude\\nSession  —\\nWeekly  —\\n"
               "Updating…\\n\\nChatGPT\\nSession  —\\nWeekly  —\\nKeyring locked — unlock it to show figures\"}"
            << "Claude  Session  —  Weekly  —  Updating…\n"
               "ChatGPT  Session  —  Weekly  —  Keyring locked — unlock it to show figures\n"
            << 1;

        StatusInputs nothingShown = inputs(DisplayFormat::both, failed(QStringLiteral("HTTP 500")));
        nothingShown.title.showClaude = false;
        nothingShown.title.showOpenAI = false;
        QTest::newRow("nothing shown") << nothingShown << "{\"class\":\"ok\",\"text\":\"\",\"tooltip\":\"HTTP 500\"}"
                                       << "No provider is shown\n" << 0;
    }

    void withoutFigures()
    {
        QFETCH(StatusInputs, in);
        QFETCH(QString, waybar);
        QFETCH(QString, lines);
        QFETCH(int, exitCode);
        const QJsonObject status = build(in);
        QCOMPARE(text(StatusReport::waybar(status)), waybar);
        QCOMPARE(StatusReport::lines(status), lines);
        QCOMPARE(StatusReport::exitCode(status), exitCode);
    }

    void expiredState()
    {
        StatusInputs in = inputs(DisplayFormat::both, std::nullopt, std::nullopt);
        in.openAISessionExpired = true;
        in.openAISource = QStringLiteral("codex");
        const QJsonObject providers = build(in).value(QStringLiteral("providers")).toObject();
        QCOMPARE(providers.value(QStringLiteral("claude")).toObject().value(QStringLiteral("state")).toString(), "none");
        for (const auto &[awaiting, state] : {std::pair{Awaiting::answer, "loading"}, std::pair{Awaiting::keyring, "loading"},
                                              std::pair{Awaiting::keyringUnlock, "locked"}}) {
            in.claudeAwaiting = awaiting;
            const QJsonObject waiting = build(in).value(QStringLiteral("providers")).toObject();
            QCOMPARE(waiting.value(QStringLiteral("claude")).toObject().value(QStringLiteral("state")).toString(), state);
        }
        const QJsonObject openAI = providers.value(QStringLiteral("chatgpt")).toObject();
        QCOMPARE(openAI.value(QStringLiteral("state")).toString(), "expired");
        QCOMPARE(openAI.value(QStringLiteral("credentialExpired")).toBool(), true);
        QCOMPARE(openAI.value(QStringLiteral("source")).toString(), "codex");

        ProviderUsage stale = claude;
        stale.failedTry = QStringLiteral("HTTP 503");
        const QJsonObject staleClaude = build(inputs(DisplayFormat::both, stale))
                                            .value(QStringLiteral("providers")).toObject().value(QStringLiteral("claude")).toObject();
        QCOMPARE(staleClaude.value(QStringLiteral("state")).toString(), "stale");
        QCOMPARE(staleClaude.value(QStringLiteral("error")).toString(), "HTTP 503");
        QCOMPARE(staleClaude.value(QStringLiteral("session")).toObject().value(QStringLiteral("used")).toDouble(), 27.0);
    }

    // Given when the refresh is due, a plain age reads "just now" until the record is overdue.
    void ageAsTheTooltipsTellIt_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("failedTry");
        QTest::addColumn<QString>("row");
        QTest::newRow("on time") << 59 << false << "Updated just now";
        QTest::newRow("overdue") << 190 << false << "Updated 3m ago";
        QTest::newRow("failed try") << 59 << true << "Updated 59s ago · last try failed: HTTP 503";
    }

    void ageAsTheTooltipsTellIt()
    {
        QFETCH(int, age);
        QFETCH(bool, failedTry);
        QFETCH(QString, row);
        ProviderUsage usage = claude;
        usage.fetchedAt = now.addSecs(-age);
        if (failedTry)
            usage.failedTry = QStringLiteral("HTTP 503");
        StatusInputs in = inputs(DisplayFormat::both, usage);
        in.justNowWithin = 125;
        const QJsonObject provider = build(in).value(QStringLiteral("providers")).toObject().value(QStringLiteral("claude")).toObject();
        QCOMPARE(provider.value(QStringLiteral("rows")).toArray().last().toString(), row);
    }

    void thresholds_data()
    {
        QTest::addColumn<double>("used");
        QTest::addColumn<QString>("expectedClass");
        QTest::addColumn<double>("percentage");
        QTest::newRow("26 left") << 74.0 << "ok" << 26.0;
        QTest::newRow("25.4 left shows 25") << 74.6 << "low" << 25.0;
        QTest::newRow("25 left") << 75.0 << "low" << 25.0;
        QTest::newRow("10.5 left shows 11") << 89.5 << "low" << 11.0;
        QTest::newRow("10 left") << 90.0 << "critical" << 10.0;
    }

    void thresholds()
    {
        QFETCH(double, used);
        QFETCH(QString, expectedClass);
        QFETCH(double, percentage);
        ProviderUsage low = chatGPT;
        low.weeklyPercentage = used;
        const QJsonObject module = StatusReport::waybar(build(inputs(DisplayFormat::sessionOnly, claude, low)));
        QCOMPARE(module.value(QStringLiteral("class")).toString(), expectedClass);
        QCOMPARE(module.value(QStringLiteral("percentage")).toDouble(), percentage);
    }

    void busStateLeavesOutAbsentValues()
    {
        const QVariantMap state = StatusReport::busState(build(inputs(DisplayFormat::both)));
        QVERIFY(!state.contains(QStringLiteral("titleTooltip")));
        const QVariantMap claudeState = state.value(QStringLiteral("providers")).toMap().value(QStringLiteral("claude")).toMap();
        QVERIFY(!claudeState.contains(QStringLiteral("error")));
        QCOMPARE(claudeState.value(QStringLiteral("rows")).toStringList().size(), 3);
        // One D-Bus type per member: whole and fractional figures alike are doubles.
        QCOMPARE(claudeState.value(QStringLiteral("session")).toMap().value(QStringLiteral("used")).typeId(),
                 QMetaType::Double);
    }
};

QTEST_GUILESS_MAIN(TestStatusReport)
#include "tst_statusreport.moc"
