#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

// The application-wide notifications: names, payload key, and the centre they are posted on.
namespace Notifications {
inline const QString settingsChanged = QStringLiteral("QuotabarSettingsChanged");
inline const QString usageFetchResult = QStringLiteral("QuotabarUsageFetchResult");
inline const QString openAIFetchResult = QStringLiteral("QuotabarOpenAIFetchResult");
inline const QString errorKey = QStringLiteral("error");
}

// Delivers named notifications with a string-keyed payload to every observer, synchronously.
class NotificationCenter final : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void post(const QString &name, const QVariantMap &userInfo = {}) { emit posted(name, userInfo); }

signals:
    void posted(const QString &name, const QVariantMap &userInfo);
};
