#pragma once

#include "accounts/Account.h"
#include "statusbar/TitleModel.h"
#include "usage/UsageSource.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <QVariantMap>

// One account as the report lists it.
struct AccountReport
{
    Account account;
    std::optional<ProviderUsage> usage; // as shown
    bool expired = false;
    Awaiting awaiting = Awaiting::nothing;
    QString source = QStringLiteral("sessionKey"); // "sessionKey", "claudeCode" or "codex", as for the providers
    QStringList rows; // the menu's rows for it, as the tooltips tell them (ReportRows)
};

// Everything the status report is built from, as values: the title's inputs, the records, the
// expired marks and the rows the menu shows.
struct StatusInputs
{
    TitleInputs title; // with each provider's first account's figures
    bool claudeSessionExpired = false;
    bool openAISessionExpired = false;
    // Where each provider's usage comes from: "sessionKey", "claudeCode" or "codex".
    QString claudeSource = QStringLiteral("sessionKey");
    QString openAISource = QStringLiteral("sessionKey");
    // What each provider without an answer since start waits for.
    Awaiting claudeAwaiting = Awaiting::nothing;
    Awaiting openAIAwaiting = Awaiting::nothing;
    QStringList warnings; // files Quotabar could not write
    // With it, a record's age reads "Updated just now" until this many seconds have passed (its
    // refresh is overdue), and by the minute after, as the panel's tooltips tell it.
    std::optional<qint64> justNowWithin;
    // The panel's title when it shows more than the first accounts (their lowest figures).
    std::optional<TitleInputs> panel;
    QList<AccountReport> accounts;
    // Each provider's first account's menu rows, as the tooltips tell them (ReportRows).
    QStringList claudeRows;
    QStringList openAIRows;
};

// The figures as other programs read them: one JSON document (its schema is in the README,
// "version" 1), and the texts a bar or a terminal shows, all made from that document.
namespace StatusReport {

inline constexpr int version = 1;
// Lowest remaining percentage at or below which a bar marks the figures low or critical.
inline constexpr double lowThreshold = 25;
inline constexpr double criticalThreshold = 10;

QJsonObject build(const StatusInputs &inputs);

// Waybar's custom-module object: text, tooltip, class, percentage.
QJsonObject waybar(const QJsonObject &status);
// One line per shown provider with the menu's texts, or a line saying none is shown.
QString lines(const QJsonObject &status);
// 0 when every shown provider has figures, 1 when one has no usable data.
int exitCode(const QJsonObject &status);
// The document as if the account named by its id (or its label, when no other account has it)
// were the only one: its provider's member, its title and its class. Nothing when none matches.
std::optional<QJsonObject> forAccount(const QJsonObject &status, const QString &idOrLabel);
// The accounts, one line each: id, provider, label, source, shown or hidden, state (tab-separated).
QString accountLines(const QJsonObject &status);
// The accounts as a list of what identifies them, without their figures.
QJsonArray accountList(const QJsonObject &status);
// The document as D-Bus can carry it (a{sv}): absent values are left out.
QVariantMap busState(const QJsonObject &status);

QByteArray compact(const QJsonObject &object);

}
