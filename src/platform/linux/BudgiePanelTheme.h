#pragma once

#include "platform/PanelShade.h"

#include <QObject>

#include <optional>

using GSettings = struct _GSettings;

// Whether Budgie's panel draws itself dark (its built-in theme or its dark-theme setting), read
// from its settings and kept current; nothing on other desktops, or where the panel follows the theme.
class BudgiePanelTheme final : public QObject
{
    Q_OBJECT
public:
    // Budgie's settings are installed with it, so they are read only where it is the desktop.
    explicit BudgiePanelTheme(bool onBudgie, QObject *parent = nullptr);
    ~BudgiePanelTheme() override;

    std::optional<PanelShade::Shade> shade() const;

signals:
    void changed();

private:
    GSettings *m_settings = nullptr;
};
