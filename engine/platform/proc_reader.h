#pragma once

#include "engine/platform/file_stamp.h"

#include <QList>
#include <QtGlobal>

// What the kernel tells of running processes through /proc. Only Linux has these files;
// elsewhere, or without the right to look into another user's process, or once the process is
// gone, every answer is empty: -1, an empty list, an empty stamp.

// The ids of every running process.
QList<qint64> RunningProcesses();

// The parent of process `pid`.
qint64 ParentProcess(qint64 pid);

// When process `pid` started, in seconds since the epoch (to the clock tick; the boot time it
// counts from is known to the whole second only).
double ProcessStartTime(qint64 pid);

// The children of process `pid`: from the kernel's per-thread lists when it keeps them, else by
// looking for the processes whose parent `pid` is.
QList<qint64> ChildProcesses(qint64 pid);

// The descriptors process `pid` has open.
QList<int> OpenDescriptors(qint64 pid);

// The plain file that descriptor `fd` of process `pid` is open on.
FileStamp DescriptorFile(qint64 pid, int fd);

// The flags descriptor `fd` of process `pid` was opened with (O_WRONLY, O_RDWR, O_APPEND ...), or
// -1.
int DescriptorFlags(qint64 pid, int fd);

// The position of descriptor `fd` of process `pid` in its file, in bytes.
qint64 DescriptorPosition(qint64 pid, int fd);
