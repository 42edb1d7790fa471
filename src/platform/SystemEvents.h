#pragma once

#include <functional>

// Tells of the changes around the program that what it shows must follow: the machine woke, the
// wall clock jumped, the desktop's or the panel's colours changed.
class SystemEvents
{
public:
    struct Handlers
    {
        std::function<void()> didWake;
        std::function<void()> clockChanged;
        std::function<void()> appearanceChanged;
    };

    virtual ~SystemEvents() = default;
    // Calls the handlers, on the main thread, from now until this ends.
    virtual void follow(Handlers handlers) = 0;
};
