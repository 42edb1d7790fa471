#pragma once

#include <functional>

// A provider's usage as the rest of the application sees it: start a cycle, hear its outcome.
template<typename Record>
class UsageSource
{
public:
    virtual ~UsageSource() = default;

    // Starts one cycle; it ends in one callback, on the main thread, never inside this call.
    virtual void fetchUsage() = 0;

    // Each is read at the moment of delivery.
    std::function<void(const Record &)> onUsageData;
    std::function<void()> onNeedsLogin;
};
