#pragma once

#include "platform/DefaultsStore.h"
#include "platform/SecretStore.h"

#include <QHash>
#include <QObject>
#include <QStringList>

// The defaults store with the credentials kept apart: in the keyring whenever one answers,
// otherwise in the private settings file. Credentials are read once, asynchronously, one after
// another, and kept in memory; one the file holds is used at once, whatever the keyring does.
// A credential moves from the file into the keyring only once the keyring has given it back
// unchanged, so no step can lose it, and only while the keyring's collection is there and
// unlocked, or when the user stores one: moving never makes the keyring ask the user by itself.
// Moves run one at a time, and after one fails the rest stay in the file: a keyring that asks
// the user before it takes one asks once. A locked keyring is waited for, never taken for an
// empty one, and read again once it is unlocked.
class CredentialStore final : public QObject, public DefaultsStore
{
    Q_OBJECT
public:
    enum class Location { loading, keyring, file, locked };

    // `keyring` may be absent (no Secret Service wanted): everything then stays in `file`.
    CredentialStore(DefaultsStore &file, SecretStore *keyring, const QStringList &credentialKeys,
                    QObject *parent = nullptr);

    // Reads the credentials from the keyring, moving over any the file still holds.
    void load();
    // Keeps `key` as a credential from now on: one made after loading (a new account's), so
    // there is nothing to read; it goes where the others go.
    void adopt(const QString &key);
    // Where the credential under `key` is kept (a new one goes to the same place).
    Location location(const QString &key) const;
    // The words Preferences shows under a key field; empty while the keyring has not answered.
    static QString locationText(Location location);

    QVariant object(const QString &key) const override;
    void setObject(const QString &key, const QVariant &value) override;
    void remove(const QString &key) override;
    bool isLoaded() const override;
    void whenLoaded(std::function<void()> then) override;
    Readiness readiness(const QString &key) const override;
    void whenReady(const QString &key, std::function<void()> then) override;

signals:
    void loaded();
    // A credential's location changed (loading ended, a keyring failed, a move finished).
    void locationsChanged();

private:
    struct Entry
    {
        std::optional<QString> value;
        Location location = Location::loading;
        bool known = false;     // the value is settled: the keyring answered, or is not asked
        quint64 generation = 0; // counts the user's changes, so a late keyring answer cannot undo one
    };

    void settle(const QString &key, Location location);
    // Every value is known once each credential's read was answered; a move may still be under way.
    void markKnown(const QString &key);
    void readNext();
    void took(const QString &key, quint64 generation, const SecretStore::Outcome &outcome);
    // The keyring turned out locked: what it keeps waits for it to be unlocked, unasked.
    void waitForUnlock(const QString &key);
    void collectionChanged();
    // Write, read back, compare; only then take the credential out of the file.
    void moveIntoKeyring(const QString &key, const QString &value);
    void moveNext();
    bool fileHolds(const QString &key) const;

    DefaultsStore &m_file;
    SecretStore *m_keyring;
    QHash<QString, Entry> m_entries;
    std::vector<std::function<void()>> m_waiting;
    std::vector<std::pair<QString, std::function<void()>>> m_waitingFor; // by key
    QStringList m_reads; // credentials still to be read from the keyring, the first one under way
    QStringList m_deferred; // in the file until the keyring can take them without asking
    std::vector<std::pair<QString, QString>> m_moves; // the first one is under way
    bool m_moveFailed = false; // the credentials still to be read then stay in the file
    bool m_loaded = false;
};
