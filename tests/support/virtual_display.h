#pragma once

#include <QProcess>
#include <QString>

// A virtual X display of the test's own. The server picks a free display number itself and
// says which: choosing one by looking for free ones raced with other suites starting theirs at
// the same moment, and the loser then talked to the winner's display.
class VirtualDisplay
{
public:
    ~VirtualDisplay()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }

    // Starts the server; returns its DISPLAY value (":N"), or an empty string when it failed.
    QString Start()
    {
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x900x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"),
                        // Kept up between programs: a reset refuses connections.
                        QStringLiteral("-noreset")});
        QByteArray number;
        // Written once the server accepts connections.
        while (!number.contains('\n') && m_server.waitForReadyRead(30000))
            number += m_server.readAllStandardOutput();
        return number.trimmed().isEmpty()
            ? QString()
            : QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    }

private:
    QProcess m_server;
};
