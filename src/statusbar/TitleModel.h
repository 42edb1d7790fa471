#pragma once

#include "app/DisplayFormat.h"
#include "accounts/Account.h"
#include "app/Providers.h"
#include "usage/ProviderUsage.h"

#include <QList>

// One provider's part of the panel title: its logo, then the text or the warning sign.
struct TitleSegment
{
    Provider provider;
    bool warn = false;
    QString text; // empty when warn is set
    QStringList figures; // the text's figures without their letters: "73%", "41%" or "3h"
    std::optional<double> lowestRemaining; // the lowest remaining percentage among them, as shown
    // With an item per account: whose figures these are, and the short label shown before them
    // when its provider has several items.
    AccountId account;
    QString accountLabel;

    bool operator==(const TitleSegment &) const = default;
};

// What the panel shows: segments, or the idle icon with an optional tooltip.
struct TitleModel
{
    QList<TitleSegment> segments;
    std::optional<QString> tooltip; // only in the icon-only state

    bool iconOnly() const { return segments.isEmpty(); }
    // The whole title as plain text ("Claude S:73%  W:41%    ChatGPT ⚠").
    QString plainText() const;

    bool operator==(const TitleModel &) const = default;
};

// One shown account, for a panel with an item per account.
struct AccountTitle
{
    Account account;
    std::optional<ProviderUsage> usage;
};

struct TitleInputs
{
    DisplayFormat format = DisplayFormat::both;
    bool showClaude = true;
    bool showOpenAI = true;
    std::optional<ProviderUsage> claude;
    std::optional<ProviderUsage> openAI;
    QDateTime now;
    // With an item per account: every shown account in order, in place of the providers' figures.
    std::optional<QList<AccountTitle>> accounts;
};

namespace Title {

QString segmentText(DisplayFormat format, const ProviderUsage &usage, const QDateTime &now);
// A provider's segment with its text and figures.
TitleSegment segment(Provider provider, DisplayFormat format, const ProviderUsage &usage, const QDateTime &now);
TitleModel make(const TitleInputs &inputs);
// The label before an account's figures: its first word, or its start when that is long.
QString shortLabel(const QString &label);

}
