#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QStringList>

// Tells when one of a few files appears, changes or goes away, also when a program replaces it
// by renaming a new file over it (which a watch on the file alone would lose track of).
class FileChangeWatch final : public QObject
{
    Q_OBJECT
public:
    explicit FileChangeWatch(const QStringList &paths, QObject *parent = nullptr);

signals:
    void changed(const QString &path);

private:
    struct State
    {
        bool exists = false;
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const State &) const = default;
    };
    static State stateOf(const QString &path);
    void check();
    void rewatch();

    QFileSystemWatcher m_watcher;
    QHash<QString, State> m_states;
};
