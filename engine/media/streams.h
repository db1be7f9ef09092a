#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// One stream of a media file, as the converter would number it.
struct StreamFacts
{
    enum class Kind { Video, Audio, Subtitle, Cover, Attachment, Other };

    int index = 0; // the stream's number in the file ("-map 0:index")
    Kind kind = Kind::Other;
    QString codec; // the converter's name of the codec ("h264", "subrip", "hdmv_pgs_subtitle")
    QString language; // as the file tags it ("eng", "ger"); empty when untagged
    QString title;
    bool isDefault = false;
    bool forced = false;
    bool pictureSubtitle = false; // subtitles drawn as pictures (PGS, VobSub, DVB)
    int width = 0; // video and cover pictures
    int height = 0;
    int channels = 0; // audio
};

// The dynamic range of a video stream, as its transfer characteristic states it.
enum class DynamicRange { Standard, Pq, Hlg };

// Everything of a file that its conversion keeps beyond one picture and one sound.
struct InputStreams
{
    bool read = false; // false: the file could not be opened or its streams not read
    std::vector<StreamFacts> streams; // in file order
    int chapters = 0;
    // Of the first video stream: its dynamic range and, where the container states them, its
    // mastering display (chromaticities of red, green, blue and the white point as x, y pairs;
    // luminance in cd/m2) and content light level (cd/m2; 0: not stated).
    DynamicRange range = DynamicRange::Standard;
    bool mastered = false;
    double primaries[4][2] = {}; // red, green, blue, white point
    double luminance[2] = {}; // maximum, minimum
    int maxContentLight = 0;
    int maxFrameAverageLight = 0;
    // The first cover picture's data and type ("image/jpeg", "image/png"); empty: none.
    QByteArray cover;
    QString coverType;

    // The streams of `kind`, in file order.
    std::vector<StreamFacts> Of(StreamFacts::Kind kind) const;
};

// Reads the streams of the local file `path`. Never throws and prints nothing; a file that cannot
// be read gives `read` false.
InputStreams ReadStreams(const QString &path);
