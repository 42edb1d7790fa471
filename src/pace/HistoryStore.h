#pragma once

#include "accounts/Account.h"
#include "pace/UsageWindow.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Clock;

// One window of a kept record: the percent used and the reset instant, in seconds since the epoch.
struct WindowSample
{
    std::optional<double> used;
    std::optional<qint64> resetAt;
};

// One kept record of an account: when it was built, and both of its windows.
struct HistoryEntry
{
    qint64 at = 0; // seconds since the epoch
    Provider provider = Provider::claude;
    AccountId account; // never empty: a line without one is the provider's first account's
    WindowSample session;
    WindowSample weekly;

    const WindowSample &window(Window which) const { return which == Window::session ? session : weekly; }
    // The entry a success record makes.
    static HistoryEntry of(Provider provider, const AccountId &account, const ProviderUsage &usage);
};

// The records of every account, kept in a private JSON-lines file so a pace and a history can be
// told across restarts. Eight days in full (at most one record per account and minute, beyond those
// that reach or lift a limit or move a reset instant, and only when a figure or reset instant
// changed or an hour passed), then one per account and hour up to
// ninety days, the whole under a size bound. The file is appended to, and rewritten whole
// (atomically) when old lines are due for thinning, the bound is passed, or a line is damaged.
// Line form: {"t":1765022400,"p":"claude","s":[42.4,1765033200],"w":[59,null]}, plus
// "a":"<account id>" for any account but the provider's first (keys in the order JSON objects sort them).
class HistoryStore
{
    Q_DECLARE_TR_FUNCTIONS(HistoryStore)
public:
    static constexpr qint64 keptSeconds = 8 * 24 * 3600;
    // Past the full eight days, one record per account and this step is kept, up to the archive's age.
    static constexpr qint64 archiveStep = 3600;
    static constexpr qint64 archivedSeconds = 90 * 24 * 3600;
    // Lines past the eight days are let stand this long before thinning, so the file is rewritten daily.
    static constexpr qint64 compactionSlack = 24 * 3600;
    // A record this far past the clock was kept while it ran ahead, and is dropped.
    static constexpr qint64 futureSlack = 300;
    // A record that repeats the last one is still kept after this long, so a pace can be told.
    static constexpr qint64 unchangedKeptEvery = 3600;
    // Reset instants this close are the same instant, reported with jitter.
    static constexpr qint64 sameResetTolerance = 60;
    static constexpr qint64 defaultMaxBytes = 3'000'000; // the file stays below this

    // Reads what the file holds, skipping lines it cannot read; the oldest lines go past maxBytes.
    HistoryStore(QString path, const Clock &clock, qint64 maxBytes = defaultMaxBytes);

    // $XDG_STATE_HOME/quotabar/history.jsonl, or under ~/.local/state without the variable.
    static QString defaultFilePath();

    // Keeps an account's success record unless the account already has one in the same minute (or
    // a later one; records from the future are dropped first) and the record neither reaches nor
    // lifts a limit nor moves a reset instant, or its last one says the same and is less than an
    // hour old. Answers false when the record was refused, or when the file could not be written
    // (told once per run on standard error; the record is kept in memory anyway).
    bool add(Provider provider, const AccountId &account, const ProviderUsage &usage);

    // Every kept record, oldest first.
    const QList<HistoryEntry> &entries() const { return m_entries; }
    // Why the latest write of the file failed; none once a write succeeds again.
    const std::optional<QString> &writeFailure() const { return m_writeFailure; }
    // Lines of the file that could not be read at start.
    int damagedLines() const { return m_damagedLines; }

private:
    void load();
    bool accept(const HistoryEntry &entry);
    bool repeatsLast(const HistoryEntry &entry) const;
    // The account's newest kept record, if any.
    const HistoryEntry *lastOf(const AccountId &account) const;
    bool compact();
    bool append(const HistoryEntry &entry);
    bool rewrite();
    bool told(bool written);

    QString m_path;
    const Clock &m_clock;
    qint64 m_maxBytes;
    QList<HistoryEntry> m_entries;
    int m_damagedLines = 0;
    qint64 m_fileBytes = 0;
    qint64 m_thinnedBefore = 0; // records older than this are already one per hour
    std::optional<QString> m_writeFailure;
    bool m_writeFailureTold = false;
};
