#include "TitleModel.h"

#include "statusbar/Countdown.h"

#include <array>
#include <cmath>

namespace {

struct CountdownStep
{
    double above; // the label holds for remaining times above this many seconds
    const char *label;
};

// Each label is the remaining time rounded up to the next step of this scale.
constexpr std::array<CountdownStep, 22> timeLabels{{
    {518400, "7d"}, {432000, "6d"}, {345600, "5d"}, {259200, "4d"}, {172800, "3d"}, {86400, "2d"},
    {82800, "1d"},  {18000, "23h"}, {14400, "5h"},  {10800, "4h"},  {7200, "3h"},   {3600, "2h"},
    {2700, "1h"},   {1800, "45m"},  {900, "30m"},   {600, "15m"},   {300, "10m"},   {240, "5m"},
    {180, "4m"},    {120, "3m"},    {60, "2m"},     {0, "1m"},
}};

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

double remainingRounded(double used)
{
    const double remaining = std::round(100.0 - used); // halves away from zero
    return remaining == 0 ? 0 : remaining;              // no "-0%"
}

QString pct(std::optional<double> used)
{
    if (!used)
        return QStringLiteral("new");
    return QString::number(remainingRounded(*used), 'f', 0) + QLatin1Char('%');
}

QString timeRemaining(const std::optional<QDateTime> &resetAt, const QDateTime &now)
{
    if (!resetAt)
        return QStringLiteral("new");
    const double remaining = now.msecsTo(*resetAt) / 1000.0;
    // Only windows longer than a week get here: whole days, rounded up like the rest of the scale.
    if (remaining > Countdown::weekSeconds)
        return QStringLiteral("%1d").arg(static_cast<qint64>(std::ceil(remaining / 86400)));
    for (const CountdownStep &step : timeLabels) {
        if (remaining > step.above)
            return QString::fromLatin1(step.label);
    }
    return QStringLiteral("new");
}

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
        shown.figures.append(pct(used));
        pieces.append(letter.isEmpty() ? pct(used) : letter + QLatin1Char(':') + pct(used));
        if (used) {
            const double remaining = remainingRounded(*used);
            shown.lowestRemaining = std::min(shown.lowestRemaining.value_or(remaining), remaining);
        }
    };
    const auto countdown = [&](const std::optional<QDateTime> &resetAt) {
        shown.figures.append(timeRemaining(resetAt, now));
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
