#pragma once

// Processes as /proc shows them, for tests that watch the converters the program starts.

#include "support/files.h"

#include <QDir>
#include <QList>

namespace testprocesses {

// True while `pid` runs; a zombie no longer does.
inline bool Alive(qint64 pid)
{
    const QByteArray stat = testfiles::ReadBytes(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    return close > 0 && stat.size() > close + 2 && stat[close + 2] != 'Z';
}

// The processes `pid` started, from any of its threads.
inline QList<qint64> Children(qint64 pid)
{
    QList<qint64> children;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QByteArray text = testfiles::ReadBytes(tasks.filePath(task) + "/children");
        for (const QByteArray &word : text.simplified().split(' ')) {
            if (!word.isEmpty())
                children << word.toLongLong();
        }
    }
    return children;
}

// The first process `pid` started that is named `name` ("ffmpeg"), or 0.
inline qint64 ChildNamed(qint64 pid, const QByteArray &name)
{
    for (qint64 child : Children(pid)) {
        if (testfiles::ReadBytes(QStringLiteral("/proc/%1/comm").arg(child)).trimmed() == name)
            return child;
    }
    return 0;
}

} // namespace testprocesses
