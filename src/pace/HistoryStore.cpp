#include "HistoryStore.h"

#include "platform/Clock.h"
#include "platform/LogCategories.h"
#include "usage/ProviderUsage.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr auto privateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QJsonValue windowJson(const WindowSample &sample)
{
    if (!sample.used)
        return QJsonValue::Null;
    return QJsonArray{*sample.used, sample.resetAt ? QJsonValue(double(*sample.resetAt)) : QJsonValue::Null};
}

std::optional<WindowSample> windowFrom(const QJsonValue &value)
{
    if (value.isNull())
        return WindowSample{};
    const QJsonArray pair = value.toArray();
    if (!value.isArray() || pair.size() != 2 || !pair[0].isDouble() || !(pair[1].isDouble() || pair[1].isNull()))
        return std::nullopt;
    WindowSample sample{pair[0].toDouble(), std::nullopt};
    if (pair[1].isDouble())
        sample.resetAt = static_cast<qint64>(pair[1].toDouble());
    return sample;
}

QByteArray line(const HistoryEntry &entry)
{
    QJsonObject object{
        {QStringLiteral("t"), double(entry.at)},
        {QStringLiteral("p"), Providers::of(entry.provider).id},
        {QStringLiteral("s"), windowJson(entry.session)},
        {QStringLiteral("w"), windowJson(entry.weekly)},
    };
    // The first account's lines stay as they were before there were other accounts.
    if (entry.account != Account::firstId(entry.provider))
        object.insert(QStringLiteral("a"), entry.account);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<HistoryEntry> entryFrom(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const auto provider = Providers::fromId(object.value(QStringLiteral("p")).toString());
    const auto session = windowFrom(object.value(QStringLiteral("s")));
    const auto weekly = windowFrom(object.value(QStringLiteral("w")));
    const QJsonValue account = object.value(QStringLiteral("a"));
    if (!object.value(QStringLiteral("t")).isDouble() || !session || !weekly || !provider
        || !(account.isUndefined() || (account.isString() && !account.toString().isEmpty())))
        return std::nullopt;
    return HistoryEntry{static_cast<qint64>(object.value(QStringLiteral("t")).toDouble()), *provider,
                        account.isString() ? account.toString() : Account::firstId(*provider), *session, *weekly};
}

WindowSample sampleOf(const ProviderUsage &usage, Window window)
{
    const auto reset = UsageWindows::resetAt(usage, window);
    return {UsageWindows::used(usage, window), reset ? std::optional(reset->toSecsSinceEpoch()) : std::nullopt};
}

void makePrivateFolder(const QString &filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (QDir(folder).exists())
        return;
    QDir().mkpath(folder);
    QFile::setPermissions(folder, privateFile | QFileDevice::ExeOwner);
}

} // namespace

HistoryEntry HistoryEntry::of(Provider provider, const AccountId &account, const ProviderUsage &usage)
{
    return {usage.fetchedAt.toSecsSinceEpoch(), provider, account, sampleOf(usage, Window::session),
            sampleOf(usage, Window::weekly)};
}

HistoryStore::HistoryStore(QString path, const Clock &clock, qint64 maxBytes)
    : m_path(std::move(path))
    , m_clock(clock)
    , m_maxBytes(maxBytes)
{
    load();
}

QString HistoryStore::defaultFilePath()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/quotabar/history.jsonl");
}

void HistoryStore::load()
{
    m_thinnedBefore = m_clock.now().toSecsSinceEpoch() - keptSeconds;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    m_fileBytes = content.size();
    bool clean = content.isEmpty() || content.endsWith('\n');
    for (const QByteArray &text : content.split('\n')) {
        if (text.trimmed().isEmpty())
            continue;
        const auto entry = entryFrom(text);
        if (!entry)
            ++m_damagedLines;
        if (!entry || !accept(*entry))
            clean = false;
    }
    if (compact() || !clean)
        rewrite();
}

namespace {

bool sameReset(const WindowSample &a, const WindowSample &b)
{
    return a.resetAt.has_value() == b.resetAt.has_value()
        && (!a.resetAt || std::llabs(*a.resetAt - *b.resetAt) <= HistoryStore::sameResetTolerance);
}

bool usedUp(const WindowSample &window)
{
    return window.used && *window.used >= 100.0;
}

// A limit reached or lifted, or a window that reset: what the history must never lose to the
// one-per-minute rule.
bool marksALimit(const HistoryEntry &entry, const HistoryEntry &last)
{
    return usedUp(entry.session) != usedUp(last.session) || usedUp(entry.weekly) != usedUp(last.weekly)
        || !sameReset(entry.session, last.session) || !sameReset(entry.weekly, last.weekly);
}

} // namespace

const HistoryEntry *HistoryStore::lastOf(const AccountId &account) const
{
    const auto last = std::find_if(m_entries.crbegin(), m_entries.crend(),
                                   [&account](const HistoryEntry &kept) { return kept.account == account; });
    return last == m_entries.crend() ? nullptr : &*last;
}

bool HistoryStore::accept(const HistoryEntry &entry)
{
    const HistoryEntry *last = lastOf(entry.account);
    if (last && entry.at / 60 <= last->at / 60 && (entry.at < last->at || !marksALimit(entry, *last)))
        return false;
    m_entries.append(entry);
    return true;
}

bool HistoryStore::repeatsLast(const HistoryEntry &entry) const
{
    const HistoryEntry *last = lastOf(entry.account);
    if (!last || entry.at - last->at >= unchangedKeptEvery)
        return false;
    const auto same = [](const WindowSample &a, const WindowSample &b) { return a.used == b.used && sameReset(a, b); };
    return same(entry.session, last->session) && same(entry.weekly, last->weekly);
}

bool HistoryStore::compact()
{
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    const qint64 oldest = now - archivedSeconds;
    const qint64 thinBefore = now - keptSeconds;
    const qsizetype before = m_entries.size();
    // Past the full days, the first record of each account and hour stands for the hour.
    QHash<AccountId, qint64> lastStep;
    // Records from the future were kept while the clock ran ahead; they would refuse every
    // record after it was set right.
    const qint64 latest = now + futureSlack;
    m_entries.removeIf([&](const HistoryEntry &entry) {
        if (entry.at < oldest || entry.at > latest)
            return true;
        if (entry.at >= thinBefore)
            return false;
        const auto step = lastStep.constFind(entry.account);
        if (step != lastStep.cend() && entry.at / archiveStep == *step)
            return true;
        lastStep.insert(entry.account, entry.at / archiveStep);
        return false;
    });
    m_thinnedBefore = thinBefore;

    // A bound on the file whatever the clock did: the oldest lines go first, a tenth more than
    // needed, so that the next lines are appended rather than rewritten.
    qint64 bytes = 0;
    for (const HistoryEntry &entry : std::as_const(m_entries))
        bytes += line(entry).size();
    qsizetype dropped = 0;
    const qint64 target = bytes >= m_maxBytes ? m_maxBytes / 10 * 9 : m_maxBytes;
    while (bytes >= target && dropped < m_entries.size())
        bytes -= line(m_entries[dropped++]).size();
    m_entries.remove(0, dropped);
    return m_entries.size() != before;
}

bool HistoryStore::add(Provider provider, const AccountId &account, const ProviderUsage &usage)
{
    if (!usage.usable() || !usage.fetchedAt.isValid())
        return true;
    const HistoryEntry entry = HistoryEntry::of(provider, account, usage);
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    const bool fromFuture = !m_entries.isEmpty() && m_entries.last().at > now + futureSlack;
    if (fromFuture)
        compact();
    const bool repeat = repeatsLast(entry);
    if (repeat || !accept(entry)) {
        if (fromFuture)
            told(rewrite());
        return repeat; // the last record stands for a repeat; anything else is refused
    }
    if (fromFuture || now - keptSeconds - m_thinnedBefore > compactionSlack
        || m_fileBytes + line(entry).size() >= m_maxBytes) {
        compact();
        return told(rewrite());
    }
    return told(append(entry));
}

bool HistoryStore::told(bool written)
{
    if (written) {
        m_writeFailure.reset();
        return true;
    }
    //: A warning: %1 is the history file's path
    m_writeFailure = tr("The usage history could not be written to %1").arg(m_path);
    if (!std::exchange(m_writeFailureTold, true))
        qCWarning(historyLog).noquote() << "Quotabar:" << *m_writeFailure;
    return false;
}

bool HistoryStore::append(const HistoryEntry &entry)
{
    makePrivateFolder(m_path);
    QFile file(m_path);
    const bool created = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    if (created)
        file.setPermissions(privateFile);
    const QByteArray text = line(entry);
    const bool written = file.write(text) == text.size();
    m_fileBytes = file.size();
    return written;
}

bool HistoryStore::rewrite()
{
    makePrivateFolder(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(privateFile);
    qint64 bytes = 0;
    for (const HistoryEntry &entry : std::as_const(m_entries))
        bytes += file.write(line(entry));
    const bool committed = file.commit();
    if (committed)
        m_fileBytes = bytes;
    return committed;
}
