#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// Starts an X server of the test's own in `server`, kept up between programs (a reset refuses
// connections), and returns its DISPLAY value (":N") once it takes connections, or an empty
// string. The server picks a free display itself: tests that looked for a free one raced with
// other suites starting theirs, and the loser talked to the winner's server.
inline QString StartVirtualDisplay(QProcess &server)
{
    server.start(QStringLiteral("Xvfb"),
                 QStringLiteral("-displayfd 1 -screen 0 1280x900x24 -nolisten tcp -noreset")
                     .split(QLatin1Char(' ')));
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(30000))
        number += server.readAllStandardOutput();
    return number.trimmed().isEmpty() ? QString() : ':' + QString::fromLatin1(number.trimmed());
}

// Runs `program` with `args` in `env`, waits (10 s at most) and gives its trimmed output.
inline QString RunTool(const QProcessEnvironment &env, const QString &program,
                       const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Ids of the windows on `env`'s display whose title is exactly `title` (a regular expression).
inline QStringList WindowsTitled(const QProcessEnvironment &env, const QString &title)
{
    return RunTool(env, QStringLiteral("xdotool"),
                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
