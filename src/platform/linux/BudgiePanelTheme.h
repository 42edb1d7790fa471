#pragma once

#include "platform/PanelShade.h"

#include <QObject>

#include <memory>
#include <optional>

class BudgieSettings;

// Whether Budgie's panel draws itself dark (its built-in theme or its dark-theme setting), read
// from its settings and kept current; nothing on other desktops, or where the panel follows the theme.
class BudgiePanelTheme final : public QObject
{
    Q_OBJECT
public:
    static inline const QString pluginFileName = QStringLiteral("quotabar-budgie-settings.so");

    // Budgie's settings are installed with it, so they are read only where it is the desktop, through
    // the plugin in `pluginFolder`; without the plugin, nothing is read.
    explicit BudgiePanelTheme(bool onBudgie, const QString &pluginFolder, QObject *parent = nullptr);
    ~BudgiePanelTheme() override;

    std::optional<PanelShade::Shade> shade() const;

signals:
    void changed();

private:
    std::unique_ptr<BudgieSettings> m_settings;
};
