#include "engine/platform/language.h"
#include "ui/app/kelvora_app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    InstallTranslations();
    CKelvoraApp app;
    // The files and folders to add: every argument but the program's name.
    return app.Run(QApplication::arguments().mid(1));
}
