#pragma once

#include "platform/PanelShade.h"

#include <QtPlugin>

#include <functional>
#include <memory>
#include <optional>

// Budgie's panel settings as its plugin reads them (GSettings, and with it GIO, which no other
// desktop needs): whether the panel draws itself dark.
class BudgieSettings
{
public:
    virtual ~BudgieSettings() = default;
    virtual std::optional<PanelShade::Shade> shade() const = 0;
};

// What the plugin's root object offers: the settings, calling `changed` at every change; nothing
// where Budgie's settings are not installed.
class BudgieSettingsMaker
{
public:
    virtual ~BudgieSettingsMaker() = default;
    virtual std::unique_ptr<BudgieSettings> watch(std::function<void()> changed) const = 0;
};

#define BudgieSettingsMaker_iid "app.quotabar.BudgieSettingsMaker/1"
Q_DECLARE_INTERFACE(BudgieSettingsMaker, BudgieSettingsMaker_iid)
