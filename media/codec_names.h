#pragma once

#include <QString>

// The names the properties window shows for a codec identifier (AVCodecID); several identifiers
// share one name. An identifier without a name, including 0 (no stream), gives "".
QString VideoCodecName(int avCodecId);
QString AudioCodecName(int avCodecId);
