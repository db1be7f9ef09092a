// Takes the files and folders dropped on the main window into the list.
#include "ui/app/drop_target.h"

#include "engine/media/folder_scan.h"
#include "res/strings.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/media/media_list.h"
#include "ui/platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <memory>

DropTarget::DropTarget(MediaList *media)
    : QObject(media->list()->viewport())
    , m_media(media)
{
    QWidget *viewport = media->list()->viewport();
    viewport->setAcceptDrops(true);
    viewport->installEventFilter(this);
}

void DropTarget::Watch(QWidget *widget)
{
    // A drag that a child ignores (an edit box ignores files) goes on to its parents.
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

QStringList DropTarget::LocalPaths(const QMimeData *mime, QStringList *notAdded)
{
    if (!mime || !mime->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl &url : mime->urls()) {
        const QString shown = url.toDisplayString(QUrl::PreferLocalFile);
        if (!url.isLocalFile()) {
            const bool web = url.scheme().startsWith(QLatin1String("http"));
            if (notAdded)
                *notAdded << (web ? QCoreApplication::translate("Adding", "a web address (%1)")
                                  : QCoreApplication::translate("Adding", "a remote file (%1)"))
                                 .arg(shown);
            continue;
        }
        const QFileInfo info(url.toLocalFile());
        if (!info.exists()) {
            if (notAdded)
                *notAdded << QCoreApplication::translate("Adding",
                                                         "a file that no longer exists (%1)")
                                 .arg(shown);
            continue;
        }
        // The form the file dialog gives, so that a duplicate is known as one.
        paths << QDir::cleanPath(info.absoluteFilePath());
    }
    return paths;
}

bool DropTarget::CanTake(const QMimeData *mime) const
{
    return m_media->list()->isEnabled() && !LocalPaths(mime).isEmpty();
}

void DropTarget::AddLocalPaths(MediaList &media, const QStringList &paths,
                               std::function<void(int)> done)
{
    // Runs of files, and each folder, in the order given: the list follows the drop.
    QList<QPair<bool, QStringList>> parts;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            parts.append({true, {info.absoluteFilePath()}});
        else if (!info.exists())
            continue;
        else if (!parts.isEmpty() && !parts.last().first)
            parts.last().second << info.absoluteFilePath();
        else
            parts.append({false, {info.absoluteFilePath()}});
    }
    if (parts.isEmpty()) {
        if (done)
            done(0);
        return;
    }
    auto total = std::make_shared<int>(0);
    for (int i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        MediaList::AddDone step = [total, last, done](int added) {
            *total += added;
            if (last && done)
                done(*total);
        };
        if (parts[i].first)
            media.AddFolderPath(parts[i].second.first(), step);
        else
            media.AddPaths(parts[i].second, step);
    }
}

bool DropTarget::eventFilter(QObject *watched, QEvent *event)
{
    // Rows dragged within the list are the list's own business: only files are taken here.
    const auto *drag = dynamic_cast<QDropEvent *>(event);
    if (drag && drag->mimeData() && !drag->mimeData()->hasUrls())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (CanTake(drag->mimeData())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        break;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!CanTake(drop->mimeData())) {
            drop->ignore();
            return true;
        }
        QStringList notAdded;
        const QStringList paths = LocalPaths(drop->mimeData(), &notAdded);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Added once the drop event has returned, so that the file manager is not kept waiting.
        QTimer::singleShot(0, this, [this, paths, notAdded] {
            AddLocalPaths(*m_media, paths, [this, notAdded](int added) {
                if (!notAdded.isEmpty())
                    CurrentDialogs().Message(m_media->list()->window(), NotAddedMessage(notAdded),
                                             ApplicationName(), MessageIcon::Warning);
                Q_EMIT Dropped(added);
            });
        });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
