#pragma once

#include "platform/PanelShade.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

class QDBusVariant;

// The colour scheme the desktop portal's Settings give (org.freedesktop.appearance color-scheme):
// asked for without waiting, then followed as it changes.
class PortalColorScheme final : public QObject
{
    Q_OBJECT
public:
    explicit PortalColorScheme(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    // Nothing until the portal answers, or when there is no portal or it does not know.
    std::optional<PanelShade::ColorScheme> value() const { return m_value; }

    // The scheme in a reply or signal argument: a number, in as many variants as the portal wraps it.
    static std::optional<PanelShade::ColorScheme> fromValue(const QVariant &value);

signals:
    void changed();

private slots:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void ask(const QString &method);
    void take(const std::optional<PanelShade::ColorScheme> &value);

    QDBusConnection m_bus;
    std::optional<PanelShade::ColorScheme> m_value;
};
