// The quotabar command: runs a verb against the running program, or starts the panel program.
// It links no GUI or network library (QtCore, QtDBus, and QtSql for the browsers' cookies), so a
// bar that keeps `status --follow` running stays small.

#include "browser/BrowserCookiesPlugin.h"
#include "cli/CommandLine.h"
#include "platform/linux/ReaderGoneWatch.h"
#include "platform/linux/SafeStorageKeyring.h"
#include "platform/linux/StatusBusClient.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/SystemClock.h"
#include "platform/qt/Translations.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// False when the text could not be written: the reader has gone.
bool write(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    return std::fflush(stream) == 0; // a bar reading --follow sees each line at once
}

// The panel program beside this one (a build tree), else the installed one.
std::string panelProgram(const std::filesystem::path &self)
{
    std::error_code error;
    const std::filesystem::path beside = self.parent_path() / "quotabar-panel";
    if (!self.empty() && std::filesystem::exists(beside, error) && ::access(beside.c_str(), X_OK) == 0)
        return beside.string();
    return BuildInfo::installedPanel;
}

// Replaces this process with the panel program, so the pid a session or a script holds stays the
// panel's. It gets this program's path as its name, for the login entry it writes.
int startPanel(char *argv[])
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string panel = panelProgram(self);
    std::string name = self.empty() ? std::string(argv[0]) : self.string();
    std::vector<char *> arguments{name.data()};
    for (int i = 1; argv[i]; ++i)
        arguments.push_back(argv[i]);
    arguments.push_back(nullptr);
    ::execv(panel.c_str(), arguments.data());
    std::fprintf(stderr, "quotabar: cannot start %s: %s\n", panel.c_str(), std::strerror(errno));
    return 127;
}

// The panel program's folder, where its plugins are.
QString pluginFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return QString::fromStdString(std::filesystem::path(panelProgram(self)).parent_path().string());
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!CommandLine::isCommand(arguments))
        return startPanel(argv);

    QCoreApplication app(argc, argv);
    Translations::install(app);
    // QtDBus registers its own types when first needed, which its connection thread may do
    // while this one does too; at exit that race printed a warning about an invalid type.
    qRegisterMetaType<QDBusArgument>();
    qRegisterMetaType<QDBusError>();
    qRegisterMetaType<QDBusMessage>();
    qRegisterMetaType<QDBusObjectPath>();
    qRegisterMetaType<QDBusSignature>();
    qRegisterMetaType<QDBusUnixFileDescriptor>();
    qRegisterMetaType<QDBusVariant>();
    StatusBusClient client;
    QtScheduler scheduler;
    // A bar that ends leaves --follow writing into a closed pipe, often with SIGPIPE ignored (bars
    // pass that on): it ends then, rather than follow for nobody.
    const auto out = [](const QString &text) {
        if (!write(stdout, text))
            QCoreApplication::exit(CommandLine::outputClosed);
    };
    const auto err = [](const QString &text) { write(stderr, text); };
    const auto in = [] {
        QByteArray bytes;
        char buffer[4096];
        while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, stdin))
            bytes.append(buffer, qsizetype(got));
        return QString::fromUtf8(bytes);
    };
    CommandLine commandLine(client, scheduler, {out, err, [](int code) { QCoreApplication::exit(code); }, in});
    // Listing the browsers' sign-ins reads no encrypted value, so it needs no keyring.
    const SystemClock clock;
    // The browsers are read through the panel program's plugin, so that the other verbs load
    // neither Qt SQL nor libcrypto.
    const BrowserCookiesPlugin browsers(pluginFolder(), nullptr, clock);
    commandLine.setBrowserScan([&browsers](Provider provider) { return browsers.scan(provider); });
    // Importing one decrypts it, with the browser's key from the desktop keyring where it keeps one.
    SafeStorageKeyring keyring(KeyringCollection::backendFor(qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                                                             qEnvironmentVariable("KDE_SESSION_VERSION")),
                               QDBusConnection::sessionBus());
    const BrowserCookiesPlugin decrypting(pluginFolder(), &keyring, clock);
    commandLine.setBrowserImport(
        [&decrypting](Provider provider, const QString &browser) { return decrypting.import(provider, browser); });
    // --follow may wait long between lines (for hours while Quotabar is not running).
    std::optional<ReaderGoneWatch> readerGone;
    if (arguments.contains(QLatin1String("--follow")))
        readerGone.emplace(STDOUT_FILENO, [] { QCoreApplication::exit(CommandLine::outputClosed); });
    QTimer::singleShot(0, &app, [&] { commandLine.run(QCoreApplication::arguments().mid(1)); });
    return QCoreApplication::exec();
}
