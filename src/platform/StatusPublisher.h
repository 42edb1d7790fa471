#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>

// The program's status offered to other programs (the command line), and their requests taken.
class StatusPublisher
{
public:
    struct Handlers
    {
        std::function<QString()> status;      // the status document
        std::function<QVariantMap()> state;   // the same as a{sv}
        std::function<void(std::function<void()> done)> refresh;
        // An edit of the accounts: an error text when refused, empty when done.
        std::function<QString(const QString &verb, const QStringList &arguments)> editAccount;
        // A new account with its key: its id, or an error text when refused.
        struct Added
        {
            QString id;
            QString error;
        };
        std::function<Added(const QString &provider, const QString &label, const QString &source, const QString &key)> addAccount;
    };

    virtual ~StatusPublisher() = default;
    // Starts answering; false when no other program can reach it (no bus, or the name is taken).
    virtual bool publish() = 0;
    // Tells those following that the status changed.
    virtual void announceChange() = 0;
};
