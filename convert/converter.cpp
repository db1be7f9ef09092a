#include "convert/converter.h"

#include "platform/child_process.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <mutex>

namespace {

std::mutex g_mutex;
bool g_known = false;
ConverterInfo g_info;

QString FindConverter()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg");
    if (!QCoreApplication::applicationDirPath().isEmpty() && QFileInfo(beside).isExecutable())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    return onPath.isEmpty() ? QStringLiteral("ffmpeg") : onPath;
}

} // namespace

bool ConverterHasEncoder(const QString &program, const QString &encoder)
{
    ChildProcess child;
    if (!child.Start(program, {QStringLiteral("-hide_banner"), QStringLiteral("-encoders")}))
        return false;
    QByteArray all;
    char buffer[4096];
    qint64 n;
    while ((n = child.Read(buffer, sizeof buffer)) > 0)
        all.append(buffer, static_cast<int>(n));
    child.Wait(-1);
    // Lines look like " A..... libopencore_amrnb  OpenCORE AMR-NB ...".
    const QRegularExpression line(
        QStringLiteral("^\\s*[A-Z.]{6}\\s+%1\\s").arg(QRegularExpression::escape(encoder)),
        QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(all)).hasMatch();
}

const ConverterInfo &Converter()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_known) {
        g_info.program = FindConverter();
        g_info.amrEncoderAvailable
            = ConverterHasEncoder(g_info.program, QStringLiteral("libopencore_amrnb"));
        g_known = true;
    }
    return g_info;
}

void SetConverterForTesting(const ConverterInfo &info)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_info = info;
    g_known = !info.program.isEmpty();
}
