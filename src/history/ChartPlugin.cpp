#include "ChartPlugin.h"

#include "platform/LogCategories.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPluginLoader>
#include <QVBoxLayout>

namespace {

// In place of the chart: why it could not be drawn.
class MissingChartPane final : public HistoryPane
{
public:
    MissingChartPane(const Account &account, const QString &why, QWidget *parent)
        : HistoryPane(account, parent)
    {
        //: %1 is the reason the system gives for not loading the chart's library
        auto *label = new QLabel(QCoreApplication::translate("ChartPlugin", "The chart could not be loaded: %1").arg(why),
                                 this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        (new QVBoxLayout(this))->addWidget(label);
    }

    void show(const QList<HistoryEntry> &, UsageHistory::Span, qint64) override {}
};

} // namespace

namespace ChartPlugin {

PaneMaker paneMaker(const QString &folder)
{
    return [folder](const Account &account, QWidget *parent) -> HistoryPane * {
        // Qt keeps the library and its root object once loaded: later loaders find them at once.
        QPluginLoader loader(folder + QLatin1Char('/') + fileName);
        if (const auto *maker = qobject_cast<HistoryPaneMaker *>(loader.instance()))
            return maker->makePane(account, parent);
        qCWarning(historyLog, "history chart: %s", qPrintable(loader.errorString()));
        return new MissingChartPane(account, loader.errorString(), parent);
    };
}

}
