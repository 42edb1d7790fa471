#pragma once

#include "platform/OsRelease.h"

#include <QStringList>

// Reads the system's identity from the first os-release file that exists.
class OsReleaseFile final : public OsRelease
{
public:
    explicit OsReleaseFile(QStringList paths = {QStringLiteral("/etc/os-release"), QStringLiteral("/usr/lib/os-release")});

    OsReleaseInfo current() const override;

    // The ID and VERSION_ID assignments of an os-release text (shell-style, values optionally quoted).
    static OsReleaseInfo parse(const QByteArray &text);

private:
    QStringList m_paths;
};
