#pragma once

#include "platform/NetworkPathMonitor.h"
#include "statusbar/TitleView.h"
#include "usage/UsageSource.h"

#include <QList>

// A usage source that counts cycles and lets the test deliver their outcomes.
template<typename Record>
struct FakeUsageSource final : UsageSource<Record>
{
    void fetchUsage() override
    {
        ++fetches;
        if (answer)
            answer();
    }
    std::optional<QDateTime> nextTryAt() const override { return heldUntil; }
    Awaiting awaiting() const override { return waitingFor; }
    void deliver(const Record &record) { this->onUsageData(record); }
    void needsLogin() { this->onNeedsLogin(); }
    int fetches = 0;
    std::optional<QDateTime> heldUntil; // as a service's Retry-After would set it
    Awaiting waitingFor = Awaiting::answer;
    std::function<void()> answer; // runs at every fetch, to script replies
};

// A status item that remembers what it was last told to show.
struct FakeStatusItem final : TitleView
{
    void showPlaceholder(const QString &text) override { placeholder = text; }
    void showTitle(const TitleModel &title) override
    {
        shown = title;
        ++redraws;
    }
    void setMenu(StatusMenu &attached, std::function<void()> aboutToShow) override
    {
        menu = &attached;
        openMenu = std::move(aboutToShow);
    }

    QString placeholder;
    std::optional<TitleModel> shown;
    int redraws = 0;
    StatusMenu *menu = nullptr;
    std::function<void()> openMenu;
};

// Network monitors whose path the test sets; the state of every monitor made stays inspectable.
struct FakeNetwork
{
    struct MonitorState
    {
        std::function<void(bool)> handler;
        bool started = false;
        bool cancelled = false;

        void report(bool satisfied)
        {
            if (started && !cancelled)
                handler(satisfied);
        }
    };

    struct Monitor final : NetworkPathMonitor
    {
        Monitor(std::shared_ptr<MonitorState> state, bool satisfied)
            : state(std::move(state))
            , satisfied(satisfied)
        {
        }
        void start(std::function<void(bool)> onPathUpdate) override
        {
            state->handler = std::move(onPathUpdate);
            state->started = true;
            state->report(satisfied);
        }
        void cancel() override { state->cancelled = true; }

        std::shared_ptr<MonitorState> state;
        bool satisfied;
    };

    NetworkPathMonitorFactory factory()
    {
        return [this] {
            monitors.append(std::make_shared<MonitorState>());
            return std::make_unique<Monitor>(monitors.last(), satisfied);
        };
    }
    void setSatisfied(bool value)
    {
        satisfied = value;
        for (const auto &monitor : monitors)
            monitor->report(value);
    }

    bool satisfied = true;
    QList<std::shared_ptr<MonitorState>> monitors;
};
