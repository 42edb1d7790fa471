// The chart plugin's root object: the panel program loads this module when the history window
// first opens, and with it Qt Charts and OpenGL.
#include "history/HistoryChartPane.h"
#include "history/HistoryPane.h"

#include <QObject>
#include <QtPlugin>

class HistoryChartPlugin final : public QObject, public HistoryPaneMaker
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HistoryPaneMaker_iid)
    Q_INTERFACES(HistoryPaneMaker)
public:
    HistoryPane *makePane(const Account &account, QWidget *parent) const override
    {
        return new HistoryChartPane(account, parent);
    }
};

#include "HistoryChartPlugin.moc"
