#include "BrowserProfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

struct Install
{
    QString folder;
    QString packaging;
};

struct Browser
{
    BrowserProfile::Family family;
    QString id;
    QString name;
    QStringList keyringNames;
    std::vector<Install> (*installs)(const BrowserProfiles::Home &);
};

QString under(const QString &folder, const QString &path)
{
    return QDir(folder).filePath(path);
}

const QString flatpak = QStringLiteral("Flatpak");
const QString snap = QStringLiteral("Snap");

// A Flatpak app's $XDG_CONFIG_HOME.
QString flatpakConfig(const BrowserProfiles::Home &home, const QString &appId)
{
    return under(home.home, QStringLiteral(".var/app/%1/config").arg(appId));
}

const std::vector<Browser> &browsers()
{
    using Home = BrowserProfiles::Home;
    using F = BrowserProfile::Family;
    static const std::vector<Browser> all{
        {F::firefox, QStringLiteral("firefox"), QStringLiteral("Firefox"), {},
         [](const Home &h) -> std::vector<Install> {
             return {{under(h.home, QStringLiteral(".mozilla/firefox")), {}},
                     {under(h.configHome, QStringLiteral("mozilla/firefox")), {}},
                     {under(h.home, QStringLiteral(".var/app/org.mozilla.firefox/.mozilla/firefox")), flatpak},
                     {under(flatpakConfig(h, QStringLiteral("org.mozilla.firefox")), QStringLiteral("mozilla/firefox")), flatpak},
                     {under(h.home, QStringLiteral("snap/firefox/common/.mozilla/firefox")), snap}};
         }},
        {F::firefox, QStringLiteral("librewolf"), QStringLiteral("LibreWolf"), {},
         [](const Home &h) -> std::vector<Install> {
             return {{under(h.home, QStringLiteral(".librewolf")), {}},
                     {under(h.configHome, QStringLiteral("librewolf/librewolf")), {}},
                     {under(h.home, QStringLiteral(".var/app/io.gitlab.librewolf-community/.librewolf")), flatpak}};
         }},
        {F::chromium, QStringLiteral("chromium"), QStringLiteral("Chromium"), {QStringLiteral("Chromium")},
         [](const Home &h) -> std::vector<Install> {
             return {{under(h.configHome, QStringLiteral("chromium")), {}},
                     {under(flatpakConfig(h, QStringLiteral("org.chromium.Chromium")), QStringLiteral("chromium")), flatpak},
                     {under(h.home, QStringLiteral("snap/chromium/common/chromium")), snap}};
         }},
        {F::chromium, QStringLiteral("chrome"), QStringLiteral("Google Chrome"), {QStringLiteral("Chrome")},
         [](const Home &h) -> std::vector<Install> {
             return {{under(h.configHome, QStringLiteral("google-chrome")), {}},
                     {under(flatpakConfig(h, QStringLiteral("com.google.Chrome")), QStringLiteral("google-chrome")), flatpak}};
         }},
        {F::chromium, QStringLiteral("brave"), QStringLiteral("Brave"), {QStringLiteral("Brave")},
         [](const Home &h) -> std::vector<Install> {
             const QString folder = QStringLiteral("BraveSoftware/Brave-Browser");
             return {{under(h.configHome, folder), {}},
                     {under(flatpakConfig(h, QStringLiteral("com.brave.Browser")), folder), flatpak}};
         }},
        {F::chromium, QStringLiteral("edge"), QStringLiteral("Microsoft Edge"),
         {QStringLiteral("Microsoft Edge"), QStringLiteral("Chromium")},
         [](const Home &h) -> std::vector<Install> {
             return {{under(h.configHome, QStringLiteral("microsoft-edge")), {}},
                     {under(flatpakConfig(h, QStringLiteral("com.microsoft.Edge")), QStringLiteral("microsoft-edge")), flatpak}};
         }},
        {F::chromium, QStringLiteral("vivaldi"), QStringLiteral("Vivaldi"), {QStringLiteral("Vivaldi"), QStringLiteral("Chrome")},
         [](const Home &h) -> std::vector<Install> {
             return {{under(h.configHome, QStringLiteral("vivaldi")), {}},
                     {under(flatpakConfig(h, QStringLiteral("com.vivaldi.Vivaldi")), QStringLiteral("vivaldi")), flatpak}};
         }},
    };
    return all;
}

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4 * 1024 * 1024);
}

// profiles.ini's [ProfileN] sections as key-value maps. Parsed here rather than through QSettings,
// which keeps lock files beside the files it reads.
std::vector<QHash<QString, QString>> profileSections(const QByteArray &ini)
{
    std::vector<QHash<QString, QString>> sections;
    bool inProfile = false;
    for (const QByteArray &rawLine : ini.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inProfile = line.startsWith(QLatin1String("[Profile"));
            if (inProfile)
                sections.emplace_back();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inProfile && equals > 0)
            sections.back().insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return sections;
}

void addFirefoxProfiles(const Browser &browser, const Install &install, std::vector<BrowserProfile> &found)
{
    const QDir root(install.folder);
    for (const auto &section : profileSections(readSmallFile(root.filePath(QStringLiteral("profiles.ini"))))) {
        const QString path = section.value(QStringLiteral("Path"));
        if (path.isEmpty())
            continue;
        const bool relative = section.value(QStringLiteral("IsRelative"), QStringLiteral("1")) != QLatin1String("0");
        const QString folder = relative ? root.filePath(path) : path;
        const QString name = section.value(QStringLiteral("Name"), QFileInfo(folder).fileName());
        found.push_back({browser.family, browser.id, browser.name, install.packaging, QFileInfo(folder).fileName(), name,
                         QDir(folder).filePath(QStringLiteral("cookies.sqlite")), browser.keyringNames});
    }
}

void addChromiumProfiles(const Browser &browser, const Install &install, std::vector<BrowserProfile> &found)
{
    const QDir root(install.folder);
    const QJsonObject infoCache = QJsonDocument::fromJson(readSmallFile(root.filePath(QStringLiteral("Local State"))))
                                      .object()
                                      .value(QStringLiteral("profile"))
                                      .toObject()
                                      .value(QStringLiteral("info_cache"))
                                      .toObject();
    QStringList ids = infoCache.keys();
    // A browser that never wrote Local State, or lost it, still has its first profile.
    if (ids.isEmpty() && root.exists(QStringLiteral("Default")))
        ids.append(QStringLiteral("Default"));
    for (const QString &id : std::as_const(ids)) {
        // Newer versions keep the database in the profile's Network folder.
        QString cookies = root.filePath(id + QStringLiteral("/Network/Cookies"));
        if (!QFileInfo::exists(cookies))
            cookies = root.filePath(id + QStringLiteral("/Cookies"));
        const QString name = infoCache.value(id).toObject().value(QStringLiteral("name")).toString();
        found.push_back({browser.family, browser.id, browser.name, install.packaging, id, name.isEmpty() ? id : name,
                         cookies, browser.keyringNames});
    }
}

} // namespace

namespace BrowserProfiles {

Home Home::fromEnvironment()
{
    const QString home = QDir::homePath();
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir(home).filePath(QStringLiteral(".config"));
    return {home, config};
}

QStringList browserIds()
{
    QStringList ids;
    for (const Browser &browser : browsers())
        ids.append(browser.id);
    return ids;
}

std::vector<BrowserProfile> find(const Home &home)
{
    std::vector<BrowserProfile> found;
    QSet<QString> seen;
    for (const Browser &browser : browsers()) {
        for (const Install &install : browser.installs(home)) {
            std::vector<BrowserProfile> profiles;
            if (browser.family == BrowserProfile::Family::firefox)
                addFirefoxProfiles(browser, install, profiles);
            else
                addChromiumProfiles(browser, install, profiles);
            for (BrowserProfile &profile : profiles) {
                const QFileInfo database(profile.cookiesPath);
                if (!database.isFile())
                    continue;
                const QString identity = database.canonicalFilePath();
                if (seen.contains(identity))
                    continue;
                seen.insert(identity);
                found.push_back(std::move(profile));
            }
        }
    }
    return found;
}

} // namespace BrowserProfiles
