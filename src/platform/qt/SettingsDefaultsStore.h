#pragma once

#include "platform/DefaultsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSettings>

// The defaults store as a JSON file behind QSettings: value types survive a reload, every
// write is flushed at once through an atomic replace, and the file stays private to its owner.
// A file that cannot be read is kept aside, never overwritten.
class SettingsDefaultsStore final : public DefaultsStore
{
    Q_DECLARE_TR_FUNCTIONS(SettingsDefaultsStore)

public:
    explicit SettingsDefaultsStore(const QString &filePath);

    // ~/.config/Quotabar/Quotabar.json (or below $XDG_CONFIG_HOME).
    static QString defaultFilePath();

    QVariant object(const QString &key) const override;
    void setObject(const QString &key, const QVariant &value) override;
    void remove(const QString &key) override;
    std::optional<QString> writeFailure() const override { return m_writeFailure; }

private:
    struct FileState
    {
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const FileState &) const = default;
    };

    void rememberFileState();
    void writeThrough();

    mutable QSettings m_settings;
    FileState m_fileState;
    std::optional<QString> m_writeFailure;
    bool m_writeFailureTold = false; // a failed write is told once per run
};
