#include "app/drop_target.h"

#include "controls/listview/drag_drop_list_ctrl.h"
#include "media/folder_scan.h"
#include "media/media_list.h"
#include "platform/dialogs.h"
#include "res/strings.h"

#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

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
                *notAdded << (web ? QStringLiteral("a web address (%1)")
                                  : QStringLiteral("a remote file (%1)"))
                                 .arg(shown);
            continue;
        }
        const QFileInfo info(url.toLocalFile());
        if (!info.exists()) {
            if (notAdded)
                *notAdded << QStringLiteral("a file that no longer exists (%1)").arg(shown);
            continue;
        }
        // The form the file dialog gives, so that a duplicate is known as one.
        paths << QDir::cleanPath(info.absoluteFilePath());
    }
    return paths;
}

bool DropTarget::CanTake(const QMimeData *mime) const
{
    return !m_pending && !m_media->adding() && m_media->list()->isEnabled()
        && !LocalPaths(mime).isEmpty();
}

int DropTarget::AddLocalPaths(MediaList &media, const QStringList &paths)
{
    int added = 0;
    QStringList files;
    auto addFiles = [&] {
        if (!files.isEmpty())
            added += media.AddPaths(files);
        files.clear();
    };
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            addFiles();
            added += media.AddFolderPath(info.absoluteFilePath());
        } else if (info.exists()) {
            files << info.absoluteFilePath();
        }
    }
    addFiles();
    return added;
}

bool DropTarget::eventFilter(QObject *watched, QEvent *event)
{
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
        return true;
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
        m_pending = true;
        QTimer::singleShot(0, this, [this, paths, notAdded] {
            const int added = AddLocalPaths(*m_media, paths);
            if (!notAdded.isEmpty())
                CurrentDialogs().Message(m_media->list()->window(), NotAddedMessage(notAdded),
                                         ApplicationName(), MessageIcon::Warning);
            m_pending = false;
            Q_EMIT Dropped(added);
        });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
