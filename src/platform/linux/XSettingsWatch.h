#pragma once

#include "platform/XSettings.h"

#include <QObject>

#include <cstdint>
#include <optional>

struct xcb_connection_t;
class QSocketNotifier;

// The settings the X display's XSETTINGS manager publishes, kept current as they change and as
// managers come and go. Without an X display there are none.
class XSettingsWatch final : public QObject
{
    Q_OBJECT
public:
    explicit XSettingsWatch(QObject *parent = nullptr);
    ~XSettingsWatch() override;

    // The manager's settings, or nothing while no manager runs.
    const std::optional<XSettings> &settings() const { return m_settings; }

signals:
    void changed();

private:
    void followManager();
    void readSettings();
    void handleEvents();

    xcb_connection_t *m_connection = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    std::uint32_t m_root = 0;
    std::uint32_t m_manager = 0;
    std::uint32_t m_selection = 0;
    std::uint32_t m_property = 0;
    std::uint32_t m_managerMessage = 0;
    std::optional<XSettings> m_settings;
};
