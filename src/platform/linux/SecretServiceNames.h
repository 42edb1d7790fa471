#pragma once

#include <QString>

// The bus names of the desktop keyrings: the Secret Service and KWallet.
namespace SecretServiceNames {
inline const QString service = QStringLiteral("org.freedesktop.secrets");
inline const QString path = QStringLiteral("/org/freedesktop/secrets");
inline const QString serviceInterface = QStringLiteral("org.freedesktop.Secret.Service");
inline const QString collectionInterface = QStringLiteral("org.freedesktop.Secret.Collection");
inline const QString itemInterface = QStringLiteral("org.freedesktop.Secret.Item");
inline const QString sessionInterface = QStringLiteral("org.freedesktop.Secret.Session");
inline const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
inline const QString kwalletInterface = QStringLiteral("org.kde.KWallet");
}
