#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class MediaList;
class QMimeData;
class QWidget;

// Files and folders dropped from a file manager onto the main window. Installed on the media
// list's viewport and on any other widget it is asked to watch; the local files of a drop take
// the road of Add Files, each dropped folder the road of Add Folder (its media files and the count
// message), in the order of the drop, after any add asked for before. Whatever else a drop holds
// (a web address, a file that no longer exists) is named in one message. The cursor tells before
// the drop whether it is taken: only when it holds a local file or folder.
class DropTarget final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DropTarget)

public:
    // Installs itself on `media`'s list viewport and makes it accept drops. `media` must outlive
    // this object; the object is a child of the viewport.
    explicit DropTarget(MediaList *media);

    // Takes drops on `widget` (the main window) and its children as on the list. `widget` must
    // outlive this object.
    void Watch(QWidget *widget);

    // The local files and folders of `mime`'s URLs that exist, in order; every other URL is
    // described in `notAdded` ("a web address (https://...)").
    static QStringList LocalPaths(const QMimeData *mime, QStringList *notAdded = nullptr);
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
