#include "FileChangeWatch.h"

#include <QDir>
#include <QFileInfo>

FileChangeWatch::FileChangeWatch(const QStringList &paths, QObject *parent)
    : QObject(parent)
{
    for (const QString &path : paths)
        m_states.insert(path, stateOf(path));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileChangeWatch::check);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileChangeWatch::check);
    rewatch();
}

FileChangeWatch::State FileChangeWatch::stateOf(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? State{true, info.lastModified(), info.size()} : State{};
}

void FileChangeWatch::check()
{
    for (auto it = m_states.begin(); it != m_states.end(); ++it) {
        const State now = stateOf(it.key());
        if (now == *it)
            continue;
        *it = now;
        emit changed(it.key());
    }
    rewatch();
}

// A file replaced by a rename is a new file: watch it again, and its folder for its return.
void FileChangeWatch::rewatch()
{
    for (auto it = m_states.cbegin(); it != m_states.cend(); ++it) {
        const QFileInfo info(it.key());
        if (info.exists() && !m_watcher.files().contains(it.key()))
            m_watcher.addPath(it.key());
        if (info.absoluteDir().exists() && !m_watcher.directories().contains(info.absolutePath()))
            m_watcher.addPath(info.absolutePath());
    }
}
