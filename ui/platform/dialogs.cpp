// The program's modal dialogs through one object, which a test can replace.
#include "ui/platform/dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

Dialogs::~Dialogs() = default;

namespace {

class QtDialogs : public Dialogs
{
public:
    QStringList PickFiles(QWidget *parent, const QString &title,
                          const QStringList &filters) override
    {
        QFileDialog dialog(parent, title);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilters(filters);
        // The descriptions carry their patterns already.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    }

    QString PickFolder(QWidget *parent, const QString &title) override
    {
        return QFileDialog::getExistingDirectory(parent, title);
    }

    QString PickMediaFolder(QWidget *parent, const QString &title, bool *subFolders) override
    {
        // The desktop's own folder pickers take no widgets of ours: Qt's own carries the box.
        QFileDialog dialog(parent, title);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        auto *box
            = new QCheckBox(QCoreApplication::translate("Adding", "Include sub folders"), &dialog);
        box->setObjectName(QStringLiteral("includeSubFolders"));
        box->setChecked(*subFolders);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
            grid->addWidget(box, grid->rowCount(), 0, 1, grid->columnCount());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        *subFolders = box->isChecked();
        return dialog.selectedFiles().first();
    }

    void Message(QWidget *parent, const QString &text, const QString &caption,
                 MessageIcon icon) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(caption);
        box.setText(text);
        box.setStandardButtons(QMessageBox::Ok);
        switch (icon) {
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        }
        box.exec();
    }

    bool Ask(QWidget *parent, const QString &text, const QString &caption) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    int Choose(QWidget *parent, const QString &text, const QString &caption,
               const QStringList &answers) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
        QList<QAbstractButton *> buttons;
        for (const QString &answer : answers)
            buttons << box.addButton(
                answer, buttons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        box.setEscapeButton(buttons.last());
        box.exec();
        const int chosen = static_cast<int>(buttons.indexOf(box.clickedButton()));
        return chosen < 0 ? static_cast<int>(buttons.size()) - 1 : chosen;
    }

    bool OpenUrl(const QString &urlOrPath) override
    {
        const QUrl url = urlOrPath.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(urlOrPath)
                                                                : QUrl(urlOrPath, QUrl::StrictMode);
        if (!url.isValid())
            return false;
        if (QDesktopServices::openUrl(url))
            return true;
        // Outside a sandbox QDesktopServices hands everything to xdg-open, which a desktop
        // without xdg-utils lacks: GLib's opener, there on GNOME and most other desktops, opens
        // with the same associations. The target is one argument of its own: no shell sees it.
        const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
        const QString target = url.isLocalFile() ? url.toLocalFile() : url.toString();
        return !gio.isEmpty() && QProcess::startDetached(gio, {QStringLiteral("open"), target});
    }

    bool HasOpener(const QString &path) override
    {
        // The desktop's own answer, as xdg-open would find the application; a viewer program
        // known to read the type stands in where xdg-utils is missing.
        const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
        const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (!query.isEmpty()) {
            QProcess process;
            process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mime});
            if (process.waitForFinished(kQueryMs) && process.exitStatus() == QProcess::NormalExit)
                return !process.readAllStandardOutput().trimmed().isEmpty();
            process.kill();
            process.waitForFinished(kQueryMs);
        }
        if (mime != QLatin1String("application/vnd.ms-htmlhelp"))
            return false;
        for (const char *viewer : {"xchm", "kchmviewer", "chmsee"}) {
            if (!QStandardPaths::findExecutable(QString::fromLatin1(viewer)).isEmpty())
                return true;
        }
        return false;
    }

private:
    // xdg-mime reads a few small files: a query that takes longer than this has hung.
    static constexpr int kQueryMs = 3000;
};

Dialogs *g_installed = nullptr;

} // namespace

Dialogs &CurrentDialogs()
{
    static QtDialogs qtDialogs;
    return g_installed ? *g_installed : qtDialogs;
}

void SetDialogs(Dialogs *dialogs)
{
    g_installed = dialogs;
}
