#include "ReportRows.h"

#include "credentials/CredentialSource.h"
#include "statusbar/StatusMenu.h"

namespace ReportRows {

QStringList of(const std::optional<ProviderUsage> &usage, Awaiting awaiting, const QString &source,
               const QDateTime &now, std::optional<qint64> justNowWithin)
{
    if (!usage || !usage->usable()) {
        const QString whyNone =
            awaiting == Awaiting::nothing ? CredentialSource::expiredText(source) : MenuTexts::awaiting(awaiting);
        return {MenuTexts::noFiguresRow(Window::session), MenuTexts::noFiguresRow(Window::weekly),
                MenuTexts::lastRow(usage, now, whyNone)};
    }
    QStringList texts = MenuTexts::rows(*usage, now);
    // A plain age (no failed or waiting try) is told as the tooltips tell it.
    if (justNowWithin && !usage->error && !usage->failedTry && !(usage->nextTryAt && *usage->nextTryAt > now))
        texts.last() = MenuTexts::updatedByTheMinute(usage->fetchedAt, now, *justNowWithin);
    return texts;
}

StatusInputs filled(StatusInputs inputs)
{
    const TitleInputs &title = inputs.title;
    inputs.claudeRows = of(title.claude, inputs.claudeAwaiting, inputs.claudeSource, title.now, inputs.justNowWithin);
    inputs.openAIRows = of(title.openAI, inputs.openAIAwaiting, inputs.openAISource, title.now, inputs.justNowWithin);
    for (AccountReport &report : inputs.accounts)
        report.rows = of(report.usage, report.awaiting, report.source, title.now, inputs.justNowWithin);
    return inputs;
}

}
