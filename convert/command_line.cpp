#include "convert/command_line.h"

#include "convert/converter.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

void ApplyPreset(ConversionJob &job, const Preset &preset, const ConverterInfo &converter)
{
    job.presetId = preset.id;
    job.videoCodec = preset.videoCodec;
    job.audioCodec = preset.audioCodec;
    job.quality = preset.quality;
    job.extension = QString::fromLatin1(preset.extension);
    job.converterProgram = converter.program;
    job.amrEncoderAvailable = converter.amrEncoderAvailable;
    // AV1 is made by SVT-AV1, the faster encoder, or by libaom-av1 where the converter lacks it.
    if (job.videoCodec == VideoCodec::Av1 && converter.listed
        && !converter.encoders.contains(QStringLiteral("libsvtav1"))
        && converter.encoders.contains(QStringLiteral("libaom-av1")))
        job.videoCodec = VideoCodec::Av1Aom;
}

QString OutputBaseName(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

CommandLine BuildCommandLine(const ConversionJob &job)
{
    CommandLine command;
    command.program = job.converterProgram;
    command.inputPath = job.inputPath;
    const Preset *preset = PresetById(job.presetId);
    const int options = preset ? preset->options : kNoOptions;

    // Presets without video, and files without one, leave the video stream out instead of
    // letting the converter pick a picture. Copied streams are taken as they are, all of them.
    const bool copy = job.videoCodec == VideoCodec::CopyStreams;
    const bool noVideo = !copy && (job.videoCodec == VideoCodec::None || job.audioOnlyInput);
    QString video = noVideo ? QStringLiteral("-vn ") : VideoCodecArgument(job.videoCodec);
    if (!noVideo && (options & kFollowsSizeLimit))
        video += SizeLimitArgument(job.sizeLimit);
    // Tags may sit on the file or, as in Ogg files, on the audio stream: both are merged into the
    // output's own tags, where every audio container writes them.
    const QString tags = (options & kKeepsTags)
        ? QStringLiteral("-map_metadata:g 0:g -map_metadata:g 0:s:a:0 ")
        : QString();
    command.pieces = video + AudioCodecArgument(job.audioCodec, job.amrEncoderAvailable)
        + QualityArgument(job.videoCodec, job.audioCodec, job.quality) + tags
        + QStringLiteral("-y ") + QString::fromLatin1(preset ? preset->container : "");
    command.outputPath = job.outputFolder + OutputBaseName(job.fileName) + job.extension;

    // The output path stays the last argument.
    command.arguments << QStringLiteral("-i") << command.inputPath;
    command.arguments << command.pieces.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    command.arguments << command.outputPath;
    return command;
}

QString RenderCommandLine(const CommandLine &command)
{
    const QChar quote(QLatin1Char('"'));
    return quote + command.program + quote + QStringLiteral(" -i ") + quote + command.inputPath
        + quote + QLatin1Char(' ') + command.pieces + quote + command.outputPath + quote;
}

bool SameFile(const QString &inputPath, const QString &outputPath)
{
    if (QDir::cleanPath(QDir(inputPath).absolutePath())
        == QDir::cleanPath(QDir(outputPath).absolutePath()))
        return true;
    struct stat in = {};
    struct stat out = {};
    if (::stat(QFile::encodeName(inputPath).constData(), &in) != 0
        || ::stat(QFile::encodeName(outputPath).constData(), &out) != 0)
        return false;
    return in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}
