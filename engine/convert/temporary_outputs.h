#pragma once

#include <QString>
#include <QStringList>

// The hidden files under which conversions write their outputs until they are complete: their
// names, their creation, their placing under the final name without replacing anybody's file,
// and the clean-up of those that a program killed outright left behind.

// Eight hex digits that name this running system in temporary names: from the kernel's boot id
// (the machine id where there is none), so that two machines writing into one shared folder,
// and one machine before and after a restart, never take each other's files for their own.
QString MachineTag();

// ".<base>.part-<owner>-<machine>-<tag><extension>": the temporary name of an output of process
// `owner` on this machine (MachineTag). `base` is shortened, by whole characters, so that the
// name takes at most `maxBytes` bytes; empty when even a name without `base` would not fit.
QString TemporaryOutputName(const QString &base, const QString &extension, qint64 owner,
                            const QString &tag, int maxBytes);

// The process id that `fileName` carries when it is a temporary name this machine's copies of
// the program make (TemporaryOutputName, with an extension a preset writes); 0 for any other
// name, also for the temporary names of other machines.
qint64 TemporaryOutputOwner(const QString &fileName);

// The longest file name, in bytes, that `folder` takes (255 when it cannot be told).
int MaxNameBytes(const QString &folder);

// Removes from `folder` (ending with "/") every temporary output of this machine
// (TemporaryOutputOwner) whose owning process is no longer running, that no process has open and
// that nothing has written for kLeftoverQuietSeconds. Everything else stays: a user's file of a
// like name, another machine's output. Returns the paths removed.
QStringList RemoveDeadLeftovers(const QString &folder);
constexpr int kLeftoverQuietSeconds = 60;

// Creates an empty file with a new hidden name in `folder` that ends with `extension` and carries
// the program's process id (TemporaryOutputName), readable as the user's umask allows. Returns
// its path, or an empty string with the reason in `error` (naming the output's name when that is
// too long for the folder).
QString CreateTemporaryOutput(const QString &folder, const QString &baseName,
                              const QString &extension, QString *error);

// Makes the folder `folder` (an absolute path) and every missing folder above it, as the user's
// umask allows. False, with the reason in `reason` naming the folder that could not be made,
// when one cannot be made or a file stands in its place.
bool MakeFolders(const QString &folder, QString *reason);

// Renames `from` to `to` only when nothing exists under `to` (never replacing a file that
// appeared meanwhile). False with errno set otherwise (EEXIST when `to` exists). Works also
// where the file system offers neither an exclusive rename nor hard links.
bool RenameNoReplace(const QString &from, const QString &to);

// The way of RenameNoReplace for file systems without an exclusive rename and links: `to` is
// taken by creating it exclusively, then `from` is renamed over that placeholder. False with
// errno set (EEXIST when `to` exists), and then `from` is left as it was.
bool RenameOverPlaceholder(const QString &from, const QString &to);
