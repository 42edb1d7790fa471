#pragma once

#include <QString>

// The running operating system as its os-release file names it, e.g. "debian" and "13".
struct OsReleaseInfo
{
    QString id;        // ID
    QString versionId; // VERSION_ID; empty on rolling releases
};

class OsRelease
{
public:
    virtual ~OsRelease() = default;
    virtual OsReleaseInfo current() const = 0;
};
