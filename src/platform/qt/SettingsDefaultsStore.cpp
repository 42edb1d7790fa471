#include "SettingsDefaultsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool readJson(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray content = device.readAll();
    if (content.trimmed().isEmpty())
        return true;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    map = document.object().toVariantMap();
    return true;
}

bool writeJson(QIODevice &device, const QSettings::SettingsMap &map)
{
    const QByteArray content = QJsonDocument(QJsonObject::fromVariantMap(map)).toJson(QJsonDocument::Indented);
    return device.write(content) == content.size();
}

QSettings::Format jsonFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("json"), readJson, writeJson);
    return format;
}

// Creates the file empty and private before QSettings first writes it: its atomic replace keeps
// the permissions of the file it replaces, so the credentials are never readable by others.
QString preparePrivateFile(const QString &filePath)
{
    const QFileInfo info(filePath);
    QDir().mkpath(info.absolutePath());
    QFile file(filePath);
    if (!file.exists()) {
        if (file.open(QIODevice::WriteOnly, ownerOnly))
            file.close();
    }
    if (file.permissions() != ownerOnly)
        file.setPermissions(ownerOnly);
    return filePath;
}

} // namespace

SettingsDefaultsStore::SettingsDefaultsStore(const QString &filePath)
    : m_settings(preparePrivateFile(filePath), jsonFormat())
{
}

QString SettingsDefaultsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Quotabar/Quotabar.json");
}

QVariant SettingsDefaultsStore::object(const QString &key) const
{
    return m_settings.value(key);
}

void SettingsDefaultsStore::setObject(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
}

void SettingsDefaultsStore::remove(const QString &key)
{
    m_settings.remove(key);
    m_settings.sync();
}
