#pragma once

#include "engine/platform/file_stamp.h"

#include <QString>
#include <QtGlobal>

// How far a running converter has read its input file: the read position of the converter's
// descriptor for that file (from /proc/<pid>/fdinfo) against the file's size. This stands in for
// time-based progress where the input states no length.
//
// The descriptor is recognised by the file it refers to (device and inode, as stat on
// /proc/<pid>/fd/N sees them), not by its name, so a link or a second name of the input counts.
// Only Linux has these files; elsewhere, or without the right to read another process's
// descriptors, every sample is -1.
class ReadProgress
{
public:
    // A process started through a wrapper (`sh -c '...'`): the descriptor is looked for in `pid`
    // and then in its children and grandchildren.
    struct GroupLeader
    {
        qint64 pid = 0;
    };

    // The descriptor is looked for in process `pid` only.
    ReadProgress(qint64 pid, const QString &inputPath);
    ReadProgress(GroupLeader leader, const QString &inputPath);

    // The percentage read, 0 to 100 (rounded down; a position beyond the end counts as 100), never
    // less than the value this object returned last. -1 while no value can be read: the process
    // has no descriptor for the input (yet), the input is empty or gone, or /proc cannot be read.
    // Once a value has been returned, a sample that cannot be read (the converter closed its input
    // or ended) returns that value again. Costs a few system calls once the descriptor is known,
    // so it can be called several times a second.
    int Percent();

private:
    struct Position
    {
        qint64 offset = 0;
        qint64 size = 0;
    };

    int Sample();
    bool IdentifyInput();
    bool ReadPositionIn(qint64 pid, Position &position) const;
    bool FindHolder(qint64 pid, int levels, Position &position);

    qint64 m_pid = 0;
    int m_childLevels = 0;
    QString m_inputPath;
    FileStamp m_input; // empty until identified
    qint64 m_holder = 0; // the process found holding the input; 0 until one is
    int m_last = -1;
};
