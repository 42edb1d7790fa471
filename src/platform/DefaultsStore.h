#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

// The per-user key-value store every persisted setting and credential lives in.
// Values keep their type: a Boolean, a double and a string read back as what was written.
class DefaultsStore
{
public:
    virtual ~DefaultsStore() = default;

    // The stored value, or an invalid QVariant when the key is absent.
    virtual QVariant object(const QString &key) const = 0;
    // Stores the value and writes it through to persistent storage at once.
    virtual void setObject(const QString &key, const QVariant &value) = 0;
    virtual void remove(const QString &key) = 0;
    // Why the latest write did not reach persistent storage, while it did not.
    virtual std::optional<QString> writeFailure() const { return std::nullopt; }

    // Whether every value can be read yet: a store whose credentials sit in a keyring learns
    // them asynchronously, after start.
    virtual bool isLoaded() const { return true; }
    // Runs `then` once every value can be read: at once if it can now, otherwise later.
    virtual void whenLoaded(std::function<void()> then) { then(); }

    // Whether the value under one key can be read yet, or what it waits for.
    enum class Readiness { ready, loading, locked };
    virtual Readiness readiness(const QString &key) const
    {
        Q_UNUSED(key);
        return isLoaded() ? Readiness::ready : Readiness::loading;
    }
    // Runs `then` once the value under `key` can be read: at once if it can now, otherwise later.
    virtual void whenReady(const QString &key, std::function<void()> then)
    {
        Q_UNUSED(key);
        whenLoaded(std::move(then));
    }

    // A stored string; absent for a missing key or a value of another type.
    std::optional<QString> string(const QString &key) const;
    // A stored Boolean or number (non-zero is true); false when absent or of another type.
    bool boolean(const QString &key) const;
    // A stored number; 0 when absent or of another type.
    double number(const QString &key) const;

    void setString(const QString &key, const QString &value) { setObject(key, value); }
    void setBoolean(const QString &key, bool value) { setObject(key, value); }
    void setNumber(const QString &key, double value) { setObject(key, value); }
};
