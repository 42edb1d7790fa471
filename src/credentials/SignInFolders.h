#pragma once

#include "app/Providers.h"
#include "credentials/SignInFile.h"

#include <QStringList>

// The folders of a command-line tool's sign-ins on this machine: each folder named like the tool's
// own (".claude-work", ".codex-team") that holds its sign-in file, and the one its variable names.
namespace SignInFolders {

// Claude Code's ".credentials.json", Codex's "auth.json".
QString fileName(Provider provider);
// The folder the tool uses by default: its variable's, else ~/.claude or ~/.codex.
QString defaultFolder(Provider provider, const SignInFile::Environment &environment);
// Every folder found, the default one first when it holds a sign-in; nothing is opened.
QStringList detect(Provider provider, const SignInFile::Environment &environment);

}
