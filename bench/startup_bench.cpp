// Time from the program's start to its main window on screen, in this process (the window's
// opening sequence: settings, toolbar, list, menus) and as a separate process on a virtual
// display when Xvfb and xdotool are there.
//   build/bench/startup_bench [rounds]
#include "ui/app/kelvora_dlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

QString RunQuiet(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// A separate kelvora process until its window is mapped, on a private X display.
std::vector<double> ProcessStarts(int rounds)
{
    std::vector<double> times;
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return times;
    QTemporaryDir home;
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"),
               {QStringLiteral(":171"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                QStringLiteral("-noreset")});
    if (!xvfb.waitForStarted())
        return times;
    QTest::qWait(500);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":171"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../kelvora");
    for (int i = 0; i < rounds; ++i) {
        QProcess kelvora;
        kelvora.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        kelvora.start(program, {});
        while (clock.elapsed() < 20000
               && RunQuiet(QStringLiteral("xdotool"),
                           {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                            QStringLiteral("--name"), QStringLiteral("^Kelvora 1.0$")},
                           env)
                      .isEmpty()) { }
        times.push_back(clock.nsecsElapsed() / 1e6);
        kelvora.kill();
        kelvora.waitForFinished();
    }
    xvfb.terminate();
    xvfb.waitForFinished();
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    std::vector<double> inProcess;
    for (int i = 0; i < rounds; ++i) {
        if (i > 0)
            clock.restart();
        CKelvoraDlg window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        inProcess.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("window shown, in process, first: %.1f ms\n", inProcess.front());
    std::printf("window shown, in process, median of %d: %.1f ms\n", rounds, Median(inProcess));
    const std::vector<double> process = ProcessStarts(rounds);
    if (!process.empty())
        std::printf("window mapped, separate process on Xvfb, median of %d: %.1f ms\n", rounds,
                    Median(process));
    return 0;
}
