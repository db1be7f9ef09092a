#pragma once

#include <QString>
#include <QStringList>

// The hidden names under which conversions write their outputs until they are complete, and the
// clean-up of those that a program killed outright left behind.

// ".<base>.part-<owner>-<tag><extension>": the temporary name of an output of process `owner`.
// `base` is shortened, by whole characters, so that the name takes at most `maxBytes` bytes; empty
// when even a name without `base` would not fit.
QString TemporaryOutputName(const QString &base, const QString &extension, qint64 owner,
                            const QString &tag, int maxBytes);

// The process id that the temporary name `fileName` carries; 0 for any other name.
qint64 TemporaryOutputOwner(const QString &fileName);

// The longest file name, in bytes, that `folder` takes (255 when it cannot be told).
int MaxNameBytes(const QString &folder);

// Removes from `folder` (ending with "/") every temporary output whose owning process is no
// longer running and that no process has open. Returns the paths removed.
QStringList RemoveDeadLeftovers(const QString &folder);
