#include "usage/ClaudeResponses.h"
#include "usage/InternetDateTime.h"
#include "usage/OpenAIResponses.h"
#include "statusbar/TitleModel.h"

#include <QSet>
#include <QtTest>
#include <QTimeZone>

namespace {

const QDateTime now(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc());

// Labels that show which instant and prefix they were made for.
QString testLabel(const QDateTime &at, const QString &prefix)
{
    return prefix + QLatin1Char('@') + at.toString(Qt::ISODate);
}

QString optionalText(const std::optional<QString> &text)
{
    return text.value_or(QStringLiteral("-"));
}

QString optionalNumber(const std::optional<double> &number)
{
    return number ? QString::number(*number) : QStringLiteral("-");
}

QString optionalDate(const std::optional<QDateTime> &date)
{
    return date ? date->toString(Qt::ISODateWithMs) : QStringLiteral("-");
}

// Where each record type keeps its short and its long window.
template<typename Record>
struct Fields;
template<>
struct Fields<UsageData>
{
    static constexpr auto shortUsed = &UsageData::sessionPercentage, longUsed = &UsageData::weeklyPercentage;
    static constexpr auto shortReset = &UsageData::sessionResetAt, longReset = &UsageData::weeklyResetAt;
    static constexpr auto shortLabel = &UsageData::sessionLabel, longLabel = &UsageData::weeklyLabel;
};
template<>
struct Fields<OpenAIUsageData>
{
    static constexpr auto shortUsed = &OpenAIUsageData::primaryPercentage,
                          longUsed = &OpenAIUsageData::secondaryPercentage;
    static constexpr auto shortReset = &OpenAIUsageData::primaryResetAt,
                          longReset = &OpenAIUsageData::secondaryResetAt;
    static constexpr auto shortLabel = &OpenAIUsageData::primaryLabel, longLabel = &OpenAIUsageData::secondaryLabel;
};

// One line per record, so a table row states the whole expected record.
template<typename Record, typename F = Fields<Record>>
QString summary(const Record &r)
{
    if (r.error)
        return QStringLiteral("error:") + *r.error;
    return QStringList{optionalNumber(r.*F::shortUsed), optionalDate(r.*F::shortReset), optionalText(r.*F::shortLabel),
                       optionalNumber(r.*F::longUsed), optionalDate(r.*F::longReset), optionalText(r.*F::longLabel)}
        .join(QLatin1Char('|'));
}

// Stamped, not a logged-out marker, and an error record holds no figures.
template<typename Record, typename F = Fields<Record>>
bool isWellFormed(const Record &r)
{
    if constexpr (requires { r.isLoggedOut; }) {
        if (r.isLoggedOut)
            return false;
    }
    return r.fetchedAt.isValid()
        && (!r.error
            || !(r.*F::shortUsed || r.*F::longUsed || r.*F::shortLabel || r.*F::longLabel || r.*F::shortReset
                 || r.*F::longReset));
}

// Every percentage and reset instant a record holds, whatever its place.
template<typename Record>
QSet<QString> values(const Record &r)
{
    QSet<QString> found;
    for (const auto &number : {r.*Fields<Record>::shortUsed, r.*Fields<Record>::longUsed}) {
        if (number)
            found.insert(QString::number(*number));
    }
    for (const auto &date : {r.*Fields<Record>::shortReset, r.*Fields<Record>::longReset}) {
        if (date)
            found.insert(date->toString(Qt::ISODateWithMs));
    }
    return found;
}

// Every window of a record, then its plan and extra usage: "id=label used/length reset; …".
template<typename Record>
QString windowSummary(const Record &r)
{
    QStringList parts;
    for (const LimitWindow &w : r.windows) {
        parts.append(w.id + QLatin1Char('=') + w.label + QLatin1Char(' ') + optionalNumber(w.usedPercent) + QLatin1Char('/')
                     + (w.durationSeconds ? QString::number(*w.durationSeconds) : QStringLiteral("-"))
                     + QLatin1Char(' ') + optionalDate(w.resetAt));
    }
    if (r.plan)
        parts.append(QStringLiteral("plan ") + *r.plan);
    if constexpr (requires { r.credits; }) {
        if (r.credits)
            parts.append(QStringLiteral("credits ") + (r.credits->unlimited ? QStringLiteral("unlimited") : optionalNumber(r.credits->balance)));
    }
    if constexpr (requires { r.extraUsage; }) {
        if (r.extraUsage) {
            parts.append(QStringLiteral("extra %1 of %2, %3%, %4")
                             .arg(optionalNumber(r.extraUsage->usedCredits), optionalNumber(r.extraUsage->monthlyLimit),
                                  optionalNumber(r.extraUsage->utilization), optionalText(r.extraUsage->currency)));
        }
    }
    return parts.join(QStringLiteral("; "));
}

const QByteArray claudeUsageBody = R"({"five_hour":{"utilization":27.5,"resets_at":"2026-12-06T14:10:00.123456+00:00"},
    "seven_day":{"utilization":59,"resets_at":"2026-12-09T16:00:00Z"},"seven_day_opus":null})";
const QByteArray openAIUsageBody = R"({"plan_type":"plus","rate_limit":{"allowed":true,
    "primary_window":{"used_percent":10,"limit_window_seconds":18000,"reset_at":1765025000},
    "secondary_window":{"used_percent":35.5,"limit_window_seconds":604800,"reset_at":1765500000.5}}})";

} // namespace

// Reading the service bodies into records, the reset-time text and the reset phrase.
class TestResponses : public QObject
{
    Q_OBJECT

private slots:
    void internetDateTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // UTC with milliseconds, or "-"

        QTest::newRow("Z without fraction") << "2026-12-06T14:10:00Z" << "2026-12-06T14:10:00.000Z";
        QTest::newRow("microseconds and offset") << "2026-12-06T14:10:00.123456+00:00" << "2026-12-06T14:10:00.123Z";
        QTest::newRow("positive offset") << "2026-12-06T14:10:00+02:00" << "2026-12-06T12:10:00.000Z";
        QTest::newRow("negative offset crosses the day") << "2026-12-06T22:30:00-05:30" << "2026-12-07T04:00:00.000Z";
        QTest::newRow("no zone") << "2026-12-06T14:10:00" << "-";
        QTest::newRow("offset without colon") << "2026-12-06T14:10:00+0200" << "-";
        QTest::newRow("space instead of T") << "2026-12-06 14:10:00Z" << "-";
        QTest::newRow("lower-case z") << "2026-12-06T14:10:00z" << "-";
        QTest::newRow("date only") << "2026-12-06" << "-";
        QTest::newRow("month 13") << "2026-13-06T14:10:00Z" << "-";
        QTest::newRow("February 30") << "2026-02-30T14:10:00Z" << "-";
        QTest::newRow("hour 24") << "2026-12-06T24:00:00Z" << "-";
        QTest::newRow("trailing text") << "2026-12-06T14:10:00Z " << "-";
        QTest::newRow("empty") << "" << "-";
    }

    void internetDateTime()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const auto parsed = parseInternetDateTime(text);
        QCOMPARE(parsed ? parsed->toUTC().toString(Qt::ISODateWithMs) : QStringLiteral("-"), expected);
    }

    void relativePhrase_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("2 h 10 min") << qint64(7800) << "in 2 hr.";
        QTest::newRow("exactly 7 days") << qint64(7 * 86400) << "in 1 wk.";
        QTest::newRow("6 days 23 h") << qint64(6 * 86400 + 23 * 3600) << "in 6 days";
        QTest::newRow("40 min") << qint64(2400) << "in 40 min.";
        QTest::newRow("59 s") << qint64(59) << "in 59 sec.";
        QTest::newRow("45 days") << qint64(45 * 86400) << "in 1 mo.";
        QTest::newRow("400 days") << qint64(400 * 86400) << "in 1 yr.";
        QTest::newRow("90 s ago") << qint64(-90) << "1 min. ago";
        QTest::newRow("one day") << qint64(86400 + 3599) << "in 1 day";
        QTest::newRow("one day ago") << qint64(-86400 - 60) << "1 day ago";
        QTest::newRow("3 days ago") << qint64(-3 * 86400) << "3 days ago";
        QTest::newRow("this second") << qint64(0) << "in 0 sec.";
    }

    void relativePhrase()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, expected);
        QCOMPARE(ResetPhrases::relativeTime(now.addSecs(seconds), now), expected);
    }

    void claudeOrganisation_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first membership")
            << QByteArray(R"({"memberships":[{"organization":{"uuid":"org-1"}},{"organization":{"uuid":"org-2"}}]})")
            << "org-1";
        QTest::newRow("empty uuid is kept") << QByteArray(R"({"memberships":[{"organization":{"uuid":""}}]})") << "";
        QTest::newRow("no memberships") << QByteArray(R"({"memberships":[]})") << "-";
        QTest::newRow("first is not an object") << QByteArray(R"({"memberships":[1,{"organization":{"uuid":"x"}}]})") << "-";
        QTest::newRow("uuid is a number") << QByteArray(R"({"memberships":[{"organization":{"uuid":7}}]})") << "-";
        QTest::newRow("organization missing") << QByteArray(R"({"memberships":[{"org":{"uuid":"x"}}]})") << "-";
        QTest::newRow("top level array") << QByteArray(R"([{"memberships":[]}])") << "-";
        QTest::newRow("empty body") << QByteArray() << "-";
    }

    void claudeOrganisation()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        QCOMPARE(ClaudeResponses::organisationID(body).value_or(QStringLiteral("-")), expected);
    }

    void claudeUsage_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both windows") << claudeUsageBody
                                      << "27.5|2026-12-06T14:10:00.123Z|Session resets@2026-12-06T14:10:00Z|"
                                         "59|2026-12-09T16:00:00.000Z|Weekly resets@2026-12-09T16:00:00Z";
        QTest::newRow("seven_day null") << QByteArray(R"({"five_hour":{"utilization":1},"seven_day":null})")
                                        << "error:Unexpected usage response format";
        QTest::newRow("five_hour missing") << QByteArray(R"({"seven_day":{"utilization":1}})")
                                           << "error:Unexpected usage response format";
        QTest::newRow("empty windows") << QByteArray(R"({"five_hour":{},"seven_day":{}})") << "-|-|-|-|-|-";
        QTest::newRow("utilization as string, out of range, reset null")
            << QByteArray(R"({"five_hour":{"utilization":"42","resets_at":null},"seven_day":{"utilization":104.5,"resets_at":"soon"}})")
            << "-|-|-|104.5|-|-";
        QTest::newRow("negative utilization") << QByteArray(R"({"five_hour":{"utilization":-3},"seven_day":{"utilization":0}})")
                                              << "-3|-|-|0|-|-";
        QTest::newRow("not JSON") << QByteArray("Bad gateway") << "error:Unexpected usage response format";
    }

    void claudeUsage()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        const UsageData record = ClaudeResponses::usageRecord(body, now, testLabel);
        QCOMPARE(summary(record), expected);
        QCOMPARE(record.fetchedAt, now);
        QVERIFY(isWellFormed(record));
    }

    void claudeWindows_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        const QString base = QStringLiteral("five_hour=Session 10/18000 -; seven_day=Weekly 20/604800 -");
        const auto body = [](const char *more) {
            return QByteArray(R"({"five_hour":{"utilization":10},"seven_day":{"utilization":20})") + more + '}';
        };
        QTest::newRow("Opus and Sonnet, one of them null")
            << body(R"(,"seven_day_sonnet":{"utilization":12,"resets_at":"2026-12-09T16:00:00Z"},"seven_day_opus":null)")
            << base + "; seven_day_sonnet=Sonnet weekly 12/604800 2026-12-09T16:00:00.000Z";
        QTest::newRow("known order, malformed one left out")
            << body(R"(,"seven_day_oauth_apps":{"utilization":3},"seven_day_opus":{"utilization":"88"},"seven_day_sonnet":{"utilization":1})")
            << base + "; seven_day_sonnet=Sonnet weekly 1/604800 -; seven_day_oauth_apps=OAuth apps weekly 3/604800 -";
        QTest::newRow("unknown key of the same shape, under its own name")
            << body(R"(,"seven_day_haiku":{"utilization":40,"resets_at":null},"iguana_necktie":{"utilization":5},"seven_day_cowork":[1])")
            << base + "; seven_day_haiku=Haiku weekly 40/604800 -";
        QTest::newRow("new weekly windows, named by their keys")
            << body(R"(,"seven_day_routines":{"utilization":5,"resets_at":null},"seven_day_cowork":{"utilization":7,"resets_at":null})")
            << base + "; seven_day_cowork=Cowork weekly 7/604800 -; seven_day_routines=Routines weekly 5/604800 -";
        QTest::newRow("a model's weekly limit only in the limits list; other kinds ignored")
            << body(R"(,"limits":[{"kind":"weekly_scoped","scope":{"model":{"display_name":"Fable"}},"utilization":88,
                     "resets_at":"2026-12-09T16:00:00Z"},{"kind":"daily_mystery","utilization":3},{"kind":"weekly_scoped","utilization":1}])")
            << base + "; fable=Fable weekly 88/604800 2026-12-09T16:00:00.000Z";
        QTest::newRow("the same model in the list and as a key is one row")
            << body(R"(,"seven_day_opus":{"utilization":84,"resets_at":null},
                     "limits":[{"kind":"weekly_scoped","scope":{"model":{"display_name":"Opus"}},"utilization":84}])")
            << base + "; seven_day_opus=Opus weekly 84/604800 -";
        QTest::newRow("at most six extra rows")
            << body(R"(,"a":{"utilization":1,"resets_at":null},"b":{"utilization":2,"resets_at":null},"c":{"utilization":3,"resets_at":null},
                     "d":{"utilization":4,"resets_at":null},"e":{"utilization":5,"resets_at":null},"f":{"utilization":6,"resets_at":null},
                     "g":{"utilization":7,"resets_at":null})")
            << base + "; a=a 1/- -; b=b 2/- -; c=c 3/- -; d=d 4/- -; e=e 5/- -; f=f 6/- -";
        QTest::newRow("extra usage on, cents to dollars")
            << body(R"(,"extra_usage":{"is_enabled":true,"monthly_limit":5000,"used_credits":1240,"utilization":24.8,"currency":"USD"})")
            << base + "; extra 12.4 of 50, 24.8%, USD";
        QTest::newRow("extra usage on without limit or currency")
            << body(R"(,"extra_usage":{"is_enabled":true,"monthly_limit":null,"used_credits":0,"utilization":null})")
            << base + "; extra 0 of -, -%, -";
        QTest::newRow("extra usage off") << body(R"(,"extra_usage":{"is_enabled":false,"used_credits":1240})") << base;
    }

    void claudeWindows()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        const UsageData record = ClaudeResponses::usageRecord(body, now, testLabel);
        QCOMPARE(windowSummary(record), expected);
        QCOMPARE(summary(record), QStringLiteral("10|-|-|20|-|-"));
    }

    void openAIWindows_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected"); // the session and weekly fields, then every window
        QTest::newRow("free: one weekly window as primary")
            << QByteArray(R"({"plan_type":"free","rate_limit":{"primary_window":{"used_percent":20,"limit_window_seconds":604800},"secondary_window":null}})")
            << "-|-|-|20|-|- primary_window=Weekly 20/604800 -; plan Free";
        QTest::newRow("Plus: five hours and seven days") << openAIUsageBody
            << "10|2025-12-06T12:43:20.000Z|Session resets@2025-12-06T12:43:20Z|35.5|2025-12-12T00:40:00.500Z|Weekly resets@2025-12-12T00:40:00Z "
               "primary_window=Session 10/18000 2025-12-06T12:43:20.000Z; "
               "secondary_window=Weekly 35.5/604800 2025-12-12T00:40:00.500Z; plan Plus";
        QTest::newRow("Team: five hours and 30 days, reset counted from now")
            << QByteArray(R"({"plan_type":"team","rate_limit":{"primary_window":{"used_percent":10,"limit_window_seconds":18000},
                 "secondary_window":{"used_percent":12,"limit_window_seconds":2592000,"reset_after_seconds":1036800}}})")
            << "10|-|-|-|-|- primary_window=Session 10/18000 -; secondary_window=30-day 12/2592000 2026-12-18T12:00:00.000Z; plan Team";
        QTest::newRow("30 days sent as primary, weekly as secondary")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":12,"limit_window_seconds":2592000},
                 "secondary_window":{"used_percent":30,"limit_window_seconds":604800}}})")
            << "-|-|-|30|-|- secondary_window=Weekly 30/604800 -; primary_window=30-day 12/2592000 -";
        QTest::newRow("no limit_window_seconds: placed by position")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":1},"secondary_window":{"used_percent":2}}})")
            << "1|-|-|2|-|- primary_window=Session 1/- -; secondary_window=Weekly 2/- -";
        QTest::newRow("one day is still a session")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":1,"limit_window_seconds":86400}}})")
            << "1|-|-|-|-|- primary_window=Session 1/86400 -";
        QTest::newRow("36 hours is neither session nor weekly")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":1,"limit_window_seconds":129600}}})")
            << "-|-|-|-|-|- primary_window=36-hour 1/129600 -";
        QTest::newRow("limit reached: the most used window is used up")
            << QByteArray(R"({"rate_limit":{"limit_reached":true,"primary_window":{"used_percent":96,"limit_window_seconds":18000},
                 "secondary_window":{"used_percent":40,"limit_window_seconds":604800}}})")
            << "100|-|-|40|-|- primary_window=Session 100/18000 -; secondary_window=Weekly 40/604800 -";
        QTest::newRow("unknown window key, and one that is no window")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":1},"code_review_window":{"used_percent":7,"reset_after_seconds":60},
                 "allowed":true,"other":{"used":3}}})")
            << "1|-|-|-|-|- primary_window=Session 1/- -; code_review_window=code_review_window 7/- 2026-12-06T12:01:00.000Z";
        QTest::newRow("used_percent as a text of digits")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":"42","limit_window_seconds":18000},
                 "secondary_window":{"used_percent":"7.5","limit_window_seconds":604800}}})")
            << "42|-|-|7.5|-|- primary_window=Session 42/18000 -; secondary_window=Weekly 7.5/604800 -";
        QTest::newRow("used_percent of another kind is no figure")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":"42%"},"secondary_window":{"used_percent":true}}})")
            << "-|-|-|-|-|- primary_window=Session -/- -; secondary_window=Weekly -/- -";
        QTest::newRow("a model's own limit, code review and credits")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":1,"limit_window_seconds":18000}},
                 "additional_rate_limits":[{"limit_name":"GPT-5-Codex-Mini","rate_limit":{
                   "primary_window":{"used_percent":20,"limit_window_seconds":18000},
                   "secondary_window":{"used_percent":"30","limit_window_seconds":604800}}},{"limit_name":"","rate_limit":{}}],
                 "code_review_rate_limit":{"primary_window":{"used_percent":4,"limit_window_seconds":604800},"secondary_window":null},
                 "credits":{"has_credits":true,"unlimited":false,"balance":"123.45"}})")
            << "1|-|-|-|-|- primary_window=Session 1/18000 -; GPT-5-Codex-Mini/primary_window=GPT-5-Codex-Mini session 20/18000 -; "
               "GPT-5-Codex-Mini/secondary_window=GPT-5-Codex-Mini weekly 30/604800 -; "
               "code_review_rate_limit/primary_window=Code review weekly 4/604800 -; credits 123.45";
        QTest::newRow("no credits")
            << QByteArray(R"({"rate_limit":{},"credits":{"has_credits":false,"unlimited":false,"balance":"5"}})")
            << "-|-|-|-|-|- ";
    }

    void openAIWindows()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        const OpenAIUsageData record = OpenAIResponses::usageRecord(body, now, testLabel);
        QCOMPARE(summary(record) + QLatin1Char(' ') + windowSummary(record), expected);
    }

    // A reply with only a weekly window leaves the title's session place to "new", as a missing window does.
    void weeklyOnlyReplyTitle()
    {
        const OpenAIUsageData record = OpenAIResponses::usageRecord(
            R"({"rate_limit":{"primary_window":{"used_percent":20,"limit_window_seconds":604800}}})", now, testLabel);
        const TitleModel title = Title::make(TitleInputs{DisplayFormat::both, false, true, std::nullopt,
                                                         ProviderUsage::from(record), now});
        QCOMPARE(title.plainText(), QStringLiteral("ChatGPT S:new  W:80%"));
    }

    void openAIAccessToken_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("token") << QByteArray(R"({"user":{},"accessToken":"eyJ.abc","expires":"x"})") << "eyJ.abc";
        QTest::newRow("empty object") << QByteArray("{}") << "-";
        QTest::newRow("token is null") << QByteArray(R"({"accessToken":null})") << "-";
        QTest::newRow("not JSON") << QByteArray("<!doctype html>") << "-";
    }

    void openAIAccessToken()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        QCOMPARE(OpenAIResponses::accessToken(body).value_or(QStringLiteral("-")), expected);
    }

    void openAIUsage_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("only primary, no length")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":0,"reset_at":0}}})")
            << "0|1970-01-01T00:00:00.000Z|Session resets@1970-01-01T00:00:00Z|-|-|-";
        QTest::newRow("windows sent in swapped order")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":70,"limit_window_seconds":604800},
                 "secondary_window":{"used_percent":5,"limit_window_seconds":18000}}})")
            << "5|-|-|70|-|-";
        QTest::newRow("two weekly windows keep their places")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":1,"limit_window_seconds":604800},
                 "secondary_window":{"used_percent":2,"limit_window_seconds":691200}}})")
            << "1|-|-|2|-|-";
        QTest::newRow("short window sent as secondary alone")
            << QByteArray(R"({"rate_limit":{"secondary_window":{"used_percent":9,"limit_window_seconds":3600}}})")
            << "9|-|-|-|-|-";
        QTest::newRow("reset_at as text, window not an object")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":3,"reset_at":"1765025000"},"secondary_window":[]}})")
            << "3|-|-|-|-|-";
        QTest::newRow("rate_limit without windows") << QByteArray(R"({"rate_limit":{}})") << "-|-|-|-|-|-";
        QTest::newRow("rate_limit null") << QByteArray(R"({"rate_limit":null})") << "error:Unexpected usage response format";
        QTest::newRow("no rate_limit") << QByteArray(R"({"plan_type":"free"})") << "error:Unexpected usage response format";
        QTest::newRow("reset_at beyond any calendar")
            << QByteArray(R"({"rate_limit":{"primary_window":{"used_percent":3,"reset_at":1e300}}})") << "3|-|-|-|-|-";
    }

    void openAIUsage()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        const OpenAIUsageData record = OpenAIResponses::usageRecord(body, now, testLabel);
        QCOMPARE(summary(record), expected);
        QVERIFY(isWellFormed(record));
    }

    void damagedBodiesInventNoValues_data()
    {
        QTest::addColumn<bool>("claude");
        QTest::newRow("Claude usage") << true;
        QTest::newRow("ChatGPT usage") << false;
    }

    // A success body cut short, or with any one byte replaced or removed (but for the characters of
    // numbers, which make other numbers legitimately), gives a well-formed record holding only figures the intact body held.
    void damagedBodiesInventNoValues()
    {
        QFETCH(bool, claude);
        const QByteArray intact = claude ? claudeUsageBody : openAIUsageBody;
        const auto read = [claude](const QByteArray &body) {
            return claude ? std::pair(values(ClaudeResponses::usageRecord(body, now, testLabel)),
                                      isWellFormed(ClaudeResponses::usageRecord(body, now, testLabel)))
                          : std::pair(values(OpenAIResponses::usageRecord(body, now, testLabel)),
                                      isWellFormed(OpenAIResponses::usageRecord(body, now, testLabel)));
        };
        const QSet<QString> truth = read(intact).first;
        QCOMPARE(truth.size(), 4);
        const QByteArray replacements = QByteArrayLiteral("{}[]:,\"\\ nulx\0\xff");
        for (qsizetype at = 0; at <= intact.size(); ++at) {
            QList<QByteArray> damaged{intact.left(at)};
            if (at < intact.size() && !QByteArrayLiteral("0123456789.+-eE").contains(intact[at])) {
                damaged.append(intact.left(at) + intact.mid(at + 1));
                for (const char byte : replacements) {
                    QByteArray body = intact;
                    body[at] = byte;
                    damaged.append(body);
                }
            }
            for (const QByteArray &body : damaged) {
                const auto [found, wellFormed] = read(body);
                QVERIFY2(wellFormed, body.constData());
                QVERIFY2(truth.contains(found), body.constData());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestResponses)
#include "tst_responses.moc"
