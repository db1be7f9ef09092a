#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What a scan for media files left out, by reason. Each list holds names relative to the scanned
// folder ("sub/notes.txt"), a folder's with a trailing "/", in the order they were met.
struct LeftOut
{
    QStringList otherExtensions; // files without a media extension
    QStringList listed; // media files the list holds already
    QStringList undecodable; // names that are not valid UTF-8, escaped (EscapedFileName)
    QStringList unreadable; // media files and folders that cannot be read, FIFOs and devices
    QStringList linkedFolders; // symbolic links to folders, which a scan of sub folders passes by
    // A scan without sub folders that found no media file: how many lie in the folders below.
    int inSubFolders = 0;

    bool isEmpty() const
    {
        return otherExtensions.isEmpty() && listed.isEmpty() && undecodable.isEmpty()
            && unreadable.isEmpty() && linkedFolders.isEmpty() && inSubFolders == 0;
    }
};

struct FolderScan
{
    // The full paths of the media files found: each folder's files in name order, then its sub
    // folders' in name order.
    QStringList paths;
    LeftOut leftOut;
};

// True when the list holds the file `folder` + `name` already.
using ListedCheck = std::function<bool(const QString &folder, const QString &name)>;

// The media files (HasMediaExtension) in `folder`, and with `subFolders` in every folder below
// it. Hidden files and folders (names that start with ".") are passed over and not reported.
// Nothing is opened but folders: a FIFO or a device with a media extension counts as unreadable.
// A symbolic link to a folder is never followed (a link to "/" would take in the whole machine):
// with `subFolders` it is reported in LeftOut::linkedFolders. `folder` itself may be a link. A
// link to a file is that file. Files that `listed` accepts are reported, not returned. Never
// waits on anything but the file system. Widget-free, safe on any thread.
FolderScan ScanFolder(const QString &folder, bool subFolders, const ListedCheck &listed = {});

// The lines that say what `leftOut` holds, one per reason with its count and the first names;
// none when it holds nothing.
QStringList LeftOutLines(const LeftOut &leftOut);

// The message after a folder was added: "%1 media files added!" with `added`, then, when
// something was left out, a blank line and LeftOutLines, and the media files in sub folders
// with the hint to tick "Include sub folders".
QString FolderAddedMessage(int added, const LeftOut &leftOut);

// The message that names the items of a drop that were not added, each described as the caller
// gives it ("a web address (https://...)"): "2 items were not added: ..., ...".
QString NotAddedMessage(const QStringList &items);
