// The one place where the shared instances of the running application are created.

#include "SharedInstances.h"

#include "accounts/AccountFetchers.h"
#include "accounts/AccountList.h"
#include "accounts/ProviderSource.h"
#include "accounts/UsageRecords.h"
#include "credentials/SignInFolders.h"
#include "app/AppSettings.h"
#include "app/DefaultsKeys.h"
#include "app/LaunchAtLoginHelper.h"
#include "app/Notifications.h"
#include "BuildInfo.h"
#include "browser/BrowserCookiesPlugin.h"
#include "credentials/CredentialSource.h"
#include "credentials/CredentialStore.h"
#include "history/ChartPlugin.h"
#include "history/HistoryWindowController.h"
#include "notify/Notifier.h"
#include "pace/PaceTracker.h"
#include "platform/Alerts.h"
#include "platform/BrowserKeyring.h"
#include "platform/Clock.h"
#include "platform/DesktopNotices.h"
#include "platform/LoginItems.h"
#include "platform/OsRelease.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "platform/SecretStore.h"
#include "platform/UrlOpener.h"
#include "platform/qt/FileChangeWatch.h"
#include "platform/qt/QuitGuard.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/OnboardingWindowController.h"
#include "preferences/PreferencesModel.h"
#include "preferences/PreferencesWindowController.h"
#include "statusbar/StatusBarController.h"
#include "update/UpdateChecker.h"
#include "usage/ChosenSource.h"
#include "usage/HTTPClient.h"
#include "usage/OpenAIUsageFetcher.h"
#include "usage/SignInTools.h"
#include "usage/UsageFetcher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace {

// The parent of the shared Qt objects. It ends before the application object does: widgets, bus
// connections and threads must not outlive what the application's destructor takes down (its
// style among them) before it deletes its children.
QObject &owner()
{
    static QPointer<QObject> instance;
    if (!instance)
        instance = new QObject(QCoreApplication::instance());
    return *instance;
}

// What the program runs on, chosen once at start.
Platform *chosenPlatform = nullptr;

Platform &chosen()
{
    Q_ASSERT_X(chosenPlatform, "SharedInstances", "usePlatform() comes before any shared instance");
    return *chosenPlatform;
}

// The platform's parts under the shared instances. They end with endAll(), after the Qt objects
// that use them.
struct Parts
{
    Platform &platform = chosen();
    std::unique_ptr<DefaultsStore> settingsFile = platform.createSettings();
    std::unique_ptr<SecretStore> keyring = platform.createSecretStore();
    // Every setting lives in the file; the credentials in the keyring when one answers.
    std::unique_ptr<CredentialStore> defaults = std::make_unique<CredentialStore>(
        *settingsFile, keyring.get(),
        QStringList{DefaultsKeys::sessionKey, DefaultsKeys::openAISessionKey}
            + AccountList::credentialKeys(settingsFile->string(DefaultsKeys::accounts).value_or(QString())));
    std::unique_ptr<Clock> clock = platform.createClock();
    std::unique_ptr<Scheduler> scheduler = platform.createScheduler();
    std::unique_ptr<NotificationCenter> notifications = std::make_unique<NotificationCenter>();
    std::unique_ptr<HttpTransport> transport = platform.createTransport(HttpLimits{});
    // The quotabar command starts this program under its own path, which login entries start too.
    std::unique_ptr<LoginItems> loginItems = platform.createLoginItems(LaunchAtLoginHelper::programPath(
        LaunchAtLoginHelper::command(), QString::fromLatin1(BuildInfo::installedProgram)));
    std::unique_ptr<Alerts> alerts = platform.createAlerts();
    std::unique_ptr<UrlOpener> urlOpener = platform.createUrlOpener();
    std::unique_ptr<OsRelease> osRelease = platform.createOsRelease();
    // The update check has a connection of its own, apart from the usage fetchers'. Each transport's
    // HTTP runs on a thread of its own, so this costs a second, mostly sleeping thread; that is fine:
    // a slow feed never holds up a usage request, and the feed's redirect rules stay apart.
    std::unique_ptr<HttpTransport> feedTransport = platform.createTransport(HttpLimits{
        .idleTimeout = std::chrono::seconds(60), .requestTimeout = std::chrono::seconds(60), .sameOriginRedirectsOnly = false});
    // Made when first needed: the notices when the records are first followed, the browsers'
    // keyring when Preferences first open.
    std::unique_ptr<DesktopNotices> notices;
    std::unique_ptr<BrowserKeyring> browserKeyring;

    Parts() { defaults->load(); }
};

std::unique_ptr<Parts> &partsSlot()
{
    static std::unique_ptr<Parts> instance;
    return instance;
}

Parts &parts()
{
    std::unique_ptr<Parts> &slot = partsSlot();
    if (!slot)
        slot = std::make_unique<Parts>();
    return *slot;
}

DesktopNotices &desktopNotices()
{
    Parts &all = parts();
    if (!all.notices)
        all.notices = all.platform.createNotices();
    return *all.notices;
}

BrowserKeyring &browserKeyring()
{
    Parts &all = parts();
    if (!all.browserKeyring)
        all.browserKeyring = all.platform.createBrowserKeyring();
    return *all.browserKeyring;
}

FetcherServices fetcherServices()
{
    return {SharedInstances::defaults(), HTTPClient::session(), SharedInstances::scheduler(), SharedInstances::clock()};
}

QString environmentValue(const char *name)
{
    return qEnvironmentVariable(name);
}

// Usage through the sign-ins of the Claude Code and Codex command-line tools.
SignInUsageFetcher<UsageData> &claudeCodeFetcher()
{
    static auto *instance = new SignInUsageFetcher<UsageData>(
        SignInTools::anthropicAPI, SignInTools::claudeCode(environmentValue), fetcherServices(), &owner());
    return *instance;
}

SignInUsageFetcher<OpenAIUsageData> &codexFetcher()
{
    static auto *instance = [] {
        SignInUsageFetcher<OpenAIUsageData>::Tool tool = SignInTools::codex(environmentValue);
        // The workspaces the sign-in reaches beside its personal account are offered as accounts.
        tool.accountsPath = OpenAIResponses::accountsPath;
        tool.onAccounts = [](const QByteArray &body) {
            for (const OpenAIResponses::Workspace &workspace : OpenAIResponses::workspaces(body))
                SharedInstances::accounts().offer(Provider::openAI, workspace.accountId, workspace.name);
        };
        return new SignInUsageFetcher<OpenAIUsageData>(SignInTools::chatGPT, tool, fetcherServices(), &owner());
    }();
    return *instance;
}

// Watches both sign-in files, so that a token the tool has renewed is used at once.
FileChangeWatch &signInWatch()
{
    static auto *instance = new FileChangeWatch({claudeCodeFetcher().filePath(), codexFetcher().filePath()},
                                                &owner());
    return *instance;
}

// A sign-in of a command-line tool in a folder of its own, as its folder variable names it.
SignInFile::Environment folderEnvironment(Provider provider, const QString &folder)
{
    return [provider, folder](const char *name) {
        const bool folderVariable = QLatin1String(name) == QLatin1String(provider == Provider::claude ? "CLAUDE_CONFIG_DIR" : "CODEX_HOME");
        return folderVariable ? folder : QString();
    };
}

// The source of an account beyond its provider's first one.
std::unique_ptr<UsageSource<ProviderUsage>> makeAccountSource(const Account &account)
{
    const QString ownKey = AccountList::credentialKey(account);
    const bool claude = account.provider == Provider::claude;
    const bool firstSignsIn = CredentialSource::of(account.provider, *parts().defaults) != CredentialSource::sessionKey;
    switch (account.source) {
    case Account::Source::sessionKey:
    case Account::Source::browser:
        if (claude)
            return std::make_unique<ProviderSource<UsageData>>(
                std::make_unique<UsageFetcher>(UsageFetcher::shared().base, fetcherServices(), ownKey, account.serverId));
        return std::make_unique<ProviderSource<OpenAIUsageData>>(std::make_unique<OpenAIUsageFetcher>(
            OpenAIUsageFetcher::shared().base, fetcherServices(), ownKey, account.serverId));
    case Account::Source::signInFolder:
        if (claude)
            return std::make_unique<ProviderSource<UsageData>>(std::make_unique<SignInUsageFetcher<UsageData>>(
                SignInTools::anthropicAPI, SignInTools::claudeCode(folderEnvironment(account.provider, account.folder)),
                fetcherServices()));
        return std::make_unique<ProviderSource<OpenAIUsageData>>(std::make_unique<SignInUsageFetcher<OpenAIUsageData>>(
            SignInTools::chatGPT, SignInTools::codex(folderEnvironment(account.provider, account.folder)),
            fetcherServices()));
    case Account::Source::sameSignIn:
        break;
    }
    if (!firstSignsIn) {
        const QString firstKey = Providers::of(account.provider).credentialKey;
        if (claude)
            return std::make_unique<ProviderSource<UsageData>>(
                std::make_unique<UsageFetcher>(UsageFetcher::shared().base, fetcherServices(), firstKey, account.serverId));
        return std::make_unique<ProviderSource<OpenAIUsageData>>(std::make_unique<OpenAIUsageFetcher>(
            OpenAIUsageFetcher::shared().base, fetcherServices(), firstKey, account.serverId));
    }
    if (claude) // Claude Code's sign-in reaches the usage of its own organisation only
        return nullptr;
    // Codex's sign-in, for another of the workspaces it reaches.
    SignInUsageFetcher<OpenAIUsageData>::Tool tool = SignInTools::codex(environmentValue);
    tool.extraHeaders = [workspace = account.serverId.toUtf8()](const SignIn &) {
        return QList<HeaderField>{{QByteArrayLiteral("ChatGPT-Account-Id"), workspace}};
    };
    return std::make_unique<ProviderSource<OpenAIUsageData>>(
        std::make_unique<SignInUsageFetcher<OpenAIUsageData>>(SignInTools::chatGPT, tool, fetcherServices()));
}

} // namespace

namespace SharedInstances {

AccountList &accounts()
{
    static auto *instance = [] {
        auto *list = new AccountList(
            AppSettings::shared(),
            [](Provider provider, const QString &folder) {
                const SignInFile::Environment environment = folderEnvironment(provider, folder);
                return QFileInfo::exists(provider == Provider::claude ? SignInFile::claudeCodePath(environment)
                                                                      : SignInFile::codexPath(environment));
            },
            // A new account's key is a credential like the others: in the keyring when one answers.
            [](const QString &key) { parts().defaults->adopt(key); }, &owner());
        // The other organisations a Claude key reaches are offered as accounts, hidden until shown.
        UsageFetcher::shared().onOrganisations = [list](const QList<ClaudeResponses::Organisation> &organisations) {
            for (const ClaudeResponses::Organisation &organisation : organisations.mid(1))
                list->offer(Provider::claude, organisation.uuid, organisation.name);
        };
        // So are the workspaces a ChatGPT session reaches beside its personal account.
        OpenAIUsageFetcher::shared().onWorkspaces = [list](const QList<OpenAIResponses::Workspace> &workspaces) {
            for (const OpenAIResponses::Workspace &workspace : workspaces)
                list->offer(Provider::openAI, workspace.accountId, workspace.name);
        };
        return list;
    }();
    return *instance;
}

UsageSources &usageSources()
{
    static auto *instance = new AccountFetchers(accounts(), claudeUsage(), openAIUsage(), makeAccountSource,
                                                scheduler(), clock(), &owner());
    return *instance;
}

UsageRecords &usageRecords()
{
    static auto *instance = new UsageRecords(
        clock(), usageSources(),
        [] { return std::chrono::seconds(static_cast<qint64>(AppSettings::shared().refreshInterval())); }, &owner());
    return *instance;
}

UsageSource<UsageData> &claudeUsage()
{
    static ChosenSource<UsageData> instance(UsageFetcher::shared(), claudeCodeFetcher(), [] {
        return CredentialSource::claude(defaults()) == CredentialSource::claudeCode;
    });
    return instance;
}

UsageSource<OpenAIUsageData> &openAIUsage()
{
    static ChosenSource<OpenAIUsageData> instance(OpenAIUsageFetcher::shared(), codexFetcher(), [] {
        return CredentialSource::openAI(defaults()) == CredentialSource::codex;
    });
    return instance;
}

DefaultsStore &defaults()
{
    return *parts().defaults;
}

Clock &clock()
{
    return *parts().clock;
}

Scheduler &scheduler()
{
    return *parts().scheduler;
}

NotificationCenter &notifications()
{
    return *parts().notifications;
}

LoginItems &loginItems()
{
    return *parts().loginItems;
}

UrlOpener &urlOpener()
{
    return *parts().urlOpener;
}

const StatusBarCommands &commands()
{
    static const StatusBarCommands instance{
        [] { UpdateChecker::shared().checkSilently(); },
        [] { UpdateChecker::shared().checkWithUI(); },
        [] { PreferencesWindowController::shared().showWindow(); },
        [] { OnboardingWindowController::shared().showWindow(); },
        &QuitGuard::quit,
        [] { HistoryWindowController::shared().showWindow(); },
    };
    return instance;
}

void followUsage(StatusBarController &controller)
{
    followRecords(controller, {AppSettings::shared(), desktopNotices(), clock(), scheduler(), paceTracker(), usageRecords(),
                               accounts(), commands().openPrefs});
    QObject::connect(&signInWatch(), &FileChangeWatch::changed, &controller, [](const QString &path) {
        if (path == claudeCodeFetcher().filePath() && CredentialSource::claude(defaults()) == CredentialSource::claudeCode)
            claudeUsage().fetchUsage();
        if (path == codexFetcher().filePath() && CredentialSource::openAI(defaults()) == CredentialSource::codex)
            openAIUsage().fetchUsage();
    });
    // Credentials that only the keyring knew were not there when the controller started: their
    // accounts are asked as soon as it answers, not at the next refresh.
    if (!defaults().isLoaded())
        QObject::connect(parts().defaults.get(), &CredentialStore::loaded, &controller, &StatusBarController::accountsChanged);
}

void followRecords(StatusBarController &controller, const RecordFollowers &followers)
{
    auto *notifier = new Notifier(Notifier::Services{followers.settings, followers.notices, followers.clock,
                                                     followers.scheduler, followers.openPreferences},
                                  &controller);
    notifier->follow(followers.records, followers.accounts);
    QObject::connect(&controller, &StatusBarController::refreshHeld, notifier, &Notifier::refreshHeld);
    followers.pace.follow(followers.records, followers.accounts);
    controller.menu().setRowSuffix(
        [&pace = followers.pace](const AccountId &id, Window window) { return pace.rowSuffix(id, window); });
}

void usePlatform(Platform &platform)
{
    chosenPlatform = &platform;
}

void endAll()
{
    delete &owner();
    partsSlot().reset();
}

PaceTracker &paceTracker()
{
    static auto *instance = new PaceTracker(HistoryStore::defaultFilePath(), clock(), &owner());
    return *instance;
}

}

AppSettings &AppSettings::shared()
{
    static auto *instance = new AppSettings(
        SharedInstances::defaults(),
        [](bool enabled) { LaunchAtLoginHelper::setEnabled(SharedInstances::loginItems(), enabled); },
        &owner());
    return *instance;
}

HTTPClient &HTTPClient::session()
{
    static HTTPClient instance(*parts().transport);
    return instance;
}

UsageFetcher &UsageFetcher::shared()
{
    static auto *instance = new UsageFetcher(QStringLiteral("https://claude.ai"), fetcherServices(),
                                           &owner());
    return *instance;
}

OpenAIUsageFetcher &OpenAIUsageFetcher::shared()
{
    static auto *instance = new OpenAIUsageFetcher(QStringLiteral("https://chatgpt.com"), fetcherServices(),
                                           &owner());
    return *instance;
}

UpdateChecker &UpdateChecker::shared()
{
    static auto *instance = new UpdateChecker(
        QUrl(QStringLiteral("https://quotabar.app/appcast.xml")),
        Services{*parts().feedTransport, *parts().alerts, *parts().urlOpener, *parts().osRelease,
                 &QuitGuard::quit},
        Running{QString::fromLatin1(BuildInfo::buildNumber), QString::fromLatin1(BuildInfo::version)},
        &owner());
    return *instance;
}

PreferencesWindowController &PreferencesWindowController::shared()
{
    // The browsers' cookie stores, looked into only when the user asks for an import.
    static const BrowserCookiesPlugin browserCookies(QCoreApplication::applicationDirPath(), &browserKeyring(),
                                                     SharedInstances::clock());
    static auto *accountRows = new AccountRows(
        AccountRows::Services{
            SharedInstances::accounts(), SharedInstances::usageRecords(), SharedInstances::usageSources(),
            [](Provider provider) { return SignInFolders::detect(provider, environmentValue); },
            [](Provider provider) {
                return std::optional(SignInFolders::defaultFolder(provider, environmentValue));
            },
        },
        &owner());
    static auto *model = new PreferencesModel(
        PreferencesModel::Services{
            AppSettings::shared(),
            SharedInstances::notifications(),
            SharedInstances::scheduler(),
            SharedInstances::clock(),
            [] { SharedInstances::claudeUsage().fetchUsage(); },
            [] { SharedInstances::openAIUsage().fetchUsage(); },
            [](const QUrl &url) { SharedInstances::urlOpener().open(url); },
            [](const QString &defaultsKey) {
                return CredentialStore::locationText(parts().defaults->location(defaultsKey));
            },
            [](const QString &source) {
                return QFileInfo::exists(source == CredentialSource::claudeCode ? claudeCodeFetcher().filePath()
                                                                                : codexFetcher().filePath());
            },
            [] { return SharedInstances::claudeUsage().nextTryAt(); },
            [] { return SharedInstances::openAIUsage().nextTryAt(); },
            [](Provider provider) { return browserCookies.scan(provider); },
            [](Provider provider, const BrowserProfile &profile) { return browserCookies.import(provider, profile); },
            accountRows,
        },
        &owner());
    // This runs at every opening: the model is told of a change once, however often it was opened.
    QObject::connect(parts().defaults.get(), &CredentialStore::locationsChanged, model, &PreferencesModel::changed,
                     Qt::UniqueConnection);
    QObject::connect(&signInWatch(), &FileChangeWatch::changed, model, &PreferencesModel::changed,
                     Qt::UniqueConnection);
    static auto *instance = new PreferencesWindowController(*model, &owner());
    return *instance;
}

HistoryWindowController &HistoryWindowController::shared()
{
    static auto *instance = new HistoryWindowController(
        SharedInstances::paceTracker(), SharedInstances::clock(),
        [] {
            // An account without a credential counts as shown only when it is Claude's first one,
            // whose rows say what is missing; the others are shown once they can be asked.
            QList<Account> accounts = SharedInstances::accounts().all();
            for (Account &account : accounts) {
                account.shown = account.shown
                                && (account.id == Account::firstId(Provider::claude)
                                    || SharedInstances::accounts().hasCredential(account.id));
            }
            return accounts;
        },
        // The chart plugin is installed beside the panel program.
        ChartPlugin::paneMaker(QCoreApplication::applicationDirPath()), &owner());
    QObject::connect(&SharedInstances::accounts(), &AccountList::changed, instance, &HistoryWindowController::reload);
    return *instance;
}

OnboardingWindowController &OnboardingWindowController::shared()
{
    static auto *instance = [] {
        auto *guide = new OnboardingWindowController(
            SharedInstances::defaults(), [] { PreferencesWindowController::shared().showWindow(); },
            QStringLiteral(":/images/quotabar-icon.png"), &owner());
        // Sign-ins are pointed to while no key is stored, never chosen: the user picks one in Preferences.
        guide->window()->setFoundSignIns([] {
            const DefaultsStore &defaults = SharedInstances::defaults();
            const auto offered = [&](const QString &keyName, const QString &source, const QString &inUse,
                                     const QString &path) {
                return defaults.string(keyName).value_or(QString()).isEmpty() && source != inUse
                    && QFileInfo::exists(path);
            };
            QStringList found;
            if (offered(DefaultsKeys::sessionKey, CredentialSource::claude(defaults), CredentialSource::claudeCode,
                        claudeCodeFetcher().filePath()))
                found << CredentialSource::tool(CredentialSource::claudeCode)->name;
            if (offered(DefaultsKeys::openAISessionKey, CredentialSource::openAI(defaults), CredentialSource::codex,
                        codexFetcher().filePath()))
                found << CredentialSource::tool(CredentialSource::codex)->name;
            return found;
        });
        return guide;
    }();
    return *instance;
}
