#pragma once

#include "engine/convert/presets.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <utility>

// Where the converter program is and what it can do; looked up once per run.
struct ConverterInfo
{
    ConverterInfo() = default;
    ConverterInfo(QString program, QSet<QString> encoders = {})
        : program(std::move(program))
        , encoders(std::move(encoders))
    { }

    QString program; // a path, or a bare name that is looked up on PATH when it starts
    QSet<QString> encoders; // every encoder it lists ("libx264", "aac" ...)
    bool listed = false; // it listed its encoders within kConverterAnswerMs
};

// How long the converter may take to list its encoders; one that takes longer, or cannot be
// started, counts as listing none.
constexpr int kConverterAnswerMs = 5000;

// `<program folder>/ffmpeg` when it exists, else `ffmpeg` from PATH, and its encoders. Asked once,
// then kept; the first call waits for the list at most kConverterAnswerMs (StartConverterLookup
// reads it without waiting).
const ConverterInfo &Converter();

// Replaces what Converter() answers (tests); an empty program brings the lookup back.
void SetConverterForTesting(const ConverterInfo &info);
// Forgets what was read: the next lookup reads the encoders of `program` (tests).
void UseConverterProgramForTesting(const QString &program);

// Reads the encoder list of `program`, waiting at most `timeoutMs`. `listed` is false when the
// program could not be started, did not end in time or exited with an error.
QSet<QString> ReadConverterEncoders(const QString &program, int timeoutMs, bool *listed);

// The encoder names in the converter's `-encoders` listing, whose lines look like
// " V....D libx264   libx264 H.264 ...".
QSet<QString> ParseEncoderList(const QByteArray &listing);

// The filters `program` lists ("zscale", "tonemap" ...), read the first time a program is asked
// about, waiting at most kConverterAnswerMs, then kept; none when it cannot list them.
QSet<QString> ConverterFilters(const QString &program);
// The filter names in the converter's `-filters` listing, whose lines look like
// " .SC zscale            V->V       Apply resizing ...".
QSet<QString> ParseFilterList(const QByteArray &listing);

// Reads the converter's encoders in the event loop of the calling thread, never waiting for it,
// unless Converter() already knows them; `done` then runs on that thread with what Converter()
// answers from then on. Nothing runs once `owner` is gone; the converter is killed with it.
void StartConverterLookup(QObject *owner, std::function<void(const ConverterInfo &)> done);

// The codec the converter makes for `codec`: the codec's fallback when the converter does not
// list its encoder but has what the fallback needs, else `codec` itself.
VideoCodec CodecFor(VideoCodec codec, const ConverterInfo &converter);
AudioCodec CodecFor(AudioCodec codec, const ConverterInfo &converter);
// The encoders the converter runs for `preset` ("mpeg4", "aac" ...), fallbacks taken.
QStringList PresetEncoders(const Preset &preset, const ConverterInfo &converter);

// Whether the converter can make `preset`: every encoder the preset needs is in its list. The
// described presets are always offered (the converter's own message tells what it lacks).
bool PresetAvailable(const Preset &preset, const ConverterInfo &converter);
// Why it cannot, for the preset menu's status tip; empty when it can.
QString PresetUnavailableReason(const Preset &preset, const ConverterInfo &converter);
