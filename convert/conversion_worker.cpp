#include "convert/conversion_worker.h"

#include "convert/command_line.h"
#include "convert/progress_reader.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>

namespace {

void Finish(ConversionShared &shared, QObject *receiver, int row, JobOutcome outcome,
            const QString &lastLine)
{
    const bool cancelled = shared.cancelRequested.load();
    if (cancelled && outcome != JobOutcome::OutputEqualsInput
        && outcome != JobOutcome::ConverterNotFound)
        outcome = JobOutcome::Cancelled;
    // The completion is posted before jobFinished is raised, so the row's status is written
    // before the next job can start.
    QCoreApplication::postEvent(
        receiver, new ConvertDoneEvent(row, cancelled ? JOB_CANCELLED : 0, outcome, lastLine));
    shared.jobFinished.store(true);
}

} // namespace

QString StatusText(JobOutcome outcome)
{
    switch (outcome) {
    case JobOutcome::Completed:
        return QStringLiteral("Convertion Completed!");
    case JobOutcome::Cancelled:
        return QStringLiteral("User Canceled!");
    case JobOutcome::Failed:
        return QStringLiteral("Convertion Failed!");
    case JobOutcome::ConverterNotFound:
        return QStringLiteral("Converter Not Found!");
    case JobOutcome::OutputEqualsInput:
        return QStringLiteral("Output Equals Input!");
    }
    return QString();
}

void ConversionWorker(const ConversionJob &job, ConversionShared &shared, QObject *receiver)
{
    const int row = shared.jobRow.load();

    const CommandLine command = BuildCommandLine(job);
    if (SameFile(job.inputPath, command.outputPath)) {
        Finish(shared, receiver, row, JobOutcome::OutputEqualsInput, QString());
        return;
    }

    QDir().mkpath(job.outputFolder);

    ChildProcess &child = shared.child;
    if (!child.Start(command.program, command.arguments)) {
        Finish(shared, receiver, row, JobOutcome::ConverterNotFound,
               QString::fromLocal8Bit(strerror(child.startError())));
        return;
    }
    // A skip that came before the child existed still skips it.
    if (shared.cancelRequested.load())
        child.Terminate();

    ProgressReader progress(job.durationSeconds);
    LastLineTracker lastLine;
    char chunk[ProgressReader::kChunkSize];
    qint64 n;
    while ((n = child.Read(chunk, sizeof chunk)) > 0) {
        const int size = static_cast<int>(n);
        lastLine.Feed(chunk, size);
        const int percent = progress.Feed(chunk, size);
        if (percent >= 0)
            QCoreApplication::postEvent(receiver, new ConvertProgressEvent(percent, row));
    }
    child.CloseOutput();

    JobOutcome outcome = JobOutcome::Completed;
    if (!child.Wait(3000)) {
        // The output closed but the converter lingers: it is not trusted to finish the file.
        child.Terminate();
        child.Wait(-1);
        outcome = JobOutcome::Failed;
    } else if (child.ending() != ChildProcess::Ending::Exited || child.code() != 0) {
        outcome = JobOutcome::Failed;
    }
    Finish(shared, receiver, row, outcome, lastLine.lastLine());
}

std::thread StartConversionWorker(ConversionJob job, ConversionShared &shared, QObject *receiver)
{
    // Cleared here, before the thread exists, so that a skip that comes at once is not lost.
    shared.cancelRequested.store(false);
    shared.jobFinished.store(false);
    return std::thread(
        [job = std::move(job), &shared, receiver] { ConversionWorker(job, shared, receiver); });
}
