#include "app/DefaultsKeys.h"
#include "app/SharedInstances.h"
#include "platform/DefaultsStore.h"
#include "usage/OpenAIUsageFetcher.h"
#include "usage/UsageFetcher.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quotabar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quotabar"));

    int pending = 1;
    const auto finishOne = [&pending] {
        if (--pending == 0)
            QCoreApplication::quit();
    };
    const auto show = [](const char *provider, std::optional<double> session, std::optional<double> weekly,
                         const std::optional<QString> &error) {
        const auto remaining = [](std::optional<double> used) {
            return used ? QStringLiteral("%1%").arg(std::round(100.0 - *used)) : QStringLiteral("new");
        };
        const QString line = error ? *error : remaining(session) + QStringLiteral("  ") + remaining(weekly);
        std::printf("%s: %s\n", provider, qPrintable(line));
    };

    UsageFetcher &claude = UsageFetcher::shared();
    claude.onUsageData = [&](const UsageData &record) {
        show("Claude", record.sessionPercentage, record.weeklyPercentage, record.error);
        finishOne();
    };
    claude.onNeedsLogin = [&] {
        std::printf("Claude: Session key invalid or expired\n");
        finishOne();
    };
    OpenAIUsageFetcher &openAI = OpenAIUsageFetcher::shared();
    openAI.onUsageData = [&](const OpenAIUsageData &record) {
        show("ChatGPT", record.primaryPercentage, record.secondaryPercentage, record.error);
        finishOne();
    };
    openAI.onNeedsLogin = [&] {
        std::printf("ChatGPT: Session token invalid or expired\n");
        finishOne();
    };

    claude.fetchUsage();
    if (!SharedInstances::defaults().string(DefaultsKeys::openAISessionKey).value_or(QString()).isEmpty()) {
        ++pending;
        openAI.fetchUsage();
    }
    return app.exec();
}
