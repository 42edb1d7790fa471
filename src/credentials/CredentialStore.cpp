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
    if (!m_keyring) {
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
            settle(it.key(), Location::file);
        return;
    }
    m_keyring->onCollectionChanged = [self = QPointer(this)] {
        if (self)
            self->collectionChanged();
    };
    m_keyring->collection([this, self = QPointer(this)](SecretStore::Collection collection) {
        if (!self)
            return;
        // Asking a keyring that is locked, or has no collection yet, for what the file holds
        // anyway would only make it ask the user.
        const bool wouldAsk = collection == SecretStore::Collection::absent || collection == SecretStore::Collection::locked;
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
            if (wouldAsk && fileHolds(it.key())) {
                m_deferred.append(it.key());
                settle(it.key(), Location::file);
            } else {
                m_reads.append(it.key());
            }
        }
        readNext();
    });
}

void CredentialStore::adopt(const QString &key)
{
    if (m_entries.contains(key))
        return;
    Entry entry;
    entry.known = true;
    entry.location = m_keyring && !m_moveFailed && !fileHolds(key) ? Location::keyring : Location::file;
    if (fileHolds(key))
        entry.value = m_file.string(key);
    m_entries.insert(key, entry);
}

bool CredentialStore::fileHolds(const QString &key) const
{
    const std::optional<QString> inFile = m_file.string(key);
    return inFile && !inFile->isEmpty();
}

void CredentialStore::readNext()
{
    if (m_reads.isEmpty())
        return;
    const QString key = m_reads.constFirst();
    const quint64 generation = m_entries.value(key).generation;
    m_keyring->read(key, [this, self = QPointer(this), key, generation](const SecretStore::Outcome &outcome) {
        if (!self)
            return;
        if (outcome.kind == SecretStore::Outcome::Kind::done) {
            took(key, generation, outcome);
            return;
        }
        // Nothing found may be a locked keyring whose prompt was dismissed: ask its state, not the user.
        m_keyring->collection([this, self, key, generation, outcome](SecretStore::Collection collection) {
            if (!self)
                return;
            if (collection != SecretStore::Collection::locked) {
                took(key, generation, outcome);
                return;
            }
            for (const QString &waiting : std::exchange(m_reads, {}))
                waitForUnlock(waiting);
        });
    });
}

void CredentialStore::took(const QString &key, quint64 generation, const SecretStore::Outcome &outcome)
{
    m_reads.removeOne(key);
    Entry &entry = m_entries[key];
    if (outcome.kind == Kind::unavailable) {
        settle(key, Location::file);
    } else {
        // The file's credential is newer than the keyring's: it was saved while no keyring answered.
        const bool inFile = fileHolds(key);
        if (entry.generation == generation && !inFile)
            entry.value = outcome.kind == Kind::done ? outcome.secret : std::nullopt;
        if (!inFile) {
            settle(key, Location::keyring);
        } else if (m_moveFailed) {
            // Its value is the file's: usable now, however long the keyring takes (or its prompt waits).
            settle(key, Location::file);
        } else {
            markKnown(key);
            moveIntoKeyring(key, *m_file.string(key));
        }
    }
    readNext();
}

void CredentialStore::waitForUnlock(const QString &key)
{
    if (fileHolds(key)) {
        if (!m_deferred.contains(key))
            m_deferred.append(key);
        settle(key, Location::file);
        return;
    }
    Entry &entry = m_entries[key];
    const bool changed = entry.location != Location::locked;
    entry.location = Location::locked;
    if (changed)
        emit locationsChanged();
}

void CredentialStore::collectionChanged()
{
    m_keyring->collection([this, self = QPointer(this)](SecretStore::Collection collection) {
        if (!self)
            return;
        if (collection != SecretStore::Collection::unlocked)
            return;
        // Read what waited for the unlock, and move what waited in the file: neither asks now.
        const bool reading = !m_reads.isEmpty();
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
            if (it->location == Location::locked && !m_reads.contains(it.key()))
                m_reads.append(it.key());
        }
        for (const QString &key : std::exchange(m_deferred, {})) {
            if (fileHolds(key) && !m_moveFailed)
                moveIntoKeyring(key, *m_file.string(key));
        }
        if (!reading)
            readNext();
    });
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
    std::vector<std::function<void()>> ready;
    for (auto it = m_waitingFor.begin(); it != m_waitingFor.end();) {
        if (it->first == key) {
            ready.push_back(std::move(it->second));
            it = m_waitingFor.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto &then : ready)
        then();
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
        //: Where a key is kept: the desktop's keyring (Secret Service, KWallet)
        return tr("Stored in the keyring");
    case Location::file:
        return tr("Stored in a file only you can read");
    case Location::locked:
        return tr("Stored in the keyring, which is locked: unlock it to use this key");
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
    // A key the user stores may make the keyring ask: that is expected then.
    if (it->location == Location::keyring || it->location == Location::locked || m_deferred.removeAll(key) > 0)
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

DefaultsStore::Readiness CredentialStore::readiness(const QString &key) const
{
    const auto it = m_entries.constFind(key);
    if (it == m_entries.cend() || it->known || it->value)
        return Readiness::ready;
    return it->location == Location::locked ? Readiness::locked : Readiness::loading;
}

void CredentialStore::whenReady(const QString &key, std::function<void()> then)
{
    if (readiness(key) == Readiness::ready)
        then();
    else
        m_waitingFor.emplace_back(key, std::move(then));
}

void CredentialStore::whenLoaded(std::function<void()> then)
{
    if (m_loaded)
        then();
    else
        m_waiting.push_back(std::move(then));
}
