#include "BudgiePanelTheme.h"

#include "platform/LogCategories.h"
#include "platform/linux/BudgieSettings.h"

#include <QPluginLoader>

BudgiePanelTheme::BudgiePanelTheme(bool onBudgie, const QString &pluginFolder, QObject *parent)
    : QObject(parent)
{
    if (!onBudgie)
        return;
    QPluginLoader loader(pluginFolder + QLatin1Char('/') + pluginFileName);
    if (const auto *maker = qobject_cast<BudgieSettingsMaker *>(loader.instance()))
        m_settings = maker->watch([this] { emit changed(); });
    else
        qCWarning(panelLog, "Budgie's panel settings: %s", qPrintable(loader.errorString()));
}

BudgiePanelTheme::~BudgiePanelTheme() = default;

std::optional<PanelShade::Shade> BudgiePanelTheme::shade() const
{
    return m_settings ? m_settings->shade() : std::nullopt;
}
