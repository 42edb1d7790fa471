#pragma once

#include <QString>

#include <functional>
#include <optional>

// The desktop's keyring (a Secret Service): one secret per name, reached asynchronously.
// Every completion runs later on the main thread, never inside the call that started it.
class SecretStore
{
public:
    struct Outcome
    {
        enum class Kind { done, notFound, unavailable };
        Kind kind = Kind::done;
        std::optional<QString> secret; // what a read found
        QString reason;                // why the keyring could not be used; never holds a secret

        static Outcome found(const QString &secret) { return {Kind::done, secret, {}}; }
    };
    using Completion = std::function<void(Outcome)>;

    // The collection new secrets go to, as the keyring tells without asking the user anything:
    // unknown where it cannot tell, absent where none was made yet (storing one would ask the
    // user to make it), locked until the user unlocks it.
    enum class Collection { unknown, absent, locked, unlocked };

    virtual ~SecretStore() = default;
    // Runs `then` with the collection's state, later on the main thread.
    virtual void collection(std::function<void(Collection)> then) = 0;
    // Called, on the main thread, whenever the collection may have been made, locked or unlocked.
    std::function<void()> onCollectionChanged;
    virtual void read(const QString &name, Completion completion) = 0;
    virtual void write(const QString &name, const QString &secret, Completion completion) = 0;
    // Removing a name that holds nothing is done, not a failure.
    virtual void remove(const QString &name, Completion completion) = 0;
};
