#include "HistoryStore.h"

#include "platform/Clock.h"
#include "statusbar/TitleModel.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

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
    const QJsonObject object{
        {QStringLiteral("t"), double(entry.at)},
        {QStringLiteral("p"), Title::providerId(entry.provider)},
        {QStringLiteral("s"), windowJson(entry.session)},
        {QStringLiteral("w"), windowJson(entry.weekly)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<HistoryEntry> entryFrom(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QString provider = object.value(QStringLiteral("p")).toString();
    const auto session = windowFrom(object.value(QStringLiteral("s")));
    const auto weekly = windowFrom(object.value(QStringLiteral("w")));
    if (!object.value(QStringLiteral("t")).isDouble() || !session || !weekly
        || (provider != Title::providerId(Provider::claude) && provider != Title::providerId(Provider::openAI)))
        return std::nullopt;
    return HistoryEntry{static_cast<qint64>(object.value(QStringLiteral("t")).toDouble()),
                        provider == Title::providerId(Provider::claude) ? Provider::claude : Provider::openAI,
                        *session, *weekly};
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

HistoryStore::HistoryStore(QString path, const Clock &clock)
    : m_path(std::move(path))
    , m_clock(clock)
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
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
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
    if (dropOld() || !clean)
        rewrite();
}

bool HistoryStore::accept(const HistoryEntry &entry)
{
    const auto last = std::find_if(m_entries.crbegin(), m_entries.crend(),
                                   [&entry](const HistoryEntry &kept) { return kept.provider == entry.provider; });
    if (last != m_entries.crend() && entry.at / 60 <= last->at / 60)
        return false;
    m_entries.append(entry);
    return true;
}

bool HistoryStore::dropOld()
{
    // Records from the future were kept while the clock ran ahead; they would refuse every
    // record after it was set right.
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    const qint64 oldest = now - keptSeconds;
    const qint64 latest = now + futureSlack;
    return m_entries.removeIf([=](const HistoryEntry &entry) { return entry.at < oldest || entry.at > latest; }) > 0;
}

bool HistoryStore::add(Provider provider, const ProviderUsage &usage)
{
    if (!usage.usable() || !usage.fetchedAt.isValid())
        return false;
    const HistoryEntry entry{usage.fetchedAt.toSecsSinceEpoch(), provider, sampleOf(usage, Window::session),
                             sampleOf(usage, Window::weekly)};
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    const bool fromFuture = !m_entries.isEmpty() && m_entries.last().at > now + futureSlack;
    const bool compact = fromFuture || (!m_entries.isEmpty() && m_entries.first().at < now - keptSeconds - compactionSlack);
    if (compact)
        dropOld();
    if (!accept(entry))
        return false;
    return told(compact ? rewrite() : append(entry));
}

bool HistoryStore::told(bool written)
{
    if (!written && !m_writeFailureTold) {
        m_writeFailureTold = true;
        qWarning().noquote() << "Quotabar: the usage history could not be written to" << m_path;
    }
    return written;
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
    return file.write(text) == text.size();
}

bool HistoryStore::rewrite()
{
    makePrivateFolder(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(privateFile);
    for (const HistoryEntry &entry : std::as_const(m_entries))
        file.write(line(entry));
    return file.commit();
}
