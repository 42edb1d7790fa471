#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

// What a command-line tool's sign-in file says, read without ever writing it.
struct SignIn
{
    QString accessToken;
    std::optional<QDateTime> expiresAt;  // absent when the file does not say
    std::optional<QString> accountID;    // Codex: sent with every request
    std::optional<QString> plan;         // Claude Code: the subscription type
};

// The two command-line tools whose sign-in Quotabar can use instead of a session key.
namespace SignInFile {

using Environment = std::function<QString(const char *name)>; // a variable's value, empty when unset

// $CLAUDE_CONFIG_DIR/.credentials.json, else ~/.claude/.credentials.json.
QString claudeCodePath(const Environment &environment);
// $CODEX_HOME/auth.json, else ~/.codex/auth.json.
QString codexPath(const Environment &environment);

// Absent when the body holds no usable access token.
std::optional<SignIn> readClaudeCode(const QByteArray &body);
std::optional<SignIn> readCodex(const QByteArray &body);

// The file's bytes, opened read-only; absent when it cannot be read. Files beyond 1 MiB are refused.
std::optional<QByteArray> contents(const QString &path);

} // namespace SignInFile
