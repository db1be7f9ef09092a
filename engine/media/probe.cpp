// Learns what a media file holds by opening it with FFmpeg's libraries.
#include "engine/media/probe.h"

#include "engine/media/codec_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
}

namespace {

// The library writes its complaints about broken files to the console; the outcome already
// says everything the program needs.
void SilenceLibraryOnce()
{
    static const bool silenced = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    Q_UNUSED(silenced);
}

// Only regular files are media files here: opening a FIFO waits for a writer forever and a
// device such as /dev/zero never ends, so both are refused before the library sees them.
bool IsRegularFile(const QByteArray &path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

class InputCloser
{
public:
    explicit InputCloser(AVFormatContext *&context)
        : context_(context)
    { }
    ~InputCloser() { avformat_close_input(&context_); }
    InputCloser(const InputCloser &) = delete;
    InputCloser &operator=(const InputCloser &) = delete;

private:
    AVFormatContext *&context_;
};

// A stream with the attached-picture disposition is a cover image inside an audio file, not
// a video stream.
bool IsVideo(const AVStream *stream)
{
    return stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO
        && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

bool IsAudio(const AVStream *stream)
{
    return stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
}

// From 100000 hours on the list shows a length as "Unknown"; below it fits in 32 bits.
constexpr int64_t kLongest = int64_t(100000) * 3600;

qint32 Low32(int64_t value)
{
    return static_cast<qint32>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

} // namespace

int OpenLocalMediaFile(const QByteArray &path, AVFormatContext **context)
{
    SilenceLibraryOnce();
    // The "file:" prefix keeps a name such as "pipe:0" or "http://..." from being taken for
    // another protocol, and the whitelist keeps playlists and references inside a local file
    // from reaching the network or a device while a file is merely being looked at.
    const QByteArray url = QByteArrayLiteral("file:") + path;
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int opened = avformat_open_input(context, url.constData(), nullptr, &options);
    av_dict_free(&options);
    return opened;
}

bool IsUnconvertibleVideoCodec(int codecId)
{
    return codecId == AV_CODEC_ID_RV30 || codecId == AV_CODEC_ID_RV40;
}

QString UnknownFormatReason(const QString &path, const MediaInfo &info)
{
    switch (info.outcome) {
    case ProbeOutcome::NoStreams:
        return QCoreApplication::translate("Reasons", "The file holds no audio or video stream");
    case ProbeOutcome::UnknownFormat:
        if (IsUnconvertibleVideoCodec(info.videoCodecId)) {
            const QString codec = QLatin1String(avcodec_get_name(AVCodecID(info.videoCodecId)));
            return QCoreApplication::translate("Reasons",
                                               "The file's video codec (%1) cannot be converted")
                .arg(CodecDisplayName(codec));
        }
        return QCoreApplication::translate("Reasons", "The file's streams cannot be read");
    case ProbeOutcome::OpenFailed:
        break;
    default:
        return QString();
    }
    const QFileInfo file(path);
    if (!file.exists())
        return QCoreApplication::translate("Reasons", "The file does not exist");
    if (!file.isFile())
        return QCoreApplication::translate("Reasons", "Not a regular file");
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return QCoreApplication::translate("Reasons", "The file cannot be read (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    ::close(fd);
    return QCoreApplication::translate("Reasons", "Not a media file, or damaged");
}

ProbeOutcome ProbeMedia(const QString &folder, const QString &name, MediaInfo &info)
{
    info = MediaInfo();
    SilenceLibraryOnce();

    const QByteArray path = QFile::encodeName(folder + name);
    if (path.isEmpty() || path.contains('\0') || !IsRegularFile(path)) {
        info.outcome = ProbeOutcome::OpenFailed;
        return info.outcome;
    }

    AVFormatContext *context = nullptr;
    if (OpenLocalMediaFile(path, &context) != 0) {
        info.outcome = ProbeOutcome::OpenFailed;
        return info.outcome;
    }
    InputCloser closer(context);

    if (avformat_find_stream_info(context, nullptr) < 0) {
        info.outcome = ProbeOutcome::UnknownFormat;
        return info.outcome;
    }

    const AVStream *video = nullptr;
    const AVStream *audio = nullptr;
    for (unsigned i = 0; i < context->nb_streams && !video; ++i) {
        if (IsVideo(context->streams[i]))
            video = context->streams[i];
    }
    for (unsigned i = 0; i < context->nb_streams && !audio; ++i) {
        if (IsAudio(context->streams[i]))
            audio = context->streams[i];
    }

    if (!video && !audio) {
        info.outcome = ProbeOutcome::NoStreams;
        return info.outcome;
    }
    if (video)
        info.videoCodecId = video->codecpar->codec_id;
    if (audio)
        info.audioCodecId = audio->codecpar->codec_id;
    if (video && audio)
        info.outcome = ProbeOutcome::Ready;
    else if (video)
        info.outcome = ProbeOutcome::VideoOnly;
    else
        info.outcome = ProbeOutcome::AudioOnly;
    if (IsUnconvertibleVideoCodec(info.videoCodecId))
        info.outcome = ProbeOutcome::UnknownFormat;

    // A muxer that cannot seek back (a pipe) leaves the length out; the library then has no
    // value. A negative length or one beyond what the list can show as a time is no length either,
    // rather than a wrapped number of seconds.
    const int64_t seconds = context->duration / AV_TIME_BASE;
    info.durationKnown
        = context->duration != AV_NOPTS_VALUE && context->duration >= 0 && seconds < kLongest;
    info.durationSeconds = info.durationKnown ? static_cast<qint32>(seconds) : 0;

    if (audio) {
        const AVCodecParameters *par = audio->codecpar;
        info.audioBitRate = Low32(par->bit_rate);
        info.channels = par->ch_layout.nb_channels;
        info.sampleRate = par->sample_rate;
    }
    if (video) {
        const AVCodecParameters *par = video->codecpar;
        const AVRational rate = video->r_frame_rate;
        // A rate the library could not guess comes as 0/0; it is shown as no rate, not NaN.
        info.frameRate = rate.den != 0 ? float(double(rate.num) / double(rate.den)) : 0.0f;
        info.height = par->height;
        info.width = par->width;
        info.videoBitRate = Low32(par->bit_rate);
    }
    return info.outcome;
}

bool HasDecodablePacket(const QString &path)
{
    SilenceLibraryOnce();
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.isEmpty() || !IsRegularFile(bytes))
        return false;
    AVFormatContext *context = nullptr;
    if (OpenLocalMediaFile(bytes, &context) != 0)
        return false;
    InputCloser closer(context);
    if (avformat_find_stream_info(context, nullptr) < 0)
        return false;

    std::vector<AVCodecContext *> decoders(context->nb_streams, nullptr);
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (!IsVideo(stream) && !IsAudio(stream))
            continue;
        const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
        AVCodecContext *decoder = codec ? avcodec_alloc_context3(codec) : nullptr;
        if (decoder
            && (avcodec_parameters_to_context(decoder, stream->codecpar) < 0
                || avcodec_open2(decoder, codec, nullptr) < 0))
            avcodec_free_context(&decoder);
        decoders[i] = decoder;
    }
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    bool decoded = false;
    // Decoders that hold frames back give them at the end, when they are drained.
    const auto drain = [&] {
        for (AVCodecContext *decoder : decoders) {
            if (decoder && !decoded && avcodec_send_packet(decoder, nullptr) >= 0)
                decoded = avcodec_receive_frame(decoder, frame) >= 0;
        }
    };
    constexpr int kMaxPackets = 500;
    for (int n = 0; packet && frame && !decoded && n < kMaxPackets; ++n) {
        if (av_read_frame(context, packet) < 0)
            break;
        const unsigned index = static_cast<unsigned>(packet->stream_index);
        AVCodecContext *decoder = index < decoders.size() ? decoders[index] : nullptr;
        // A decoder that is full takes no packet until a frame is taken from it.
        if (decoder) {
            avcodec_send_packet(decoder, packet);
            decoded = avcodec_receive_frame(decoder, frame) >= 0;
        }
        av_packet_unref(packet);
    }
    if (!decoded)
        drain();
    av_frame_free(&frame);
    av_packet_free(&packet);
    for (AVCodecContext *&decoder : decoders)
        avcodec_free_context(&decoder);
    return decoded;
}
