// Chooses which of the input's streams a conversion carries, and how.
#include "engine/convert/stream_map.h"

#include "engine/convert/command_line.h"
#include "engine/convert/converter.h"
#include "engine/convert/presets.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace {

using Kind = StreamFacts::Kind;

// The containers that differ in what they take beside one picture and one sound.
enum class Container { Mp4, WebM, Matroska, Ogg, Flac, Mp3, Other };

Container ContainerOf(const Preset &preset)
{
    const QByteArray format(preset.format);
    const QByteArray extension(preset.extension);
    if (format == "matroska" || extension == ".mkv")
        return Container::Matroska;
    if (format == "webm" || extension == ".webm")
        return Container::WebM;
    // The PSP's MP4 holds exactly one picture and one sound.
    if (format == "psp")
        return Container::Other;
    for (const char *mp4 : {".mp4", ".m4a", ".3gp", ".3g2", ".mov"}) {
        if (extension == mp4)
            return Container::Mp4;
    }
    if (extension == ".opus" || extension == ".ogg")
        return Container::Ogg;
    if (extension == ".flac")
        return Container::Flac;
    return extension == ".mp3" ? Container::Mp3 : Container::Other;
}

QString ContainerName(const Preset &preset)
{
    if (QByteArray(preset.format) == "psp")
        return QStringLiteral("PSP");
    const QString extension = QString::fromLatin1(preset.extension).mid(1);
    return extension == QLatin1String("webm") ? QStringLiteral("WebM") : extension.toUpper();
}

// The device presets play one sound track, as the devices do; so does every audio format.
bool KeepsOneAudioTrack(const Preset &preset)
{
    static constexpr int kDevicePresets[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 25, 26, 27};
    return preset.videoCodec == VideoCodec::None
        || std::find(std::begin(kDevicePresets), std::end(kDevicePresets), preset.id)
        != std::end(kDevicePresets);
}

// The codec a subtitle stream is written with in `container` ("copy" keeps it as it is), or
// empty when the container cannot take it.
QString SubtitleCodec(const StreamFacts &stream, Container container)
{
    static const QStringList kMatroskaText {"subrip", "ass", "ssa", "webvtt", "text"};
    static const QStringList kMatroskaPictures {"hdmv_pgs_subtitle", "dvd_subtitle",
                                                "dvb_subtitle"};
    switch (container) {
    case Container::Mp4:
        return stream.pictureSubtitle ? QString() : QStringLiteral("mov_text");
    case Container::WebM:
        return stream.pictureSubtitle ? QString() : QStringLiteral("webvtt");
    case Container::Matroska:
        if (stream.pictureSubtitle)
            return kMatroskaPictures.contains(stream.codec) ? QStringLiteral("copy") : QString();
        return kMatroskaText.contains(stream.codec) ? QStringLiteral("copy")
                                                    : QStringLiteral("srt");
    default:
        return QString();
    }
}

// Counts of the streams left out, by kind, for the sentences that name them.
struct LeftOut
{
    int pictureSubtitles = 0;
    int subtitles = 0;
    int attachments = 0;

    void Tell(const QString &container, QStringList *sentences) const
    {
        if (!sentences)
            return;
        const auto tell = [&](int count, const char *one, const char *many) {
            if (count == 1)
                *sentences << QCoreApplication::translate("Reasons", one).arg(container);
            else if (count > 1)
                *sentences
                    << QCoreApplication::translate("Reasons", many, nullptr, count).arg(container);
        };
        tell(pictureSubtitles,
             QT_TRANSLATE_NOOP("Reasons", "A picture subtitle track cannot go into %1"),
             QT_TRANSLATE_N_NOOP("Reasons", "%n picture subtitle tracks cannot go into %1"));
        tell(subtitles, QT_TRANSLATE_NOOP("Reasons", "A subtitle track cannot go into %1"),
             QT_TRANSLATE_N_NOOP("Reasons", "%n subtitle tracks cannot go into %1"));
        tell(attachments, QT_TRANSLATE_NOOP("Reasons", "An attached file cannot go into %1"),
             QT_TRANSLATE_N_NOOP("Reasons", "%n attached files cannot go into %1"));
    }
};

QString Map(const StreamFacts &stream)
{
    return QStringLiteral("0:%1").arg(stream.index);
}

// A kept track's flags exactly as the input has them: the converter would otherwise make the
// first of several subtitle tracks the default one, and players would show it unasked. MP4 has
// no track title; players show the handler's name in its place. `type` is "a" or "s", `number`
// the output's count of that type before the stream.
void AddTrackTags(QStringList &arguments, Container container, const char *type, int number,
                  const StreamFacts &stream)
{
    const QString which = QStringLiteral("%1:%2").arg(QLatin1String(type)).arg(number);
    QStringList flags;
    if (stream.isDefault)
        flags << QStringLiteral("default");
    if (stream.forced)
        flags << QStringLiteral("forced");
    arguments << QStringLiteral("-disposition:") + which
              << (flags.isEmpty() ? QStringLiteral("0") : flags.join(QLatin1Char('+')));
    if (container == Container::Mp4 && !stream.title.isEmpty())
        arguments << QStringLiteral("-metadata:s:") + which
                  << QStringLiteral("handler_name=%1").arg(stream.title);
}

// Appends `extra` to the value of `option` where the arguments hold it already, joined by
// `separator`, else adds the option: the converter takes only the last value of an option.
void MergeOption(QStringList &arguments, const QString &option, const QString &extra,
                 const QString &separator, bool first)
{
    const qsizetype at = arguments.indexOf(option);
    if (at < 0 || at + 1 >= arguments.size())
        arguments << option << extra;
    else
        arguments[at + 1]
            = first ? extra + separator + arguments[at + 1] : arguments[at + 1] + separator + extra;
}

bool KeepsTenBits(VideoCodec codec)
{
    return codec == VideoCodec::X265 || codec == VideoCodec::Vp9 || codec == VideoCodec::Av1
        || codec == VideoCodec::Av1Aom;
}

// x265's form of the mastering display: chromaticities in 1/50000, luminance in 1/10000 cd/m2.
QString X265Light(const InputStreams &in)
{
    QStringList parts {QStringLiteral("hdr10=1"), QStringLiteral("repeat-headers=1")};
    if (in.mastered) {
        const auto xy = [&](int i) {
            return QStringLiteral("(%1,%2)")
                .arg(qRound(in.primaries[i][0] * 50000))
                .arg(qRound(in.primaries[i][1] * 50000));
        };
        parts << QStringLiteral("master-display=G%1B%2R%3WP%4L(%5,%6)")
                     .arg(xy(1), xy(2), xy(0), xy(3))
                     .arg(qRound64(in.luminance[0] * 10000))
                     .arg(qRound64(in.luminance[1] * 10000));
    }
    if (in.maxContentLight > 0)
        parts
            << QStringLiteral("max-cll=%1,%2").arg(in.maxContentLight).arg(in.maxFrameAverageLight);
    return parts.join(QLatin1Char(':'));
}

// HDR stays HDR in 10 bits where the encoder takes them; an 8-bit encoder gets a picture
// tone-mapped to BT.709, since PQ or HLG in 8 bits shows washed out and banded.
void AddLight(QStringList &arguments, VideoCodec codec, const ConverterInfo &converter,
              const InputStreams &in, QStringList *leftOut)
{
    if (in.range == DynamicRange::Standard)
        return;
    if (KeepsTenBits(codec)) {
        const bool pq = in.range == DynamicRange::Pq;
        arguments += QStringList {
            "-pix_fmt",    "yuv420p10le", "-color_primaries", "bt2020",
            "-colorspace", "bt2020nc",    "-color_trc",       pq ? "smpte2084" : "arib-std-b67"};
        if (codec == VideoCodec::X265 && pq)
            MergeOption(arguments, QStringLiteral("-x265-params"), X265Light(in),
                        QStringLiteral(":"), false);
        return;
    }
    const QSet<QString> filters = ConverterFilters(converter.program);
    if (!filters.contains(QStringLiteral("zscale"))
        || !filters.contains(QStringLiteral("tonemap"))) {
        if (leftOut)
            *leftOut << QCoreApplication::translate(
                "Reasons",
                "HDR is written without tone mapping: the converter has no zscale filter");
        return;
    }
    // Linear light in floating point, BT.709 primaries, the highlights rolled off, then BT.709's
    // transfer in limited range; the frames carry BT.709's tags from then on, and so does the
    // output.
    MergeOption(arguments, QStringLiteral("-vf"),
                QStringLiteral("zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,"
                               "tonemap=tonemap=hable:desat=0,zscale=t=bt709:m=bt709:r=tv,"
                               "format=yuv420p"),
                QStringLiteral(","), true);
}

// The streams of an encoding preset, each chosen by its number.
void AddChosenStreams(QStringList &arguments, const Preset &preset, const ConverterInfo &converter,
                      const CommandInput &input, Container container, QStringList *leftOut)
{
    const InputStreams &in = input.streams;
    const VideoCodec video = CodecFor(preset.videoCodec, converter);
    const bool audioPreset = video == VideoCodec::None;
    const std::vector<StreamFacts> videos = in.Of(Kind::Video);
    if (!audioPreset && !input.audioOnly && !videos.empty()) {
        arguments << "-map" << Map(videos.front());
        AddLight(arguments, video, converter, in, leftOut);
    }
    std::vector<StreamFacts> audio = in.Of(Kind::Audio);
    if (KeepsOneAudioTrack(preset) && audio.size() > 1) {
        const auto chosen = std::find_if(audio.begin(), audio.end(),
                                         [](const StreamFacts &s) { return s.isDefault; });
        audio = {chosen == audio.end() ? audio.front() : *chosen};
    }
    int number = 0;
    for (const StreamFacts &stream : audio) {
        arguments << "-map" << Map(stream);
        AddTrackTags(arguments, container, "a", number++, stream);
    }
    if (audioPreset) {
        // A song's cover goes in as its picture, where the container has one.
        const std::vector<StreamFacts> covers = in.Of(Kind::Cover);
        if (!covers.empty() && !in.cover.isEmpty()
            && (container == Container::Mp4 || container == Container::Mp3
                || container == Container::Flac)) {
            arguments.removeAll(QStringLiteral("-vn"));
            arguments += QStringList {"-map", Map(covers.front()), "-c:v",
                                      "copy", "-disposition:v:0",  "attached_pic"};
        }
        return;
    }
    LeftOut out;
    number = 0;
    for (const StreamFacts &stream : in.Of(Kind::Subtitle)) {
        const QString codec = SubtitleCodec(stream, container);
        if (codec.isEmpty()) {
            ++(container == Container::Other ? out.subtitles : out.pictureSubtitles);
            continue;
        }
        arguments << "-map" << Map(stream) << QStringLiteral("-c:s:%1").arg(number) << codec;
        AddTrackTags(arguments, container, "s", number++, stream);
    }
    // Fonts that styled subtitles need travel with them.
    for (const StreamFacts &stream : in.Of(Kind::Attachment)) {
        if (container == Container::Matroska)
            arguments << "-map" << Map(stream);
        else
            ++out.attachments;
    }
    out.Tell(ContainerName(preset), leftOut);
}

// A copy takes every stream; what the container cannot take is taken out again, and text
// subtitles are written as the container's own kind.
void AddCopyExceptions(QStringList &arguments, const Preset &preset, const InputStreams &in,
                       Container container, QStringList *leftOut)
{
    LeftOut out;
    int number = 0;
    for (const StreamFacts &stream : in.Of(Kind::Audio))
        AddTrackTags(arguments, container, "a", number++, stream);
    number = 0;
    for (const StreamFacts &stream : in.Of(Kind::Subtitle)) {
        const QString codec = SubtitleCodec(stream, container);
        if (codec.isEmpty()) {
            arguments << "-map" << QStringLiteral("-") + Map(stream);
            ++(container == Container::Other ? out.subtitles : out.pictureSubtitles);
        } else {
            AddTrackTags(arguments, container, "s", number, stream);
            arguments << QStringLiteral("-c:s:%1").arg(number++) << codec;
        }
    }
    for (const StreamFacts &stream : in.Of(Kind::Attachment)) {
        if (container != Container::Matroska) {
            arguments << "-map" << QStringLiteral("-") + Map(stream);
            ++out.attachments;
        }
    }
    out.Tell(ContainerName(preset), leftOut);
}

} // namespace

void AddStreamArguments(QStringList &arguments, const Preset &preset,
                        const ConverterInfo &converter, const CommandInput &input,
                        QStringList *leftOut)
{
    const VideoCodec video = CodecFor(preset.videoCodec, converter);
    const bool copy = video == VideoCodec::CopyStreams;
    if (!input.streams.read)
        return;
    // The modern codecs leave subtitles out when the streams are the converter's choice (a
    // picture subtitle it picked could not go into MP4 or WebM); here each one is chosen.
    arguments.removeAll(QStringLiteral("-sn"));
    const Container container = ContainerOf(preset);
    if (copy)
        AddCopyExceptions(arguments, preset, input.streams, container, leftOut);
    else
        AddChosenStreams(arguments, preset, converter, input, container, leftOut);
    // Every tag of the file, its recording date and place among them: the converter leaves the
    // date out when it copies tags on its own.
    arguments += QStringList {"-map_metadata:g", "0:g"};
    if (container == Container::Ogg && !input.coverComment.isEmpty()) {
        // A second input, after the file's own, so that the file stays input 0.
        const QStringList comment {"-f", "ffmetadata", "-i", input.coverComment};
        for (qsizetype i = 0; i < comment.size(); ++i)
            arguments.insert(2 + i, comment.at(i));
        arguments += QStringList {"-map_metadata:g", "1:g"};
    }
}

bool TakesCoverAsComment(const Preset &preset)
{
    return ContainerOf(preset) == Container::Ogg;
}

QByteArray CoverCommentFile(const InputStreams &streams)
{
    if (streams.cover.isEmpty())
        return QByteArray();
    // A FLAC picture block: type 3 (front cover), the type's name, no description, the size
    // left unknown (0), then the picture.
    QByteArray block;
    const auto number = [&block](quint32 value) {
        char bytes[4];
        qToBigEndian(value, bytes);
        block.append(bytes, 4);
    };
    const QByteArray type = streams.coverType.toLatin1();
    number(3);
    number(static_cast<quint32>(type.size()));
    block += type;
    for (int i = 0; i < 5; ++i)
        number(0); // description length, width, height, depth, colours
    number(static_cast<quint32>(streams.cover.size()));
    block += streams.cover;
    // The metadata file's own escapes: "=", ";", "#" and "\" are preceded by "\".
    QByteArray value = block.toBase64();
    value.replace('=', "\\=");
    return QByteArrayLiteral(";FFMETADATA1\nMETADATA_BLOCK_PICTURE=") + value + '\n';
}
