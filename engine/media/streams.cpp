// Learns, stream by stream, what a media file holds, for its conversion and its properties.
#include "engine/media/streams.h"

#include "engine/media/probe.h"

#include <QFile>
#include <QFileInfo>

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/mastering_display_metadata.h>
}

namespace {

QString Tag(const AVStream *stream, const char *key)
{
    const AVDictionaryEntry *entry = av_dict_get(stream->metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}

StreamFacts::Kind KindOf(const AVStream *stream)
{
    switch (stream->codecpar->codec_type) {
    case AVMEDIA_TYPE_VIDEO:
        // A picture inside an audio file is its cover, not a video.
        return stream->disposition & AV_DISPOSITION_ATTACHED_PIC ? StreamFacts::Kind::Cover
                                                                 : StreamFacts::Kind::Video;
    case AVMEDIA_TYPE_AUDIO:
        return StreamFacts::Kind::Audio;
    case AVMEDIA_TYPE_SUBTITLE:
        return StreamFacts::Kind::Subtitle;
    case AVMEDIA_TYPE_ATTACHMENT:
        return StreamFacts::Kind::Attachment;
    default:
        return StreamFacts::Kind::Other;
    }
}

StreamFacts FactsOf(const AVStream *stream)
{
    const AVCodecParameters *par = stream->codecpar;
    StreamFacts facts;
    facts.index = stream->index;
    facts.kind = KindOf(stream);
    facts.codec = QString::fromLatin1(avcodec_get_name(par->codec_id));
    facts.language = Tag(stream, "language");
    facts.title = Tag(stream, "title");
    facts.isDefault = stream->disposition & AV_DISPOSITION_DEFAULT;
    facts.forced = stream->disposition & AV_DISPOSITION_FORCED;
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(par->codec_id);
    facts.pictureSubtitle = facts.kind == StreamFacts::Kind::Subtitle && descriptor
        && (descriptor->props & AV_CODEC_PROP_BITMAP_SUB);
    facts.width = par->width;
    facts.height = par->height;
    facts.channels = par->ch_layout.nb_channels;
    return facts;
}

// What the first video stream's container states of its light: the transfer, the mastering
// display and the light levels.
void ReadLight(const AVStream *stream, InputStreams &streams)
{
    const AVColorTransferCharacteristic transfer = stream->codecpar->color_trc;
    streams.range = transfer == AVCOL_TRC_SMPTE2084 ? DynamicRange::Pq
        : transfer == AVCOL_TRC_ARIB_STD_B67        ? DynamicRange::Hlg
                                                    : DynamicRange::Standard;
    if (const auto *display = reinterpret_cast<const AVMasteringDisplayMetadata *>(
            av_stream_get_side_data(stream, AV_PKT_DATA_MASTERING_DISPLAY_METADATA, nullptr));
        display && display->has_primaries && display->has_luminance) {
        streams.mastered = true;
        for (int i = 0; i < 3; ++i) {
            streams.primaries[i][0] = av_q2d(display->display_primaries[i][0]);
            streams.primaries[i][1] = av_q2d(display->display_primaries[i][1]);
        }
        streams.primaries[3][0] = av_q2d(display->white_point[0]);
        streams.primaries[3][1] = av_q2d(display->white_point[1]);
        streams.luminance[0] = av_q2d(display->max_luminance);
        streams.luminance[1] = av_q2d(display->min_luminance);
    }
    if (const auto *light = reinterpret_cast<const AVContentLightMetadata *>(
            av_stream_get_side_data(stream, AV_PKT_DATA_CONTENT_LIGHT_LEVEL, nullptr))) {
        streams.maxContentLight = static_cast<int>(light->MaxCLL);
        streams.maxFrameAverageLight = static_cast<int>(light->MaxFALL);
    }
}

} // namespace

std::vector<StreamFacts> InputStreams::Of(StreamFacts::Kind kind) const
{
    std::vector<StreamFacts> found;
    for (const StreamFacts &stream : streams) {
        if (stream.kind == kind)
            found.push_back(stream);
    }
    return found;
}

InputStreams ReadStreams(const QString &path)
{
    InputStreams streams;
    // Only regular files: a FIFO would wait for a writer forever.
    if (!QFileInfo(path).isFile())
        return streams;
    AVFormatContext *context = nullptr;
    if (OpenLocalMediaFile(QFile::encodeName(path), &context) != 0)
        return streams;
    const std::unique_ptr<AVFormatContext *, void (*)(AVFormatContext **)> closer(
        &context, avformat_close_input);
    if (avformat_find_stream_info(context, nullptr) < 0)
        return streams;
    streams.read = true;
    streams.chapters = static_cast<int>(context->nb_chapters);
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        streams.streams.push_back(FactsOf(stream));
        const StreamFacts &facts = streams.streams.back();
        if (facts.kind == StreamFacts::Kind::Video && streams.Of(facts.kind).size() == 1)
            ReadLight(stream, streams);
        // The picture types every player shows.
        const AVCodecID codec = stream->codecpar->codec_id;
        if (facts.kind == StreamFacts::Kind::Cover && streams.cover.isEmpty()
            && stream->attached_pic.size > 0
            && (codec == AV_CODEC_ID_MJPEG || codec == AV_CODEC_ID_PNG)) {
            streams.cover = QByteArray(reinterpret_cast<const char *>(stream->attached_pic.data),
                                       stream->attached_pic.size);
            streams.coverType = codec == AV_CODEC_ID_PNG ? QStringLiteral("image/png")
                                                         : QStringLiteral("image/jpeg");
        }
    }
    return streams;
}
