#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Another program's secret in the desktop keyring, looked up read-only: the password a
// Chromium-family browser encrypts its cookies with ("Chrome Safe Storage"). A lookup never
// creates or changes anything; it waits for the keyring's answer (and for the user, where the
// keyring asks to be unlocked), so it is made only when the user asks for an import.
class BrowserKeyring
{
public:
    struct Lookup
    {
        enum class Kind { found, notFound, locked, unavailable };
        Kind kind = Kind::unavailable;
        QByteArray secret;
        QString reason; // why it was not found; never holds a secret
    };

    virtual ~BrowserKeyring() = default;
    // The secret stored as "<name> Safe Storage", for the first of `names` the keyring holds.
    virtual Lookup safeStoragePassword(const QStringList &names) = 0;
};
