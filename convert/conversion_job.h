#pragma once

#include "convert/presets.h"

#include <QString>

// Everything one conversion needs: the file, the preset, the saving folder and the converter.
struct ConversionJob
{
    QString inputPath; // location followed directly by fileName
    QString location; // ends with "/"
    QString fileName;
    int durationSeconds = 0;
    int presetId = 0;
    VideoCodec videoCodec = VideoCodec::None;
    AudioCodec audioCodec = AudioCodec::None;
    Quality quality = Quality::Normal;
    QString extension;
    QString outputFolder; // ends with "/"
    // The file has audio and no video stream (a cover picture is no video): nothing of a picture
    // is carried into the output, so a cover cannot become a one-frame video the container refuses.
    bool audioOnlyInput = false;
    QString converterProgram; // the converter to run
    bool amrEncoderAvailable = false;
    int sizeLimit = 0; // 0, 1080, 720 or 480: the modern video presets' height limit
};

struct ConverterInfo;

// Copies what the job takes from `preset` (id, codecs, quality, extension) and from the
// converter (its program, whether it has an AMR encoder).
void ApplyPreset(ConversionJob &job, const Preset &preset, const ConverterInfo &converter);
