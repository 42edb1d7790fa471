#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <optional>

// Typed lookups into a JSON body: a value of the wrong kind reads as absent.
namespace JsonLookup {

inline std::optional<QJsonObject> topLevelObject(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

inline std::optional<QJsonObject> object(const QJsonObject &parent, const QString &key)
{
    const QJsonValue value = parent.value(key);
    return value.isObject() ? std::optional(value.toObject()) : std::nullopt;
}

inline std::optional<QJsonArray> array(const QJsonObject &parent, const QString &key)
{
    const QJsonValue value = parent.value(key);
    return value.isArray() ? std::optional(value.toArray()) : std::nullopt;
}

inline std::optional<QString> text(const QJsonObject &parent, const QString &key)
{
    const QJsonValue value = parent.value(key);
    return value.isString() ? std::optional(value.toString()) : std::nullopt;
}

inline std::optional<double> number(const QJsonObject &parent, const QString &key)
{
    const QJsonValue value = parent.value(key);
    return value.isDouble() ? std::optional(value.toDouble()) : std::nullopt;
}

}
