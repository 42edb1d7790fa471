#include "DummyPlatform.h"

#include "platform/Alerts.h"
#include "platform/BrowserKeyring.h"
#include "platform/LoginItems.h"
#include "platform/NetworkPathMonitor.h"
#include "platform/OsRelease.h"
#include "platform/SecretStore.h"
#include "platform/UrlOpener.h"
#include "platform/dummy/LoopbackTransport.h"
#include "platform/dummy/MemoryDefaultsStore.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/SystemClock.h"

namespace {

using Shown = DummyPlatform::Shown;

class ShownItem final : public StatusItem
{
public:
    explicit ShownItem(Shown &shown)
        : m_shown(shown)
    {
    }
    void showSegments(const QList<StatusSegment> &segments) override { m_shown.segments = segments; }
    void setMenu(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers) override
    {
        m_shown.rows = rows;
        m_shown.menuHandlers = std::move(handlers);
    }
    void updateMenu(const QList<StatusMenuRow> &rows) override { m_shown.rows = rows; }

private:
    Shown &m_shown;
};

class ShownNotices final : public DesktopNotices
{
public:
    explicit ShownNotices(Shown &shown)
        : m_shown(shown)
    {
    }
    void show(const QString &tag, const DesktopNotice &notice) override { m_shown.notices.append({tag, notice}); }
    void setActionHandler(ActionHandler) override {}

private:
    Shown &m_shown;
};

class ShownPublisher final : public StatusPublisher
{
public:
    ShownPublisher(Shown &shown, Handlers handlers)
        : m_shown(shown)
        , m_handlers(std::move(handlers))
    {
    }
    bool publish() override
    {
        m_shown.published = m_handlers;
        return true;
    }
    void announceChange() override { ++m_shown.announcements; }

private:
    Shown &m_shown;
    Handlers m_handlers;
};

class ShownEvents final : public SystemEvents
{
public:
    explicit ShownEvents(Shown &shown)
        : m_shown(shown)
    {
    }
    void follow(Handlers handlers) override { m_shown.events = std::move(handlers); }

private:
    Shown &m_shown;
};

class ShownUrls final : public UrlOpener
{
public:
    explicit ShownUrls(Shown &shown)
        : m_shown(shown)
    {
    }
    bool open(const QUrl &url) override
    {
        m_shown.opened.append(url);
        return true;
    }

private:
    Shown &m_shown;
};

class ShownLoginItems final : public LoginItems
{
public:
    explicit ShownLoginItems(Shown &shown)
        : m_shown(shown)
    {
    }
    std::optional<QString> registerApplication() override
    {
        m_shown.launchesAtLogin = true;
        return std::nullopt;
    }
    std::optional<QString> unregisterApplication() override
    {
        m_shown.launchesAtLogin = false;
        return std::nullopt;
    }

private:
    Shown &m_shown;
};

// Nobody is there to answer: every alert is dismissed.
class UnansweredAlerts final : public Alerts
{
public:
    int runModal(const Alert &) override { return -1; }
};

class NoKeyring final : public BrowserKeyring
{
public:
    Lookup safeStoragePassword(const QStringList &) override
    {
        return {Lookup::Kind::unavailable, {}, QStringLiteral("no keyring")};
    }
};

class UnnamedSystem final : public OsRelease
{
public:
    OsReleaseInfo current() const override { return {}; }
};

// The loopback server, or the failure of every request, is all the network there is.
class AlwaysConnected final : public NetworkPathMonitor
{
public:
    void start(std::function<void(bool)> onPathUpdate) override { onPathUpdate(true); }
    void cancel() override {}
};

} // namespace

DummyPlatform::DummyPlatform(Options options)
    : m_options(std::move(options))
{
}

std::unique_ptr<DefaultsStore> DummyPlatform::createSettings()
{
    auto settings = std::make_unique<MemoryDefaultsStore>();
    settings->values = m_options.settings;
    return settings;
}

std::unique_ptr<SecretStore> DummyPlatform::createSecretStore()
{
    return nullptr;
}

std::unique_ptr<Clock> DummyPlatform::createClock()
{
    return std::make_unique<SystemClock>();
}

std::unique_ptr<Scheduler> DummyPlatform::createScheduler()
{
    return std::make_unique<QtScheduler>();
}

std::unique_ptr<HttpTransport> DummyPlatform::createTransport(const HttpLimits &limits)
{
    return std::make_unique<LoopbackTransport>(m_options.origin, limits);
}

std::unique_ptr<LoginItems> DummyPlatform::createLoginItems(const QString &)
{
    return std::make_unique<ShownLoginItems>(m_shown);
}

std::unique_ptr<Alerts> DummyPlatform::createAlerts()
{
    return std::make_unique<UnansweredAlerts>();
}

std::unique_ptr<UrlOpener> DummyPlatform::createUrlOpener()
{
    return std::make_unique<ShownUrls>(m_shown);
}

std::unique_ptr<OsRelease> DummyPlatform::createOsRelease()
{
    return std::make_unique<UnnamedSystem>();
}

std::unique_ptr<DesktopNotices> DummyPlatform::createNotices()
{
    return std::make_unique<ShownNotices>(m_shown);
}

std::unique_ptr<BrowserKeyring> DummyPlatform::createBrowserKeyring()
{
    return std::make_unique<NoKeyring>();
}

PanelHost DummyPlatform::panelHost()
{
    return {};
}

std::unique_ptr<StatusItem> DummyPlatform::createStatusItem(const PanelHost &)
{
    return std::make_unique<ShownItem>(m_shown);
}

std::unique_ptr<NetworkPathMonitor> DummyPlatform::createNetworkPathMonitor()
{
    return std::make_unique<AlwaysConnected>();
}

std::unique_ptr<SystemEvents> DummyPlatform::createSystemEvents()
{
    return std::make_unique<ShownEvents>(m_shown);
}

std::unique_ptr<StatusPublisher> DummyPlatform::createStatusPublisher(StatusPublisher::Handlers handlers)
{
    return std::make_unique<ShownPublisher>(m_shown, std::move(handlers));
}
