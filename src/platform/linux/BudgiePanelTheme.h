#pragma once

#include "platform/PanelShade.h"

#include <QObject>

#include <optional>

using GSettings = struct _GSettings;

// The shade Budgie's panel draws itself in when it uses its own built-in theme, read from its
// settings and kept current; nothing where Budgie is not installed or the panel follows the theme.
class BudgiePanelTheme final : public QObject
{
    Q_OBJECT
public:
    explicit BudgiePanelTheme(QObject *parent = nullptr);
    ~BudgiePanelTheme() override;

    std::optional<PanelShade::Shade> shade() const;

signals:
    void changed();

private:
    GSettings *m_settings = nullptr;
};
