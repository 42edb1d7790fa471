#pragma once

#include <QDateTime>

#include <functional>
#include <optional>

// What a provider without figures yet is waiting for: its first answer, or the keyring that keeps
// its credential, to answer or to be unlocked.
enum class Awaiting { nothing, answer, keyring, keyringUnlock };

// A provider's usage as the rest of the application sees it: start a cycle, hear its outcome.
template<typename Record>
class UsageSource
{
public:
    virtual ~UsageSource() = default;

    // Asks for fresh figures; the answer comes as one callback, on the main thread, never inside
    // this call. A request while a cycle runs joins it; one before the service's Retry-After
    // instant waits for it.
    virtual void fetchUsage() = 0;
    // When the service asked not to be asked again before, while that is still ahead.
    virtual std::optional<QDateTime> nextTryAt() const { return std::nullopt; }
    // What the cycle under way waits for before it can ask the service.
    virtual Awaiting awaiting() const { return Awaiting::answer; }

    // Each is read at the moment of delivery.
    std::function<void(const Record &)> onUsageData;
    std::function<void()> onNeedsLogin;
};
