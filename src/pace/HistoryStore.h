#pragma once

#include "pace/UsageWindow.h"

#include <QList>
#include <QString>

class Clock;

// One window of a kept record: the percent used and the reset instant, in seconds since the epoch.
struct WindowSample
{
    std::optional<double> used;
    std::optional<qint64> resetAt;
};

// One kept record of a provider: when it was built, and both of its windows.
struct HistoryEntry
{
    qint64 at = 0; // seconds since the epoch
    Provider provider = Provider::claude;
    WindowSample session;
    WindowSample weekly;

    const WindowSample &window(Window which) const { return which == Window::session ? session : weekly; }
};

// The recent records of both providers, kept in a private JSON-lines file so a pace can be told
// across restarts. At most one record per provider and minute, none older than eight days; the
// file is appended to, and rewritten whole (atomically) when old lines pile up or a line is damaged.
// Line form: {"t":1765022400,"p":"claude","s":[42.4,1765033200],"w":[59,null]}.
class HistoryStore
{
public:
    static constexpr qint64 keptSeconds = 8 * 24 * 3600;
    // Old lines are let stand this long past the limit, so the file is rewritten about hourly.
    static constexpr qint64 compactionSlack = 3600;
    // A record this far past the clock was kept while it ran ahead, and is dropped.
    static constexpr qint64 futureSlack = 300;

    // Reads what the file holds, skipping lines it cannot read.
    HistoryStore(QString path, const Clock &clock);

    // $XDG_STATE_HOME/quotabar/history.jsonl, or under ~/.local/state without the variable.
    static QString defaultFilePath();

    // Keeps a success record unless the provider already has one in the same minute (or a later
    // one; records from the future are dropped first). Answers false when the record was refused,
    // or when the file could not be written (told once per run on standard error; the record is
    // kept in memory anyway).
    bool add(Provider provider, const ProviderUsage &usage);

    // Every kept record, oldest first.
    const QList<HistoryEntry> &entries() const { return m_entries; }
    // Lines of the file that could not be read at start.
    int damagedLines() const { return m_damagedLines; }

private:
    void load();
    bool accept(const HistoryEntry &entry);
    bool dropOld();
    bool append(const HistoryEntry &entry);
    bool rewrite();
    bool told(bool written);

    QString m_path;
    const Clock &m_clock;
    QList<HistoryEntry> m_entries;
    int m_damagedLines = 0;
    bool m_writeFailureTold = false;
};
