#include "app/kelvora_app.h"

#include "app/kelvora_dlg.h"
#include "platform/dialogs.h"
#include "res/strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString CKelvoraApp::LockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("kelvora");
    return folder + QLatin1Char('/') + name + QStringLiteral(".lock");
}

bool CKelvoraApp::TakeInstanceLock()
{
    m_lock = std::make_unique<QLockFile>(LockPath());
    // Only a running copy holds the lock: one whose process is gone is stale at once, whatever
    // its age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError && m_lock->removeStaleLockFile())
        return m_lock->tryLock(0);
    return false;
}

int CKelvoraApp::Run()
{
    if (!TakeInstanceLock()) {
        CurrentDialogs().Message(nullptr, QStringLiteral("Kelvora Already Running!"),
                                 ApplicationName(), MessageIcon::None);
        return 0;
    }
    CKelvoraDlg window;
    window.exec();
    return 0;
}
