#include "OsReleaseFile.h"

#include <QFile>

namespace {

// A value as the shell would read it: quotes removed, backslash escapes inside double quotes undone.
QString unquoted(const QByteArray &value)
{
    const QString text = QString::fromUtf8(value.trimmed());
    if (text.size() < 2 || text.front() != text.back() || (text.front() != u'"' && text.front() != u'\''))
        return text;
    const QString inner = text.mid(1, text.size() - 2);
    if (text.front() == u'\'')
        return inner;
    QString result;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == u'\\' && i + 1 < inner.size())
            ++i;
        result += inner[i];
    }
    return result;
}

} // namespace

OsReleaseFile::OsReleaseFile(QStringList paths)
    : m_paths(std::move(paths))
{
}

OsReleaseInfo OsReleaseFile::current() const
{
    for (const QString &path : m_paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return parse(file.read(64 * 1024));
    }
    return {};
}

OsReleaseInfo OsReleaseFile::parse(const QByteArray &text)
{
    OsReleaseInfo info;
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0 || line.startsWith('#'))
            continue;
        const QByteArray key = line.left(equals).trimmed();
        if (key == "ID")
            info.id = unquoted(line.mid(equals + 1));
        else if (key == "VERSION_ID")
            info.versionId = unquoted(line.mid(equals + 1));
    }
    return info;
}
