#include "SignInFolders.h"

#include <QDir>
#include <QFileInfo>

namespace SignInFolders {

QString fileName(Provider provider)
{
    return provider == Provider::claude ? QStringLiteral(".credentials.json") : QStringLiteral("auth.json");
}

QString defaultFolder(Provider provider, const SignInFile::Environment &environment)
{
    const QString path = provider == Provider::claude ? SignInFile::claudeCodePath(environment)
                                                      : SignInFile::codexPath(environment);
    return QFileInfo(path).absolutePath();
}

QStringList detect(Provider provider, const SignInFile::Environment &environment)
{
    QStringList folders;
    const auto consider = [&](const QString &folder) {
        const QString clean = QDir::cleanPath(folder);
        if (!folders.contains(clean) && QFileInfo(QDir(clean).filePath(fileName(provider))).isFile())
            folders.append(clean);
    };
    consider(defaultFolder(provider, environment));
    const QString home = environment("HOME").isEmpty() ? QDir::homePath() : environment("HOME");
    const QString prefix = provider == Provider::claude ? QStringLiteral(".claude") : QStringLiteral(".codex");
    const QDir homeDir(home);
    const QStringList names =
        homeDir.entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names)
        consider(homeDir.filePath(name));
    return folders;
}

}
