#include "support/media_factory.h"

#include "support/files.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

namespace testmedia {

QString Ffmpeg()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

QString Ffprobe()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
}

bool RunFfmpeg(const QStringList &arguments, QString *log)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(Ffmpeg(),
            QStringList {QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"),
                         QStringLiteral("-loglevel"), QStringLiteral("error")}
                + arguments);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    if (log)
        *log = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool Make(const QString &path, const Clip &clip, QString *log)
{
    const QString seconds = QString::number(clip.seconds);
    QStringList args;
    if (clip.video) {
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("testsrc=size=%1:rate=%2:duration=%3")
                    .arg(clip.size, clip.frameRate, seconds);
    }
    if (clip.audio) {
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2")
                    .arg(clip.sampleRate)
                    .arg(seconds);
        if (clip.channels != 1)
            args << QStringLiteral("-ac") << QString::number(clip.channels);
    }
    args << clip.codecArguments << QStringLiteral("-y") << path;
    return RunFfmpeg(args, log);
}

bool MakeSmallClip(const QString &path, QString *log)
{
    Clip clip;
    clip.seconds = 1;
    clip.size = QStringLiteral("160x120");
    clip.codecArguments = {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                           QStringLiteral("-c:a"), QStringLiteral("aac")};
    return Make(path, clip, log);
}

bool MakeCutClip(const QString &path)
{
    Clip clip;
    clip.seconds = 10;
    clip.codecArguments = QStringList {"-c:v", "libx264", "-c:a", "aac", "-movflags", "+faststart"};
    QFile file(path);
    return Make(path, clip) && file.resize(file.size() * 3 / 10);
}

namespace {

const QString kSmallPicture = QStringLiteral("testsrc=size=160x120:rate=25:duration=%1");
const QString kTone = QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1");

// Runs the converter with its output going to `path` through its standard output: a pipe to the
// converter, which therefore leaves out anything it would have to seek back for.
bool RunFfmpegToPipe(const QStringList &arguments, const QString &path, QString *log)
{
    QProcess p;
    p.setStandardOutputFile(path, QIODevice::Truncate);
    p.start(Ffmpeg(),
            QStringList {QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"),
                         QStringLiteral("-loglevel"), QStringLiteral("error")}
                + arguments + QStringList {QStringLiteral("pipe:1")});
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    if (log)
        *log = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QStringList Lavfi(const QString &source, double seconds)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            source.arg(seconds)};
}

} // namespace

bool MakeUnknownLength(const QString &path, QString *log, double seconds)
{
    const QString suffix = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    const QStringList picture = Lavfi(kSmallPicture, seconds);
    const QStringList tone = Lavfi(kTone, seconds);
    QStringList args;
    if (suffix == QLatin1String("flac")) {
        args = tone + QStringList {"-c:a", "flac", "-f", "flac"};
    } else if (suffix == QLatin1String("wmv") || suffix == QLatin1String("asf")) {
        args = picture + tone + QStringList {"-c:v", "wmv2", "-c:a", "wmav2", "-f", "asf"};
    } else if (suffix == QLatin1String("mkv")) {
        args = picture + tone + QStringList {"-c:v", "mpeg4", "-c:a", "aac", "-f", "matroska"};
    } else if (suffix == QLatin1String("webm")) {
        args = picture + tone + QStringList {"-c:v", "libvpx", "-c:a", "libvorbis", "-f", "webm"};
    } else if (suffix == QLatin1String("h264")) {
        args = picture + QStringList {"-c:v", "libx264", "-f", "h264"};
    } else {
        if (log)
            *log = QStringLiteral("no unknown-length shape for \"%1\"").arg(path);
        return false;
    }
    return RunFfmpegToPipe(args, path, log);
}

bool MakeHeaderOnly(const QString &path, QString *log)
{
    // With no frame to encode the converter still writes the stream header, and an ASF header
    // written to a pipe has no length in it.
    const QStringList args
        = Lavfi(kSmallPicture, 1) + QStringList {"-t", "0", "-c:v", "libx264", "-f", "asf"};
    return RunFfmpegToPipe(args, path, log);
}

namespace {

// One PGS display set at `pts` (90 kHz): a 4x2 white block at (10,10) of a 160x120 picture, or,
// with `show` false, nothing.
QByteArray PgsDisplaySet(quint32 pts, bool show)
{
    QByteArray set;
    const auto segment = [&](char type, const char *hex) {
        const QByteArray data = QByteArray::fromHex(hex);
        char header[13] = {'P', 'G'};
        qToBigEndian(pts, header + 2);
        header[10] = type;
        qToBigEndian(quint16(data.size()), header + 11);
        set += QByteArray(header, 13) + data;
    };
    segment(0x16,
            show ? "00a0 0078 10 0000 80 00 00 01 0000 00 00 000a 000a"
                 : "00a0 0078 10 0001 00 00 00 00");
    segment(0x17, "01 00 000a 000a 0004 0002");
    if (show) {
        segment(0x14, "00 00 01 eb 80 80 ff");
        segment(0x15, "0000 00 c0 000010 0004 0002 010101010000 010101010000");
    }
    segment(char(0x80), "");
    return set;
}

QStringList Words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

} // namespace

bool MakeRichMedia(const QString &folder, QString *log)
{
    const QString date = QStringLiteral("creation_time=2016-07-04T10:00:00.000000Z");
    const QStringList picture = Lavfi(kSmallPicture, 1);
    const QStringList tone = Lavfi(kTone, 1);
    const QStringList x264 = Words("-c:v libx264 -preset ultrafast");
    if (!testfiles::WriteBytes(folder + "en.srt", "1\n00:00:00,000 --> 00:00:00,800\nHello\n\n")
        || !testfiles::WriteBytes(folder + "pictures.sup",
                                  PgsDisplaySet(9000, true) + PgsDisplaySet(45000, false))
        || !testfiles::WriteBytes(folder + "chapters.txt",
                                  ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=500\n"
                                  "title=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=500\nEND=1000\n"
                                  "title=Two\n"))
        return false;
    const QStringList film = picture + tone + tone
        + QStringList {"-i", folder + "en.srt",       "-i", folder + "pictures.sup",
                       "-i", folder + "pictures.sup", "-i", folder + "chapters.txt"}
        + x264
        + Words("-map 0 -map 1 -map 2 -map 3 -map 4 -map 5 -map_chapters 6 -c:a aac -c:s copy "
                "-metadata:s:a:0 language=eng -metadata:s:a:1 language=ger -metadata:s:a:1 "
                "title=Deutsch -disposition:a:0 0 -disposition:a:1 default -disposition:s:0 0 "
                "-metadata:s:s:0 language=eng");
    const QStringList phone
        = picture + tone + x264 + QStringList {"-metadata", "location=+48.8577+002.2950/"};
    const QStringList song = tone
        + Words("-f lavfi -i testsrc=size=64x64:duration=1 -map 0 -map 1 -frames:v 1 -c:v mjpeg "
                "-disposition:v attached_pic -metadata")
        + QStringList {"title=Kelvora Song"};
    const QStringList hdr = picture + tone
        + Words("-pix_fmt yuv420p10le -c:v libx265 -preset ultrafast -x265-params log-level=error "
                "-color_primaries bt2020 -color_trc smpte2084 -colorspace bt2020nc");
    const bool made
        = RunFfmpeg(film + QStringList {"-metadata", date, "-y", folder + "film.mkv"}, log)
        && RunFfmpeg(phone + QStringList {"-metadata", date, "-y", folder + "upright.mp4"}, log)
        // The converter turns only a copied picture.
        && RunFfmpeg({"-i", folder + "upright.mp4", "-c", "copy", "-map_metadata", "0",
                      "-metadata:s:v", "rotate=90", "-y", folder + "phone.mp4"},
                     log)
        && RunFfmpeg(song + QStringList {"-y", folder + "song.mp3"}, log)
        && RunFfmpeg(hdr + QStringList {"-y", folder + "hdr.mp4"}, log);
    QFile phoneFile(folder + "phone.mp4");
    return made && phoneFile.open(QIODevice::ReadWrite)
        && phoneFile.setFileTime(QDateTime(QDate(2016, 7, 4), QTime(12, 0)),
                                 QFileDevice::FileModificationTime);
}

namespace {

QString RunProbe(const QStringList &arguments)
{
    QProcess p;
    p.start(Ffprobe(), QStringList {QStringLiteral("-v"), QStringLiteral("error")} + arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace

QStringList Streams(const QString &path)
{
    const QString out
        = RunProbe({QStringLiteral("-show_entries"), QStringLiteral("stream=codec_type,codec_name"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    QStringList streams;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.trimmed().split(QLatin1Char(','));
        if (parts.size() >= 2)
            streams << parts[0] + QLatin1Char(':') + parts[1];
    }
    return streams;
}

QString FormatName(const QString &path)
{
    return RunProbe({QStringLiteral("-show_entries"), QStringLiteral("format=format_name"),
                     QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
}

double Duration(const QString &path)
{
    bool ok = false;
    const double d = RunProbe({QStringLiteral("-show_entries"), QStringLiteral("format=duration"),
                               QStringLiteral("-of"), QStringLiteral("csv=p=0"), path})
                         .toDouble(&ok);
    return ok ? d : -1;
}

} // namespace testmedia
