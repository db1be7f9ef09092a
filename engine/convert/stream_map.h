#pragma once

#include "engine/media/streams.h"

#include <QByteArray>
#include <QStringList>

struct CommandInput;
struct ConverterInfo;
struct Preset;

// Adds to a command's `arguments` (its codecs chosen, its output not yet named) what carries
// the rest of the input into the output: every audio track (one, the default or else the first,
// in the device and audio presets), subtitles as the container holds them, chapters, attached
// files in MKV, the file's tags with its recording date and place, the cover of a song, and HDR
// kept in 10 bits or tone-mapped to BT.709 for an 8-bit encoder. A stream the container cannot
// take is left out and named in `leftOut`, one sentence each kind ("2 picture subtitle tracks
// cannot go into MP4"). An input whose streams were not read converts as the converter picks its
// streams: nothing is added.
void AddStreamArguments(QStringList &arguments, const Preset &preset,
                        const ConverterInfo &converter, const CommandInput &input,
                        QStringList *leftOut);

// True when `preset`'s container takes a cover picture only as a comment (Ogg Opus).
bool TakesCoverAsComment(const Preset &preset);
// A metadata file for the converter (ffmetadata) whose one tag, METADATA_BLOCK_PICTURE, carries
// the cover of `streams` as Opus and Vorbis tools write it; empty when there is no cover.
QByteArray CoverCommentFile(const InputStreams &streams);
