#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class MediaList;
class QMimeData;

// Files and folders dropped from a file manager onto the media list. Installed on the list's
// viewport; a drop of local files takes the road of Add Files, a dropped folder the road of Add
// Folder (its top-level media files and the count message). The cursor tells before the drop
// whether it is taken: only local files and folders, never a remote address, and never while the
// list is locked (a conversion runs). A drop during an add is added after it.
class DropTarget : public QObject
{
    Q_OBJECT

public:
    // Installs itself on `media`'s list viewport and makes it accept drops. `media` must outlive
    // this object; the object is a child of the viewport.
    explicit DropTarget(MediaList *media);

    // The local paths of `mime`'s URLs; empty unless every URL is a local file or folder that
    // exists.
    static QStringList LocalPaths(const QMimeData *mime);
    // True when a drop would be taken now.
    bool CanTake(const QMimeData *mime) const;

    // Adds `paths` as Add Files and Add Folder do, in order: files through MediaList::AddPaths,
    // each folder through MediaList::AddFolderPath. Paths that do not exist are left out. `done`
    // runs with how many rows were added once all of them are.
    static void AddLocalPaths(MediaList &media, const QStringList &paths,
                              std::function<void(int added)> done = {});

Q_SIGNALS:
    // A drop was taken and its files are added (emitted once they are).
    void Dropped(int added);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MediaList *m_media;
};
