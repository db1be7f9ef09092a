#include "platform/dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
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

    bool OpenUrl(const QString &urlOrPath) override
    {
        const QUrl url = urlOrPath.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(urlOrPath)
                                                                : QUrl(urlOrPath, QUrl::StrictMode);
        return QDesktopServices::openUrl(url);
    }
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
