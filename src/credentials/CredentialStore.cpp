#include "CredentialStore.h"

#include <QPointer>

#include <algorithm>
#include <utility>

using Kind = SecretStore::Outcome::Kind;

CredentialStore::CredentialStore(DefaultsStore &file, SecretStore *keyring, const QStringList &credentialKeys,
                                 QObject *parent)
    : QObject(parent)
    , m_file(file)
    , m_keyring(keyring)
{
    // A credential still in the file can be used at once, before the keyring answers.
    for (const QString &key : credentialKeys) {
        Entry entry;
        const std::optional<QString> stored = m_file.string(key);
        if (stored && !stored->isEmpty())
            entry.value = stored;
        m_entries.insert(key, entry);
    }
}

void CredentialStore::load()
{
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        const QString key = it.key();
        if (!m_keyring) {
            settle(key, Location::file);
            continue;
        }
        const quint64 generation = it->generation;
        m_keyring->read(key, [this, self = QPointer(this), key, generation](const SecretStore::Outcome &outcome) {
            if (!self)
                return;
            Entry &entry = m_entries[key];
            if (outcome.kind == Kind::unavailable) {
                settle(key, Location::file);
                return;
            }
            // The file's credential is newer than the keyring's: it was saved while no keyring answered.
            const std::optional<QString> inFile = m_file.string(key);
            const bool fileHoldsOne = inFile && !inFile->isEmpty();
            if (entry.generation == generation && !fileHoldsOne)
                entry.value = outcome.kind == Kind::done ? outcome.secret : std::nullopt;
            if (!fileHoldsOne) {
                settle(key, Location::keyring);
                return;
            }
            // Its value is the file's: usable now, however long the keyring takes (or its prompt waits).
            if (m_moveFailed) {
                settle(key, Location::file);
                return;
            }
            markKnown(key);
            moveIntoKeyring(key, *inFile);
        });
    }
}

void CredentialStore::settle(const QString &key, Location location)
{
    Entry &entry = m_entries[key];
    const bool changed = entry.location != location;
    entry.location = location;
    markKnown(key);
    if (changed)
        emit locationsChanged();
}

void CredentialStore::markKnown(const QString &key)
{
    m_entries[key].known = true;
    if (m_loaded || std::any_of(m_entries.cbegin(), m_entries.cend(), [](const Entry &e) { return !e.known; }))
        return;
    m_loaded = true;
    for (auto &then : std::exchange(m_waiting, {}))
        then();
    emit loaded();
}

void CredentialStore::moveIntoKeyring(const QString &key, const QString &value)
{
    m_moves.emplace_back(key, value);
    if (m_moves.size() == 1)
        moveNext();
}

void CredentialStore::moveNext()
{
    if (m_moves.empty())
        return;
    const auto [key, value] = m_moves.front();
    const auto finish = [this, key = key](bool moved) {
        if (!moved) {
            m_moveFailed = true;
            for (const auto &move : std::exchange(m_moves, {}))
                settle(move.first, Location::file);
            return;
        }
        settle(key, Location::keyring);
        m_moves.erase(m_moves.begin()); // only now, so that a move asked for meanwhile waits its turn
        moveNext();
    };
    m_keyring->write(key, value, [this, self = QPointer(this), key = key, value = value, finish](const SecretStore::Outcome &written) {
        if (!self)
            return;
        if (written.kind != Kind::done) {
            finish(false);
            return;
        }
        m_keyring->read(key, [this, self, key, value, finish](const SecretStore::Outcome &readBack) {
            if (!self)
                return;
            if (readBack.kind != Kind::done || readBack.secret != value) {
                finish(false);
                return;
            }
            // Only the very credential the keyring now holds leaves the file; a newer one stays.
            if (m_file.string(key) == value)
                m_file.remove(key);
            finish(true);
        });
    });
}

CredentialStore::Location CredentialStore::location(const QString &key) const
{
    return m_entries.value(key).location;
}

QString CredentialStore::locationText(Location location)
{
    switch (location) {
    case Location::keyring:
        return QStringLiteral("Stored in the keyring");
    case Location::file:
        return QStringLiteral("Stored in a file only you can read");
    case Location::loading:
        break;
    }
    return {};
}

QVariant CredentialStore::object(const QString &key) const
{
    const auto it = m_entries.constFind(key);
    if (it == m_entries.cend())
        return m_file.object(key);
    return it->value ? QVariant(*it->value) : QVariant();
}

void CredentialStore::setObject(const QString &key, const QVariant &value)
{
    const auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        m_file.setObject(key, value);
        return;
    }
    // A new credential goes to the file first, so that a crash before the keyring has it loses nothing.
    const QString text = value.toString();
    it->value = text;
    ++it->generation;
    m_file.setString(key, text);
    if (it->location == Location::keyring)
        moveIntoKeyring(key, text);
}

void CredentialStore::remove(const QString &key)
{
    const auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        m_file.remove(key);
        return;
    }
    it->value.reset();
    ++it->generation;
    m_file.remove(key);
    // Also when the file holds it now: a keyring that failed this time may hold an older one.
    if (m_keyring)
        m_keyring->remove(key, [](const SecretStore::Outcome &) {});
}

bool CredentialStore::isLoaded() const
{
    return m_loaded;
}

void CredentialStore::whenLoaded(std::function<void()> then)
{
    if (m_loaded)
        then();
    else
        m_waiting.push_back(std::move(then));
}
