#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>
#include <optional>
#include <variant>

// The settings an XSETTINGS manager publishes (the theme, fonts, cursor), read from the bytes of its
// _XSETTINGS_SETTINGS property.
struct XSettings
{
    using Colour = std::array<quint16, 4>; // red, green, blue, alpha
    using Value = std::variant<qint32, QString, Colour>;

    quint32 serial = 0;
    QHash<QString, Value> values;

    // The settings in `bytes`, or nothing when they are cut short or malformed.
    static std::optional<XSettings> parse(const QByteArray &bytes);
    // The named string setting, or an empty string when it is absent or not a string.
    QString string(const QString &name) const;
};
