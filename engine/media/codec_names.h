#pragma once

#include <QString>

// The names the properties window shows for a codec identifier (AVCodecID); several identifiers
// share one name. An identifier without a name, including 0 (no stream), gives "".
QString VideoCodecName(int avCodecId);
QString AudioCodecName(int avCodecId);

// A codec's short name as users know it ("H.265", "AC-4", "MPEG-H 3D Audio") from the
// converter's name for a codec ("hevc") or one of its encoders ("libx265"); the name as given
// when the program does not know it.
QString CodecDisplayName(const QString &name);
