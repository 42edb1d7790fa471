#pragma once

#include "platform/LoginItems.h"

#include <QCoreApplication>

// Login items as an XDG autostart entry that starts this executable.
class XdgAutostart final : public LoginItems
{
    Q_DECLARE_TR_FUNCTIONS(XdgAutostart)

public:
    // `autostartFolder` defaults to $XDG_CONFIG_HOME/autostart (~/.config/autostart).
    explicit XdgAutostart(QString executablePath, QString autostartFolder = {});

    std::optional<QString> registerApplication() override;
    std::optional<QString> unregisterApplication() override;

    QString entryPath() const;

private:
    QString m_executablePath;
    QString m_folder;
};
