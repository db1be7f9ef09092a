#pragma once

#include "engine/media/streams.h"

#include <QString>
#include <QStringList>

struct ConverterInfo;
struct Preset;

// The file a command converts, and what the command must know of it.
struct CommandInput
{
    QString path;
    // The file has audio and no video stream (a cover picture is no video): nothing of a picture
    // is carried into the output, so a cover cannot become a one-frame video the container refuses.
    bool audioOnly = false;
    int sizeLimit = 0; // 0, 1080, 720 or 480: the height limit of the presets that follow one
    // What the file holds, stream by stream (ReadStreams); not read, the converter picks one
    // picture and one sound as it does on its own.
    InputStreams streams {};
    // A metadata file that carries the cover where the container takes it only as a comment
    // (CoverCommentFile); empty: none.
    QString coverComment {};
};

// The output file's base name: the file name without its last extension (the whole name when
// it has none).
QString OutputBaseName(const QString &fileName);

// The converter's arguments for making `output` from `input` with `preset`, as `converter` makes
// it (the fallbacks of the encoders it lacks taken). Every argument is one element, whatever
// blanks or quotes it holds: no shell ever sees them. `output` is the last argument. What of the
// input the output's container cannot take is named in `leftOut` (AddStreamArguments).
QStringList BuildCommandLine(const Preset &preset, const ConverterInfo &converter,
                             const CommandInput &input, const QString &output,
                             QStringList *leftOut = nullptr);
