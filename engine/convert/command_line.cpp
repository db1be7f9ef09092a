// Turns a preset and one input file into the converter's arguments.
#include "engine/convert/command_line.h"

#include "engine/convert/converter.h"
#include "engine/convert/presets.h"
#include "engine/convert/stream_map.h"

namespace {

template<typename Id>
void AddCodec(QStringList &arguments, const char *option, const CodecRow<Id> &codec)
{
    if (codec.encoder)
        arguments << QLatin1String(option) << QLatin1String(codec.encoder);
    for (const char *argument : codec.arguments)
        arguments << QLatin1String(argument);
}

} // namespace

QString OutputBaseName(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QStringList BuildCommandLine(const Preset &preset, const ConverterInfo &converter,
                             const CommandInput &input, const QString &output, QStringList *leftOut)
{
    const VideoCodecRow &video = CodecOf(CodecFor(preset.videoCodec, converter));
    const AudioCodecRow &audio = CodecOf(CodecFor(preset.audioCodec, converter));
    QStringList arguments {QStringLiteral("-i"), input.path};

    // Presets without video, and files without one, leave the video stream out instead of
    // letting the converter pick a picture. Copied streams are taken as they are, all of them.
    const bool copy = video.id == VideoCodec::CopyStreams;
    if (!copy && (video.id == VideoCodec::None || input.audioOnly)) {
        arguments << QStringLiteral("-vn");
    } else {
        AddCodec(arguments, "-vcodec", video);
        if (preset.options & kFollowsSizeLimit)
            arguments << SizeLimitArguments(input.sizeLimit);
    }
    AddCodec(arguments, "-acodec", audio);

    // A preset without video takes its audio codec's quality.
    const bool byAudio = video.id == VideoCodec::None;
    const char *qualityOption = byAudio ? audio.qualityOption : video.qualityOption;
    const std::array<int, 3> &values = byAudio ? audio.quality : video.quality;
    if (qualityOption)
        arguments << QLatin1String(qualityOption)
                  << QString::number(values.at(static_cast<size_t>(preset.quality)));
    // Tags may sit on the file or, as in Ogg files, on the audio stream: both are merged into the
    // output's own tags, where every audio container writes them.
    if (preset.options & kKeepsTags)
        arguments << QStringLiteral("-map_metadata:g") << QStringLiteral("0:g")
                  << QStringLiteral("-map_metadata:g") << QStringLiteral("0:s:a:0");
    AddStreamArguments(arguments, preset, converter, input, leftOut);
    arguments << QStringLiteral("-y");
    if (preset.options & kFastStart)
        arguments << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    if (*preset.format)
        arguments << QStringLiteral("-f") << QLatin1String(preset.format);
    arguments << output;
    return arguments;
}
