#include "BudgiePanelTheme.h"

// GLib's headers use `signals` as a name.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {

constexpr const char *schemaId = "com.solus-project.budgie-panel";

void settingChanged(GSettings *, const char *, gpointer watch)
{
    emit static_cast<BudgiePanelTheme *>(watch)->changed();
}

} // namespace

BudgiePanelTheme::BudgiePanelTheme(bool onBudgie, QObject *parent)
    : QObject(parent)
{
    if (!onBudgie)
        return;
    // Asking for a schema that is not installed would abort, so it is looked up first.
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    GSettingsSchema *schema = source ? g_settings_schema_source_lookup(source, schemaId, TRUE) : nullptr;
    if (!schema)
        return;
    const bool hasKeys = g_settings_schema_has_key(schema, "builtin-theme") && g_settings_schema_has_key(schema, "dark-theme");
    if (hasKeys) {
        m_settings = g_settings_new_full(schema, nullptr, nullptr);
        g_signal_connect(m_settings, "changed", G_CALLBACK(settingChanged), this);
    }
    g_settings_schema_unref(schema);
}

BudgiePanelTheme::~BudgiePanelTheme()
{
    if (m_settings) {
        g_signal_handlers_disconnect_by_data(m_settings, this);
        g_object_unref(m_settings);
    }
}

std::optional<PanelShade::Shade> BudgiePanelTheme::shade() const
{
    // Measured on Budgie 10.7: the built-in theme is dark whatever dark-theme says; without it, dark-theme
    // asks for the GTK theme's dark variant, and otherwise the panel is in the GTK theme.
    if (!m_settings)
        return std::nullopt;
    if (g_settings_get_boolean(m_settings, "builtin-theme") || g_settings_get_boolean(m_settings, "dark-theme"))
        return PanelShade::Shade::dark;
    return std::nullopt;
}
