#include "NoticeRules.h"

#include "credentials/CredentialSource.h"
#include "pace/DurationText.h"
#include "platform/Clock.h"
#include "usage/Figures.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// A later reset instant within this of the known one is the same period, reported with jitter.
constexpr qint64 sameResetTolerance = 60;

QString tag(Provider provider, const QString &what)
{
    return Providers::of(provider).id + QLatin1Char('.') + what;
}

// A window's name in the notices' texts: "Claude session: 12% left".
QString shownName(Window window)
{
    if (window == Window::session) {
        //: A window's name in a notice, after the provider's: "Claude session: 12% left"
        return QCoreApplication::translate("NoticeRules", "session");
    }
    //: A window's name in a notice, after the provider's: "Claude weekly: 12% left"
    return QCoreApplication::translate("NoticeRules", "weekly");
}

Notice lowNotice(Provider provider, const NoticeRules::Observed &window, const QDateTime &now)
{
    //: A notice's title: %1 is the provider ("Claude"), %2 the window ("session", "Opus weekly"), %3 the
    //: remaining percentage ("12%")
    Notice notice{tag(provider, window.key),
                  QCoreApplication::translate("NoticeRules", "%1 %2: %3 left").arg(Providers::of(provider).name, window.name, Figures::pct(window.used)),
                  QString()};
    if (window.resetAt && *window.resetAt > now) {
        //: A notice's text: %1 is the time till the window resets ("3 hr. 20 min.")
        notice.body = QCoreApplication::translate("NoticeRules", "Resets in %1").arg(DurationText::phrase(now.secsTo(*window.resetAt)));
    }
    return notice;
}

Notice resetNotice(Provider provider, const NoticeRules::Observed &window)
{
    //: A notice's title: %1 is the provider ("Claude"), %2 the window ("session", "Opus weekly")
    return {tag(provider, window.key), QCoreApplication::translate("NoticeRules", "%1 %2 limit has reset").arg(Providers::of(provider).name, window.name),
            QString()};
}

Notice availableNotice(const QString &tag, Provider provider, const QString &name)
{
    //: A notice's title: %1 is the provider ("Claude"), %2 the window ("session", "Opus weekly")
    return {tag, QCoreApplication::translate("NoticeRules", "%1 %2 available again").arg(Providers::of(provider).name, name),
            QCoreApplication::translate("NoticeRules", "The limit has reset; the full allowance is back.")};
}

Notice expiredNotice(Provider provider, const QString &source, const QString &importedFrom)
{
    if (const auto signIn = CredentialSource::tool(source))
        //: A notice's title: %1 is the command-line tool whose sign-in is used ("Claude Code", "Codex")
        return {tag(provider, QStringLiteral("key")), QCoreApplication::translate("NoticeRules", "%1 sign-in expired").arg(signIn->name),
                //: A notice's text: %1 is the command that signs in again ("claude", "codex login")
                QCoreApplication::translate("NoticeRules", "Run %1 to sign in again.").arg(signIn->command), false};
    // A key taken from a browser comes back the same way, once the browser is signed in again.
    if (!importedFrom.isEmpty())
        //: A notice's title: %1 is the provider ("Claude")
        return {tag(provider, QStringLiteral("key")), QCoreApplication::translate("NoticeRules", "%1 session expired").arg(Providers::of(provider).name),
                //: A notice's text: %1 is the browser the key was taken from ("Firefox")
                QCoreApplication::translate("NoticeRules", "Sign in again in %1, then import it again in Preferences.").arg(importedFrom), true};
    if (provider == Provider::claude)
        return {tag(provider, QStringLiteral("key")), QCoreApplication::translate("NoticeRules", "Claude session key expired"),
                //: "sessionKey" is the name of the cookie: keep it as it is
                QCoreApplication::translate("NoticeRules", "Paste a new sessionKey in Preferences."), true};
    return {tag(provider, QStringLiteral("key")), QCoreApplication::translate("NoticeRules", "ChatGPT session token expired"),
            //: "__Secure-next-auth.session-token" is the name of the cookie: keep it as it is
            QCoreApplication::translate("NoticeRules", "Paste a new __Secure-next-auth.session-token in Preferences."), true};
}

} // namespace

NoticeRules::NoticeRules(const Clock &clock, std::array<bool, 2> expiredAtStart)
    : m_clock(clock)
    , m_expired(expiredAtStart)
{
}

QList<Notice> NoticeRules::observe(Provider provider, const ProviderUsage &usage, const NoticeSettings &settings,
                                   const std::optional<AccountScope> &account)
{
    QList<Notice> notices;
    if (!usage.usable())
        return notices;
    QList<Observed> windows;
    for (const Window window : allWindows)
        windows.append({UsageWindows::windowName(window), shownName(window),
                        UsageWindows::used(usage, window), UsageWindows::resetAt(usage, window)});
    // The rows below the weekly one: per-model limits and windows of other lengths.
    for (const LimitWindow &extra : usage.extraWindows())
        windows.append({extra.id, extra.label, extra.usedPercent, extra.resetAt});
    if (account) {
        for (Observed &window : windows) {
            if (!account->key.isEmpty()) // the first account keeps the provider's own tags
                window.key = account->key + QLatin1Char('.') + window.key;
            //: A window's name in a notice when the provider has several accounts: %1 is the account's label, %2
            //: the window ("Claude · Work session: 12% left")
            window.name = tr("· %1 %2").arg(account->label, window.name);
        }
    }
    const bool speaks = account ? account->shown : settings.shown(provider);
    for (const Observed &window : std::as_const(windows)) {
        if (auto notice = observeWindow(provider, window, settings, speaks, account.has_value()))
            notices.append(*notice);
    }
    return notices;
}

std::optional<Notice> NoticeRules::observeWindow(Provider provider, const Observed &window,
                                                 const NoticeSettings &settings, bool speaks, bool scoped)
{
    if (!window.used)
        return std::nullopt;
    const double left = Figures::remainingRounded(*window.used); // the value the user is shown
    const auto &resetAt = window.resetAt;
    const QDateTime now = m_clock.now();
    const QString windowTag = tag(provider, window.key);
    WindowState &known = m_windows[windowTag];
    known.provider = provider;
    known.name = window.name;
    known.speaks = speaks;
    known.scoped = scoped;

    std::optional<Notice> notice;
    if (known.seen) {
        // A new period: the known reset instant has passed, and the provider no longer reports it.
        const bool newPeriod = known.resetAt && now >= *known.resetAt
                               && (!resetAt || resetAt->toSecsSinceEpoch()
                                                   > known.resetAt->toSecsSinceEpoch() + sameResetTolerance);
        const int lowest = std::min(settings.thresholds[0], settings.thresholds[1]);
        const bool usedUp = known.left <= 0;
        // Back early: the provider refilled a used-up window before its reset instant.
        const bool refilled = usedUp && left > rearmMargin;
        if (usedUp && settings.availableAgain && (newPeriod || refilled)) {
            if (!known.back && speaks)
                notice = availableNotice(windowTag, provider, window.name);
        } else if (newPeriod && settings.reset && speaks && known.left <= lowest) {
            notice = resetNotice(provider, window);
        }
        if (newPeriod || refilled)
            known.back = false;
        if (newPeriod) {
            for (bool &fired : known.fired)
                fired = false;
        }
        for (auto it = known.fired.begin(); it != known.fired.end(); ++it) {
            if (left > it.key() + rearmMargin)
                it.value() = false;
        }
    }

    bool crossed = false;
    for (const int threshold : settings.thresholds) {
        if (!known.fired.contains(threshold))
            known.fired.insert(threshold, known.seen && known.left <= threshold);
        if (left <= threshold && !known.fired.value(threshold)) {
            known.fired[threshold] = true;
            crossed = known.seen;
        }
    }
    if (crossed && settings.low && speaks)
        notice = lowNotice(provider, window, now);

    known.seen = true;
    known.left = left;
    if (resetAt || (known.resetAt && now >= *known.resetAt))
        known.resetAt = resetAt;
    return notice;
}

QList<Notice> NoticeRules::due(const NoticeSettings &settings)
{
    QList<Notice> notices;
    const QDateTime now = m_clock.now();
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
        WindowState &known = it.value();
        if (!known.seen || known.left > 0 || known.back || !known.resetAt || now < *known.resetAt)
            continue;
        known.back = true;
        if (settings.availableAgain && (known.scoped ? known.speaks : settings.shown(known.provider)))
            notices.append(availableNotice(it.key(), known.provider, known.name));
    }
    return notices;
}

std::optional<QDateTime> NoticeRules::nextDue() const
{
    std::optional<QDateTime> earliest;
    for (const WindowState &known : m_windows) {
        if (known.seen && known.left <= 0 && !known.back && known.resetAt && (!earliest || *known.resetAt < *earliest))
            earliest = known.resetAt;
    }
    return earliest;
}

Notice NoticeRules::held(Provider provider, const QDateTime &nextTryAt) const
{
    const ProviderIdentity &identity = Providers::of(provider);
    return {tag(provider, QStringLiteral("wait")), identity.name,
            //: A notice's text: %1 is the provider ("ChatGPT"), %2 the time till the next try ("5m")
            tr("%1 asked for fewer requests: next try in %2.")
                .arg(identity.name, Figures::timeRemaining(nextTryAt, m_clock.now())),
            false};
}

std::optional<Notice> NoticeRules::expiredSet(Provider provider, bool expired, bool keyStored,
                                              const NoticeSettings &settings, const QString &source,
                                              const QString &importedFrom)
{
    bool &known = m_expired[static_cast<std::size_t>(provider)];
    const bool turned = expired && !known;
    known = expired;
    if (turned && keyStored && settings.expired && settings.shown(provider))
        return expiredNotice(provider, source, importedFrom);
    return std::nullopt;
}
