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

    virtual ~SecretStore() = default;
    virtual void read(const QString &name, Completion completion) = 0;
    virtual void write(const QString &name, const QString &secret, Completion completion) = 0;
    // Removing a name that holds nothing is done, not a failure.
    virtual void remove(const QString &name, Completion completion) = 0;
};
