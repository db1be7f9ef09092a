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

    // Presets without video, and files without one, leave the video stream out instead of
    // letting the converter pick a picture.
    const bool noVideo = job.videoCodec == VideoCodec::None || job.audioOnlyInput;
    const QString video = noVideo ? QStringLiteral("-vn ") : VideoCodecArgument(job.videoCodec);
    command.pieces = video + AudioCodecArgument(job.audioCodec, job.amrEncoderAvailable)
        + QualityArgument(job.quality) + QStringLiteral("-y ")
        + ContainerArgumentForId(job.presetId);
    command.outputPath = job.outputFolder + OutputBaseName(job.fileName) + job.extension;

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
