// The Budgie plugin's root object: the panel program loads this module, and with it GIO, only
// where Budgie is the desktop.
#include "platform/linux/BudgieSettings.h"

#include <QObject>

// GLib's headers use `signals` as a name.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {

constexpr const char *schemaId = "com.solus-project.budgie-panel";

class GioBudgieSettings final : public BudgieSettings
{
public:
    GioBudgieSettings(GSettings *settings, std::function<void()> changed)
        : m_settings(settings)
        , m_changed(std::move(changed))
    {
        g_signal_connect(m_settings, "changed", G_CALLBACK(settingChanged), this);
    }

    ~GioBudgieSettings() override
    {
        g_signal_handlers_disconnect_by_data(m_settings, this);
        g_object_unref(m_settings);
    }

    GioBudgieSettings(const GioBudgieSettings &) = delete;
    GioBudgieSettings &operator=(const GioBudgieSettings &) = delete;

    std::optional<PanelShade::Shade> shade() const override
    {
        // Measured on Budgie 10.7: the built-in theme is dark whatever dark-theme says; without it,
        // dark-theme asks for the GTK theme's dark variant, and otherwise the panel is in the GTK theme.
        if (g_settings_get_boolean(m_settings, "builtin-theme") || g_settings_get_boolean(m_settings, "dark-theme"))
            return PanelShade::Shade::dark;
        return std::nullopt;
    }

private:
    static void settingChanged(GSettings *, const char *, gpointer self)
    {
        static_cast<GioBudgieSettings *>(self)->m_changed();
    }

    GSettings *m_settings;
    std::function<void()> m_changed;
};

} // namespace

class BudgieSettingsModule final : public QObject, public BudgieSettingsMaker
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BudgieSettingsMaker_iid)
    Q_INTERFACES(BudgieSettingsMaker)
public:
    std::unique_ptr<BudgieSettings> watch(std::function<void()> changed) const override
    {
        // Asking for a schema that is not installed would abort, so it is looked up first.
        GSettingsSchemaSource *source = g_settings_schema_source_get_default();
        GSettingsSchema *schema = source ? g_settings_schema_source_lookup(source, schemaId, TRUE) : nullptr;
        if (!schema)
            return nullptr;
        std::unique_ptr<BudgieSettings> settings;
        if (g_settings_schema_has_key(schema, "builtin-theme") && g_settings_schema_has_key(schema, "dark-theme"))
            settings = std::make_unique<GioBudgieSettings>(g_settings_new_full(schema, nullptr, nullptr), std::move(changed));
        g_settings_schema_unref(schema);
        return settings;
    }
};

#include "BudgieSettingsModule.moc"
