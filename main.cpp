// The entry point of the window program.
#include "engine/platform/language.h"
#include "engine/platform/standard_streams.h"
#include "ui/app/kelvora_app.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler g_qtHandler = nullptr;

// While the application starts, Qt ends the program with an abort, and a core dump, when no
// display can be opened (none running, or a display server that is just going away). That is
// no crash of Kelvora: it says so and ends with status 1.
void StartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        g_qtHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "kelvora: %s\n", qPrintable(message));
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    OpenClosedStandardStreams();
    g_qtHandler = qInstallMessageHandler(StartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_qtHandler);
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    InstallTranslations();
    CKelvoraApp app;
    // The files and folders to add: every argument but the program's name.
    return app.Run(QApplication::arguments().mid(1));
}
