#pragma once

#include "engine/convert/command_line.h"
#include "engine/convert/converter.h"
#include "engine/convert/presets.h"

#include <QString>

// Everything one conversion needs: the file, the preset, the saving folder and the converter.
struct ConversionJob
{
    CommandInput input;
    int durationSeconds = 0;
    const Preset *preset = PresetById(0); // never null
    ConverterInfo converter; // the converter to run, and the encoders it lists
    QString outputFolder; // ends with "/"
    bool keepDates = true; // the output takes the input's modification time
};
