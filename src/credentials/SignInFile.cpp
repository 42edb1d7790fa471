#include "SignInFile.h"

#include "json/JsonLookup.h"

#include <QDir>
#include <QFile>
#include <QTimeZone>

namespace {

QString homeFolder(const SignInFile::Environment &environment)
{
    const QString home = environment("HOME");
    return home.isEmpty() ? QDir::homePath() : home;
}

QString inFolder(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}

std::optional<QString> nonEmptyText(const QJsonObject &parent, const QString &key)
{
    const std::optional<QString> text = JsonLookup::text(parent, key);
    return text && !text->isEmpty() ? text : std::nullopt;
}

} // namespace

namespace SignInFile {

QString claudeCodePath(const Environment &environment)
{
    const QString configured = environment("CLAUDE_CONFIG_DIR");
    const QString folder = configured.isEmpty() ? inFolder(homeFolder(environment), QStringLiteral(".claude")) : configured;
    return inFolder(folder, QStringLiteral(".credentials.json"));
}

QString codexPath(const Environment &environment)
{
    const QString configured = environment("CODEX_HOME");
    const QString folder = configured.isEmpty() ? inFolder(homeFolder(environment), QStringLiteral(".codex")) : configured;
    return inFolder(folder, QStringLiteral("auth.json"));
}

std::optional<SignIn> readClaudeCode(const QByteArray &body)
{
    const auto top = JsonLookup::topLevelObject(body);
    const auto oauth = top ? JsonLookup::object(*top, QStringLiteral("claudeAiOauth")) : std::nullopt;
    const auto token = oauth ? nonEmptyText(*oauth, QStringLiteral("accessToken")) : std::nullopt;
    if (!token)
        return std::nullopt;
    SignIn signIn{*token, std::nullopt, std::nullopt, nonEmptyText(*oauth, QStringLiteral("subscriptionType"))};
    if (const auto expires = JsonLookup::number(*oauth, QStringLiteral("expiresAt")))
        signIn.expiresAt = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(*expires), QTimeZone::utc());
    return signIn;
}

std::optional<SignIn> readCodex(const QByteArray &body)
{
    const auto top = JsonLookup::topLevelObject(body);
    const auto tokens = top ? JsonLookup::object(*top, QStringLiteral("tokens")) : std::nullopt;
    const auto token = tokens ? nonEmptyText(*tokens, QStringLiteral("access_token")) : std::nullopt;
    if (!token)
        return std::nullopt;
    return SignIn{*token, std::nullopt, nonEmptyText(*tokens, QStringLiteral("account_id")), std::nullopt};
}

std::optional<QByteArray> contents(const QString &path)
{
    constexpr qint64 limit = 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    return file.read(limit);
}

} // namespace SignInFile
