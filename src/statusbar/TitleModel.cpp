#include "TitleModel.h"

#include "usage/Figures.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

std::optional<TitleSegment> shownSegment(Provider provider, bool shown, const std::optional<ProviderUsage> &usage,
                                    const TitleInputs &inputs)
{
    if (!shown)
        return std::nullopt;
    if (!usage || !usage->usable())
        return TitleSegment{provider, true, QString()};
    return Title::segment(provider, inputs.format, *usage, inputs.now);
}

// A figure's label in the panel for its window's letter ("S", "W", "M", "D").
QString figureLabel(const QString &letter)
{
    if (letter == QLatin1String("S")) {
        //: The session (five-hour) window's short label in the panel, before its percentage
        return QCoreApplication::translate("TitleModel", "S:");
    }
    if (letter == QLatin1String("W")) {
        //: The weekly window's short label in the panel, before its percentage
        return QCoreApplication::translate("TitleModel", "W:");
    }
    if (letter == QLatin1String("M")) {
        //: The short label in the panel of a month-long window standing in the weekly place
        return QCoreApplication::translate("TitleModel", "M:");
    }
    //: The short label in the panel of a window of another length (neither a week nor a month) in the weekly place
    return QCoreApplication::translate("TitleModel", "D:");
}

} // namespace

QString TitleModel::plainText() const
{
    QStringList parts;
    for (const TitleSegment &segment : segments)
        parts.append((segment.accountLabel.isEmpty() ? Providers::of(segment.provider).name : segment.accountLabel) + QLatin1Char(' ')
                     + (segment.warn ? QStringLiteral("⚠") : segment.text));
    return parts.join(QStringLiteral("    "));
}

namespace Title {

QString segmentText(DisplayFormat format, const ProviderUsage &usage, const QDateTime &now)
{
    return segment(Provider::claude, format, usage, now).text;
}

TitleSegment segment(Provider provider, DisplayFormat format, const ProviderUsage &usage, const QDateTime &now)
{
    TitleSegment shown{provider, false, {}, {}, {}};
    QStringList pieces;
    // A figure with its letter ("S", "W"; none in the single-figure forms), or a countdown.
    const auto percentage = [&](const QString &letter, std::optional<double> used) {
        shown.figures.append(Figures::pct(used));
        pieces.append(letter.isEmpty() ? Figures::pct(used) : figureLabel(letter) + Figures::pct(used));
        if (used) {
            const double remaining = Figures::remainingRounded(*used);
            shown.lowestRemaining = std::min(shown.lowestRemaining.value_or(remaining), remaining);
        }
    };
    const auto countdown = [&](const std::optional<QDateTime> &resetAt) {
        shown.figures.append(Figures::timeRemaining(resetAt, now));
        pieces.append(shown.figures.last());
    };
    const ProviderUsage::LongWindow weekly = usage.longWindow();
    switch (format) {
    case DisplayFormat::both:
        percentage(QStringLiteral("S"), usage.sessionPercentage);
        percentage(weekly.letter, weekly.used);
        break;
    case DisplayFormat::sessionOnly:
        percentage({}, usage.sessionPercentage);
        break;
    case DisplayFormat::weeklyOnly:
        percentage({}, weekly.used);
        break;
    case DisplayFormat::sessionAndTimer:
        percentage(QStringLiteral("S"), usage.sessionPercentage);
        countdown(usage.sessionResetAt);
        break;
    case DisplayFormat::weeklyAndTimer:
        percentage(weekly.letter, weekly.used);
        countdown(weekly.resetAt);
        break;
    }
    shown.text = pieces.join(QStringLiteral("  "));
    return shown;
}

QString shortLabel(const QString &label)
{
    constexpr qsizetype longest = 10;
    const QString trimmed = label.simplified();
    if (trimmed.size() <= longest)
        return trimmed;
    const QString word = trimmed.section(QLatin1Char(' '), 0, 0);
    if (word.size() <= longest)
        return word;
    return trimmed.left(longest - 1) + QStringLiteral("…");
}

TitleModel make(const TitleInputs &inputs)
{
    TitleModel model;
    if (inputs.accounts) {
        for (const AccountTitle &shown : *inputs.accounts) {
            const Provider provider = shown.account.provider;
            // A label tells a provider's items apart; a single one needs none.
            const bool several = std::count_if(inputs.accounts->cbegin(), inputs.accounts->cend(),
                                               [provider](const AccountTitle &a) { return a.account.provider == provider; })
                > 1;
            if (auto segment = shownSegment(provider, true, shown.usage, inputs)) {
                segment->account = shown.account.id;
                if (several)
                    segment->accountLabel = shortLabel(shown.account.label);
                model.segments.append(*segment);
            }
        }
        return model;
    }
    if (auto claude = shownSegment(Provider::claude, inputs.showClaude, inputs.claude, inputs))
        model.segments.append(*claude);
    if (auto openAI = shownSegment(Provider::openAI, inputs.showOpenAI, inputs.openAI, inputs))
        model.segments.append(*openAI);
    if (model.iconOnly()) {
        if (inputs.claude && inputs.claude->error)
            model.tooltip = inputs.claude->error;
        else if (inputs.openAI && inputs.openAI->error)
            model.tooltip = inputs.openAI->error;
    }
    return model;
}

}
