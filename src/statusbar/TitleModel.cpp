#include "TitleModel.h"

#include "usage/Figures.h"

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

} // namespace

QString TitleModel::plainText() const
{
    QStringList parts;
    for (const TitleSegment &segment : segments)
        parts.append(Providers::of(segment.provider).name + QLatin1Char(' ') + (segment.warn ? QStringLiteral("⚠") : segment.text));
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
        pieces.append(letter.isEmpty() ? Figures::pct(used) : letter + QLatin1Char(':') + Figures::pct(used));
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

TitleModel make(const TitleInputs &inputs)
{
    TitleModel model;
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
