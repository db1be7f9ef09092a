#pragma once

#include "engine/convert/conversion_job.h"
#include "engine/convert/failure_reason.h"
#include "engine/convert/progress_reader.h"
#include "engine/convert/read_progress.h"
#include "engine/media/media_store.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <mutex>

class QProcess;
class QSocketNotifier;
class QTemporaryFile;

// One conversion of one file. The converter runs as a child in a process group of its own,
// started without a shell, its output read in the event loop as it comes; it dies with the
// program, and so does every process it started. The output is written under a hidden temporary
// name in the saving folder and put in place under its final name only when the converter
// succeeded and wrote a non-empty file that reads as media; otherwise the temporary file is
// removed and nothing under the final name changes. A converter that ends well but converted
// less than the file's length (a clip cut short) or said the input is damaged leaves its output in
// place too, and the run ends PartlyConverted, telling how much arrived and why.
//
// The converter's progress is read from a pipe of its own, which carries no file names; its
// standard output and error only say why it failed.
class ConversionRun final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionRun)

public:
    // `finalPath`: the name the output takes. `mayReplace`: a file under that name may be
    // replaced (the output this item wrote itself earlier); otherwise an existing file is never
    // replaced, and `nextFreeName` is asked for another final path when one appeared meanwhile.
    ConversionRun(const ConversionJob &job, const QString &finalPath, bool mayReplace,
                  std::function<QString()> nextFreeName, QObject *parent = nullptr);
    // Ends a converter that still runs, waiting a bounded time for it, and removes the
    // temporary file.
    ~ConversionRun() override;

    // Starts the converter; Finished follows, always, once.
    void Launch();
    // Ends the conversion at once: the converter's whole process group is killed, and the run
    // finishes as canceled.
    void Abort();
    // Stops (true) or continues (false) the converter's whole process group; while stopped, a
    // converter that closed its output is not taken to linger.
    void SetPaused(bool paused);

    bool finished() const { return m_finished; }
    ItemState state() const { return m_state; }
    // The converter's last words when it failed; when it completed, the file written, followed
    // on lines of their own by what of the input its container could not take (LeftOutOf); when
    // it partly converted, first how much and why ("Converted 0:17 of 1:00: the input file ends
    // early").
    QString reason() const { return m_reason; }
    QString output() const { return m_output; }
    // The stamp of the file written when the run completed, else empty.
    FileStamp outputStamp() const { return m_outputStamp; }
    // The converter's process id while it runs, else 0.
    qint64 pid() const;
    // The share converted so far, 0 to 1: the converter's position over the file's length, or
    // the share of the file read when the length is unknown.
    double Done() const;
    // The converter's last told speed, in seconds of media per second; 0 before it told one.
    double speed() const { return m_progress.speed(); }

    // How long a converter that closed its output may take to exit before it is killed.
    static constexpr int kLingerMs = 3000;
    // How often the read position of an input without a known length is sampled.
    static constexpr int kReadSampleMs = 250;
    // An output shorter than the file's length by more than this, or by more than kShortShare
    // of it when that is more, is only part of the file.
    static constexpr double kShortSeconds = 2;
    static constexpr double kShortShare = 0.02;

Q_SIGNALS:
    // A percentage larger than any before it, or MediaItem::kProgressUnknown once when the
    // progress of a file without a known length cannot be measured.
    void Advanced(int percent);
    void Finished();

private:
    // The ends of the pipes that the converter writes, open in the program until it started.
    struct Channels
    {
        int outWrite = -1;
        int progressWrite = -1;
    };

    // The steps of Launch; each but the last finishes the run when it fails.
    bool CreateTemporary();
    bool OpenChannels(Channels *channels);
    void StartConverter(const QStringList &arguments, const Channels &channels);
    void SampleReading();

    void OnOutput();
    void OnProgressOutput();
    bool EchoesName(const QByteArray &line) const;
    void ScanLines(const char *data, int size);
    void NoteLine(const QByteArray &line);
    void SampleRead();
    void CloseOutput();
    void OnProcessFinished(int exitCode, bool crashed);
    void OnStartFailed();
    // Why the output holds only part of the input, or empty when it holds all of it.
    QString Shortfall() const;
    void Verify();
    void PlaceOutput(bool usable, const QString &problem);
    void Finish(ItemState state, const QString &reason);
    void KillGroup();
    void RemoveTemporary();
    void ReleaseGuard(bool programGoesOn);

    struct VerifyLink
    {
        std::mutex mutex;
        ConversionRun *run = nullptr;
    };

    ConversionJob m_job;
    QString m_final;
    bool m_mayReplace;
    // The file that may be replaced, as it was when the run was made: another file found there
    // at the end is kept.
    FileStamp m_replaceStamp;
    FileStamp m_outputStamp;
    std::function<QString()> m_nextFreeName;
    std::unique_ptr<QProcess> m_process;
    ProgressReader m_progress;
    LastLineTracker m_lastLine;
    FailureCause m_cause;
    // The converter's output read for its last line saying that it could not finish writing the
    // output (it may exit with 0 all the same), and that line.
    OutputLines m_scanLines;
    QString m_writeFailure;
    bool m_inputEndsEarly = false; // the converter said the input ends before its data
    QString m_shortfall; // Shortfall() as the converter ended
    // The lines of the input's and the output's names after their first: the converter echoes
    // names, and such a line is not the converter speaking.
    QList<QByteArray> m_nameLines;
    QTimer m_linger;
    // For a file without a known length: how far the converter has read it, sampled.
    QTimer m_readSampler;
    std::unique_ptr<ReadProgress> m_readProgress;
    int m_lastRead = -1;
    bool m_unknownAnnounced = false;
    int m_outRead = -1;
    std::unique_ptr<QSocketNotifier> m_outNotifier;
    int m_progressRead = -1;
    std::unique_ptr<QSocketNotifier> m_progressNotifier;
    QString m_temporary;
    int m_guardWrite = -1;
    int m_guardRead = -1;
    bool m_cancelRequested = false;
    bool m_lingered = false;
    bool m_paused = false;
    bool m_lingerStopped = false;
    bool m_finished = false;
    ItemState m_state = ItemState::Waiting;
    QString m_reason;
    QString m_output;
    std::shared_ptr<VerifyLink> m_verifyLink;
    // The cover, for a container that takes it only as a comment; read by the converter.
    std::unique_ptr<QTemporaryFile> m_coverComment;
    QStringList m_leftOut;
};

// What of the input a completed conversion's output could not take, from its `reason` and the
// `output` it wrote: the sentences after the output's name, one a line; empty when nothing was
// left out.
QString LeftOutOf(const QString &reason, const QString &output);
