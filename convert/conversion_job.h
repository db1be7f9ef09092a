#pragma once

#include "convert/presets.h"
#include "platform/child_process.h"

#include <QEvent>
#include <QString>

#include <atomic>

// Everything one conversion needs, filled on the window's thread before the worker starts and
// only read by the worker.
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

// How a job ended. Beyond completed and cancelled, the converter's own failure, a converter
// that could not be started and an output that would overwrite the input are told apart.
enum class JobOutcome { Completed, Cancelled, Failed, ConverterNotFound, OutputEqualsInput };

// The text the row's Status cell shows for an outcome.
QString StatusText(JobOutcome outcome);

// lParam of the done event when skip or stop was asked during the job.
constexpr int JOB_CANCELLED = 273;

// The worker's messages to the window, posted across threads.
constexpr QEvent::Type WM_CONVERT_PROGRESS = static_cast<QEvent::Type>(QEvent::User + 0x402);
constexpr QEvent::Type WM_CONVERT_DONE = static_cast<QEvent::Type>(QEvent::User + 0x403);

class ConvertProgressEvent : public QEvent
{
public:
    ConvertProgressEvent(int percent, int row)
        : QEvent(WM_CONVERT_PROGRESS)
        , percent(percent)
        , row(row)
    { }
    const int percent; // larger than any earlier one of the job
    const int row;
};

class ConvertDoneEvent : public QEvent
{
public:
    ConvertDoneEvent(int row, int cancelled, JobOutcome outcome, QString lastLine)
        : QEvent(WM_CONVERT_DONE)
        , row(row)
        , cancelled(cancelled)
        , outcome(outcome)
        , lastLine(std::move(lastLine))
    { }
    const int row;
    const int cancelled; // JOB_CANCELLED or 0
    const JobOutcome outcome;
    const QString lastLine; // the converter's last line that is not a progress line
};

// The words the window's thread and the worker share.
struct ConversionShared
{
    std::atomic<bool> jobFinished {false}; // set by the worker last, cleared by the queue
    std::atomic<bool> cancelRequested {false}; // set by skip and stop, cleared by the worker
    std::atomic<int> jobRow {0};
    ChildProcess
        child; // the running converter; skip and stop terminate it from the window's thread
};
