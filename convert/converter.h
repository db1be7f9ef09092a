#pragma once

#include <QString>

// Where the converter program is and what it can do; looked up once per run.
struct ConverterInfo
{
    QString program; // a path, or a bare name that is looked up on PATH when it starts
    bool amrEncoderAvailable = false; // it lists the libopencore_amrnb encoder
};

// `<program folder>/ffmpeg` when it exists, else `ffmpeg` from PATH. Asked once, then kept.
const ConverterInfo &Converter();

// Replaces what Converter() answers (tests); an empty program brings the lookup back.
void SetConverterForTesting(const ConverterInfo &info);

// Reads the converter's encoder list and tells whether it names `encoder`.
bool ConverterHasEncoder(const QString &program, const QString &encoder);
