#include "SettingsDefaultsStore.h"

#include "platform/LogCategories.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <utility>

namespace {

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The settings in a file's content; absent when the content is not a JSON object (empty is none).
std::optional<QSettings::SettingsMap> parseJson(const QByteArray &content)
{
    if (content.trimmed().isEmpty())
        return QSettings::SettingsMap{};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object().toVariantMap();
}

bool readJson(QIODevice &device, QSettings::SettingsMap &map)
{
    std::optional<QSettings::SettingsMap> parsed = parseJson(device.readAll());
    if (parsed)
        map = std::move(*parsed);
    return parsed.has_value();
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
    // A link leads to a file of the user's choosing, whose mode is theirs to set.
    if (!info.isSymLink() && file.permissions() != ownerOnly)
        file.setPermissions(ownerOnly);
    return filePath;
}

// A first free name beside the file for a copy that could not be read.
QString unreadableCopyName(const QString &filePath)
{
    const QString stem = filePath + QStringLiteral(".unreadable-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString name = stem;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = stem + QLatin1Char('-') + QString::number(n);
    return name;
}

// QSettings cannot merge with a file it cannot read and would replace it with only the keys
// written since: such a file, credentials and all, is moved aside untouched first. (Where it
// cannot be renamed, the folder is not writable and the replace fails as well.)
void keepUnreadableFile(const QString &filePath)
{
    QFile file(filePath);
    if (!file.exists())
        return;
    if (file.open(QIODevice::ReadOnly) && parseJson(file.readAll()))
        return;
    file.close();
    const QString kept = unreadableCopyName(filePath);
    if (!file.rename(kept)) {
        qCWarning(settingsLog).noquote() << "Quotabar: the settings file" << filePath
                                         << "could not be read nor moved aside:" << file.errorString();
        return;
    }
    if (!QFileInfo(kept).isSymLink())
        QFile::setPermissions(kept, ownerOnly);
    qCWarning(settingsLog).noquote() << "Quotabar: the settings file could not be read; it was kept as" << kept
                                     << "and the settings start from their defaults";
}

QString prepareReadablePrivateFile(const QString &filePath)
{
    keepUnreadableFile(filePath);
    return preparePrivateFile(filePath);
}

} // namespace

SettingsDefaultsStore::SettingsDefaultsStore(const QString &filePath)
    : m_settings(prepareReadablePrivateFile(filePath), jsonFormat())
{
    rememberFileState();
}

void SettingsDefaultsStore::rememberFileState()
{
    const QFileInfo info(m_settings.fileName());
    m_fileState = {info.lastModified(), info.size()};
}

void SettingsDefaultsStore::writeThrough()
{
    // Someone else wrote the file since: make sure it is still readable before merging into it.
    const QFileInfo info(m_settings.fileName());
    if (FileState{info.lastModified(), info.size()} != m_fileState)
        prepareReadablePrivateFile(m_settings.fileName());
    m_settings.sync();
    rememberFileState();
    if (m_settings.status() == QSettings::NoError) {
        m_writeFailure.reset();
        return;
    }
    //: %1 is the settings file
    m_writeFailure = tr("The settings could not be written to %1").arg(m_settings.fileName());
    if (!std::exchange(m_writeFailureTold, true))
        qCWarning(settingsLog).noquote() << "Quotabar:" << *m_writeFailure;
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
    const QVariant stored = m_settings.value(key);
    if (stored.isValid() && stored.typeId() == value.typeId() && stored == value)
        return;
    m_settings.setValue(key, value);
    writeThrough();
}

void SettingsDefaultsStore::remove(const QString &key)
{
    m_settings.remove(key);
    writeThrough();
}
