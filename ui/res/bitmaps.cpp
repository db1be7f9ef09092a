// The program's pictures, by their resource ids.
#include "ui/res/bitmaps.h"

#include "res/resource.h"

#include <QFile>
#include <QPixmap>

// The resources live in a static library: nothing else references the compiled resource file,
// so it has to be registered by hand before its first use (from the global namespace, which
// Q_INIT_RESOURCE needs).
static void EnsureResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kelvora);
        return true;
    }();
    Q_UNUSED(registered);
}

QString BitmapResourcePath(int id)
{
    switch (id) {
    case IDR_MAINFRAME:
        return QStringLiteral(":/res/kelvora.png");
    case IDC_KELVORA_CURSOR:
        return QStringLiteral(":/res/cursor.png");
    case IDR_TOOLBAR:
        return QStringLiteral(":/res/toolbar_132.bmp");
    case IDB_TOOLBAR_DISABLED:
        return QStringLiteral(":/res/toolbar_182.bmp");
    case IDB_TOOLBAR_NORMAL:
        return QStringLiteral(":/res/toolbar_184.bmp");
    case IDB_ABOUT_PICTURE:
        return QStringLiteral(":/res/about_205.bmp");
    case IDB_SOLUTION_PRESSED:
        return QStringLiteral(":/res/solution_209.bmp");
    case IDB_SOLUTION_NORMAL:
        return QStringLiteral(":/res/solution_210.bmp");
    default:
        return QString();
    }
}

QByteArray LoadBitmapResourceData(int id)
{
    EnsureResources();
    const QString path = BitmapResourcePath(id);
    if (path.isEmpty() || !path.endsWith(QLatin1String(".bmp")))
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QImage LoadBitmapResource(int id)
{
    const QByteArray bytes = LoadBitmapResourceData(id);
    if (bytes.isEmpty())
        return QImage();
    return QImage::fromData(bytes, "BMP");
}

QIcon LoadAppIcon()
{
    EnsureResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/res/kelvora.png"));
    icon.addFile(QStringLiteral(":/res/kelvora_32.png"));
    return icon;
}

QCursor LoadProgramCursor()
{
    EnsureResources();
    const QPixmap picture(BitmapResourcePath(IDC_KELVORA_CURSOR));
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(picture, kCursorHotSpot.x(), kCursorHotSpot.y());
}
