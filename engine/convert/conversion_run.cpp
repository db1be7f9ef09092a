// Runs the converter for one file, watches it and puts its output in place.
#include "engine/convert/conversion_run.h"

#include "engine/convert/command_line.h"
#include "engine/convert/stream_map.h"
#include "engine/convert/temporary_outputs.h"
#include "engine/convert/time_left.h"
#include "engine/media/probe.h"
#include "engine/platform/file_system_pool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryFile>
#include <QThreadPool>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Closes every descriptor from `first` on, except `keep`.
void CloseAllBut(int keep)
{
    // close_range is async-signal-safe; it runs between fork and exec.
    if (keep > 0)
        ::syscall(SYS_close_range, 0u, static_cast<unsigned>(keep - 1), 0u);
    ::syscall(SYS_close_range, static_cast<unsigned>(keep + 1), ~0u, 0u);
}

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// True for a line in which the converter says that it could not finish the output file. When
// the file's end cannot be written (a full disk) the converter still exits with 0, and the part
// it wrote may read as media. Newer converters put "[muxer @ address] " before the words.
bool IsWriteFailureLine(QByteArray line)
{
    if (line.startsWith('[')) {
        const qsizetype close = line.indexOf("] ");
        if (close < 0)
            return false;
        line = line.mid(close + 2);
    }
    return line.startsWith("Error writing trailer") || line.startsWith("Error closing file");
}

// The lines of `path` after its first, blanks trimmed, empty ones left out.
QList<QByteArray> NameLines(const QString &path)
{
    QList<QByteArray> lines;
    QByteArray bytes = QFile::encodeName(path);
    bytes.replace('\r', '\n');
    const QList<QByteArray> parts = bytes.split('\n');
    for (int i = 1; i < parts.size(); ++i) {
        if (!parts[i].trimmed().isEmpty())
            lines << parts[i].trimmed();
    }
    return lines;
}

// Runs in the converter's process between fork and exec, so only async-signal-safe calls: the
// output pipe as its standard output and error, the progress pipe kept open under its number, a
// process group of its own, death with the program, and the watcher beside it.
void PrepareConverter(pid_t program, int guardRead, int outWrite, int progressWrite,
                      const QByteArray &temporary)
{
    ::dup2(outWrite, STDOUT_FILENO);
    ::dup2(outWrite, STDERR_FILENO);
    ::fcntl(progressWrite, F_SETFD, 0); // kept open across exec, under its own number
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != program)
        ::_exit(127); // the program died before the death signal was armed
    if (guardRead < 0)
        return;
    // A watcher beside the converter kills its whole group when the program dies without saying
    // that the run is over: the death signal alone reaches only the converter, not the processes
    // a wrapper script started; and it removes the partial file.
    const pid_t group = ::getpid();
    // A bare clone, like fork but past any library that hooks fork: locks that another thread of
    // the program held at the first fork stay held in this child.
    if (::syscall(SYS_clone, SIGCHLD, nullptr, nullptr, nullptr, nullptr) == 0) {
        CloseAllBut(guardRead);
        // A group of its own: pausing stops the converter's group, and a stopped watcher
        // could not act when the program dies meanwhile.
        ::setpgid(0, 0);
        char byte;
        ssize_t n;
        while ((n = ::read(guardRead, &byte, 1)) < 0 && errno == EINTR) { }
        if (n == 0) {
            ::kill(-group, SIGKILL);
            ::unlink(temporary.constData()); // nobody is left to put it in place
        }
        ::_exit(0);
    }
}

} // namespace

ConversionRun::ConversionRun(const ConversionJob &job, const QString &finalPath, bool mayReplace,
                             std::function<QString()> nextFreeName, QObject *parent)
    : QObject(parent)
    , m_job(job)
    , m_final(finalPath)
    , m_mayReplace(mayReplace)
    , m_nextFreeName(std::move(nextFreeName))
    , m_progress(job.durationSeconds)
    , m_verifyLink(std::make_shared<VerifyLink>())
{
    m_verifyLink->run = this;
    if (m_mayReplace)
        m_replaceStamp = FileStamp::Of(m_final);
    m_nameLines = NameLines(job.input.path) + NameLines(finalPath);
    m_linger.setSingleShot(true);
    m_linger.setInterval(kLingerMs);
    connect(&m_linger, &QTimer::timeout, this, [this] {
        // The output closed but the converter lingers: it is not trusted to finish the file.
        m_lingered = true;
        KillGroup();
    });
}

ConversionRun::~ConversionRun()
{
    {
        std::lock_guard<std::mutex> lock(m_verifyLink->mutex);
        m_verifyLink->run = nullptr;
    }
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->disconnect(this);
        KillGroup();
        m_process->waitForFinished(kLingerMs);
    }
    ReleaseGuard(true);
    CloseOutput();
    if (!m_finished)
        RemoveTemporary();
}

qint64 ConversionRun::pid() const
{
    return m_process && m_process->state() != QProcess::NotRunning ? m_process->processId() : 0;
}

void ConversionRun::Launch()
{
    if (!CreateTemporary())
        return;
    CommandInput &input = m_job.input;
    if (!input.streams.read)
        input.streams = ReadStreams(input.path);
    const QByteArray cover
        = TakesCoverAsComment(*m_job.preset) ? CoverCommentFile(input.streams) : QByteArray();
    if (!cover.isEmpty()) {
        m_coverComment = std::make_unique<QTemporaryFile>(
            QDir::tempPath() + QStringLiteral("/kelvora-cover-XXXXXX"));
        // Without it the song converts all the same, only without its cover.
        if (m_coverComment->open() && m_coverComment->write(cover) == cover.size()
            && m_coverComment->flush())
            input.coverComment = m_coverComment->fileName();
    }
    QStringList arguments
        = BuildCommandLine(*m_job.preset, m_job.converter, input, m_temporary, &m_leftOut);
    m_nameLines += NameLines(m_temporary);
    Channels channels;
    if (!OpenChannels(&channels))
        return;
    // Global options, before the output: the wrapper scripts some users put in place of the
    // converter find the input where it always was.
    const QStringList global {QStringLiteral("-nostats"), QStringLiteral("-progress"),
                              QStringLiteral("pipe:%1").arg(channels.progressWrite)};
    for (const QString &argument : global)
        arguments.insert(arguments.size() - 1, argument);
    StartConverter(arguments, channels);
    if (m_job.durationSeconds <= 0 && m_process->processId() > 0)
        SampleReading();
}

bool ConversionRun::CreateTemporary()
{
    if (!QDir().mkpath(m_job.outputFolder)) {
        Finish(ItemState::Failed,
               QCoreApplication::translate("Reasons", "%1: the saving folder cannot be created")
                   .arg(m_job.outputFolder));
        return false;
    }
    QString error;
    m_temporary = CreateTemporaryOutput(m_job.outputFolder, QFileInfo(m_final).completeBaseName(),
                                        QString::fromLatin1(m_job.preset->extension), &error);
    if (m_temporary.isEmpty()) {
        Finish(ItemState::Failed, error);
        return false;
    }
    return true;
}

bool ConversionRun::OpenChannels(Channels *channels)
{
    // A socket pair rather than a pipe: telling a watcher that is already gone must not raise
    // SIGPIPE in the program.
    int guard[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, guard) == 0) {
        m_guardRead = guard[0];
        m_guardWrite = guard[1];
    }
    // The converter's standard output and error go to a pipe of the run's own, so that the run
    // sees the end of its output (a converter that closed it and lingers is not trusted).
    // Only the program's ends are non-blocking: a converter that writes faster than it is read
    // waits, and none of its words (a write failure among them) is lost.
    int output[2];
    int progress[2];
    if (::pipe2(output, O_CLOEXEC) != 0) {
        RemoveTemporary();
        ReleaseGuard(true);
        Finish(ItemState::Failed, ErrnoText(errno));
        return false;
    }
    if (::pipe2(progress, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(output[0]);
        ::close(output[1]);
        RemoveTemporary();
        ReleaseGuard(true);
        Finish(ItemState::Failed, ErrnoText(error));
        return false;
    }
    ::fcntl(output[0], F_SETFL, O_NONBLOCK);
    ::fcntl(progress[0], F_SETFL, O_NONBLOCK);
    m_outRead = output[0];
    m_progressRead = progress[0];
    channels->outWrite = output[1];
    channels->progressWrite = progress[1];
    return true;
}

void ConversionRun::StartConverter(const QStringList &arguments, const Channels &channels)
{
    const pid_t program = ::getpid();
    const int guardRead = m_guardRead;
    const QByteArray temporary = QFile::encodeName(m_temporary);
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(m_job.converter.program);
    m_process->setArguments(arguments);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->setChildProcessModifier([program, guardRead, channels, temporary] {
        PrepareConverter(program, guardRead, channels.outWrite, channels.progressWrite, temporary);
    });
    m_outNotifier = std::make_unique<QSocketNotifier>(m_outRead, QSocketNotifier::Read);
    connect(m_outNotifier.get(), &QSocketNotifier::activated, this, &ConversionRun::OnOutput);
    connect(m_process.get(), &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) {
                OnProcessFinished(exitCode, status == QProcess::CrashExit);
            });
    connect(m_process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            OnStartFailed();
    });
    m_progressNotifier = std::make_unique<QSocketNotifier>(m_progressRead, QSocketNotifier::Read);
    connect(m_progressNotifier.get(), &QSocketNotifier::activated, this,
            &ConversionRun::OnProgressOutput);
    m_process->start();
    ::close(channels.outWrite);
    ::close(channels.progressWrite);
    if (const qint64 pid = m_process->processId(); pid > 0) {
        // Set from both sides, so that the group exists before either goes on.
        ::setpgid(static_cast<pid_t>(pid), static_cast<pid_t>(pid));
        if (m_cancelRequested)
            KillGroup();
    }
    if (m_guardRead >= 0) {
        ::close(m_guardRead);
        m_guardRead = -1;
    }
}

void ConversionRun::SampleReading()
{
    m_readProgress = std::make_unique<ReadProgress>(
        ReadProgress::GroupLeader {m_process->processId()}, m_job.input.path);
    m_readSampler.setInterval(kReadSampleMs);
    connect(&m_readSampler, &QTimer::timeout, this, &ConversionRun::SampleRead);
    m_readSampler.start();
}

void ConversionRun::SampleRead()
{
    if (m_finished || !m_readProgress)
        return;
    const int percent = m_readProgress->Percent();
    if (percent > m_lastRead) {
        m_lastRead = percent;
        Q_EMIT Advanced(percent);
    } else if (percent < 0 && !m_unknownAnnounced) {
        m_unknownAnnounced = true;
        Q_EMIT Advanced(MediaItem::kProgressUnknown);
    }
}

void ConversionRun::Abort()
{
    if (m_finished)
        return;
    m_cancelRequested = true;
    KillGroup();
}

void ConversionRun::SetPaused(bool paused)
{
    if (m_finished || m_paused == paused || !m_process || m_process->state() == QProcess::NotRunning
        || m_process->processId() <= 0)
        return;
    m_paused = paused;
    ::kill(-static_cast<pid_t>(m_process->processId()), paused ? SIGSTOP : SIGCONT);
    if (paused && m_linger.isActive()) {
        m_linger.stop();
        m_lingerStopped = true;
    } else if (!paused && m_lingerStopped) {
        m_lingerStopped = false;
        m_linger.start();
    }
}

double ConversionRun::Done() const
{
    if (m_job.durationSeconds > 0)
        return qBound(0.0, m_progress.seconds() / m_job.durationSeconds, 1.0);
    return m_lastRead > 0 ? m_lastRead / 100.0 : 0;
}

void ConversionRun::KillGroup()
{
    // Only while the child is unreaped: its process id, and so its group, cannot have been
    // given to another process yet.
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    const auto pid = static_cast<pid_t>(m_process->processId());
    if (pid <= 0)
        return;
    if (::kill(-pid, SIGKILL) != 0)
        ::kill(pid, SIGKILL);
}

void ConversionRun::OnOutput()
{
    if (m_outRead < 0)
        return;
    char chunk[ProgressReader::kChunkSize];
    for (;;) {
        const ssize_t n = ::read(m_outRead, chunk, sizeof chunk);
        if (n > 0) {
            const int size = static_cast<int>(n);
            m_lastLine.Feed(chunk, size);
            ScanLines(chunk, size);
            m_cause.Feed(chunk, size, m_progress.seconds());
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0) {
            // Every writer closed the output.
            m_outNotifier.reset();
            ::close(m_outRead);
            m_outRead = -1;
            if (m_process && m_process->state() != QProcess::NotRunning && !m_finished)
                m_linger.start();
        }
        return;
    }
}

void ConversionRun::OnProgressOutput()
{
    if (m_progressRead < 0)
        return;
    char chunk[ProgressReader::kChunkSize];
    for (;;) {
        const ssize_t n = ::read(m_progressRead, chunk, sizeof chunk);
        if (n > 0) {
            const int percent = m_progress.Feed(chunk, static_cast<int>(n));
            if (percent >= 0)
                Q_EMIT Advanced(percent);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0) {
            m_progressNotifier.reset();
            ::close(m_progressRead);
            m_progressRead = -1;
        }
        return;
    }
}

bool ConversionRun::EchoesName(const QByteArray &line) const
{
    const QByteArray words = line.trimmed();
    for (const QByteArray &nameLine : m_nameLines) {
        if (words.startsWith(nameLine))
            return true;
    }
    return false;
}

void ConversionRun::ScanLines(const char *data, int size)
{
    m_scanLines.Feed(data, size, [this](const QByteArray &line) { NoteLine(line); });
}

void ConversionRun::NoteLine(const QByteArray &line)
{
    if (EchoesName(line))
        return;
    if (IsWriteFailureLine(line))
        m_writeFailure = QString::fromUtf8(line.trimmed());
    // The demuxer's word for data the file's index promises but the file does not hold.
    if (line.trimmed().endsWith(": partial file"))
        m_inputEndsEarly = true;
}

QString ConversionRun::Shortfall() const
{
    const double whole = m_job.durationSeconds;
    const double done = m_progress.seconds();
    const bool cut
        = whole > 0 && done >= 0 && whole - done > qMax(kShortSeconds, whole * kShortShare);
    const QString damage = m_cause.damage();
    if (!cut && !m_inputEndsEarly && damage.isEmpty())
        return QString();
    const QString why = cut || m_inputEndsEarly
        ? QCoreApplication::translate("Reasons", "the input file ends early")
        : damage.section(QLatin1Char('\n'), 0, 0);
    if (whole <= 0 || done < 0)
        return QCoreApplication::translate("Reasons", "Partly converted: %1").arg(why);
    return QCoreApplication::translate("Reasons", "Converted %1 of %2: %3")
        .arg(ClockText(qMin(done, whole)), ClockText(whole), why);
}

void ConversionRun::CloseOutput()
{
    m_outNotifier.reset();
    if (m_outRead >= 0) {
        ::close(m_outRead);
        m_outRead = -1;
    }
    m_progressNotifier.reset();
    if (m_progressRead >= 0) {
        ::close(m_progressRead);
        m_progressRead = -1;
    }
}

void ConversionRun::OnStartFailed()
{
    if (m_finished)
        return;
    ReleaseGuard(true);
    RemoveTemporary();
    QString reason = m_process->errorString();
    const int colon = reason.indexOf(QLatin1String(": "));
    if (colon >= 0)
        reason = reason.mid(colon + 2); // "execve: No such file or directory"
    Finish(ItemState::ConverterNotFound, reason);
}

void ConversionRun::OnProcessFinished(int exitCode, bool crashed)
{
    if (m_finished)
        return;
    m_linger.stop();
    OnOutput();
    OnProgressOutput();
    ReleaseGuard(true);
    if (m_cancelRequested) {
        RemoveTemporary();
        Finish(ItemState::Canceled, QString());
        return;
    }
    NoteLine(m_scanLines.pending()); // a last line without an end
    if (m_lingered || crashed || exitCode != 0 || !m_writeFailure.isEmpty()) {
        RemoveTemporary();
        // A crash exit's code is the signal; the run's own kill of a lingering one is no crash.
        const int signal = crashed && !m_lingered ? exitCode : 0;
        Finish(ItemState::Failed,
               ExplainFailure({m_cause.reason(), m_writeFailure, m_lastLine.lastLine(), signal,
                               m_lingered ? -1 : exitCode}));
        return;
    }
    m_shortfall = Shortfall();
    Verify();
}

void ConversionRun::Verify()
{
    // Probing and renaming touch the saving folder, which may be slow: off the window's thread.
    // The task posts its answer only while the run exists; the run forgets it when destroyed.
    const QString temporary = m_temporary;
    std::shared_ptr<VerifyLink> link = m_verifyLink;
    FileSystemPool()->start([link, temporary] {
        QString problem;
        const QFileInfo info(temporary);
        if (!info.exists()) {
            problem = QCoreApplication::translate("Reasons", "The converter wrote no output file");
        } else if (info.size() == 0) {
            problem = QCoreApplication::translate("Reasons",
                                                  "The converter wrote an empty output file");
        } else {
            MediaInfo media;
            const ProbeOutcome outcome
                = ProbeMedia(info.path() + QLatin1Char('/'), info.fileName(), media);
            if (outcome == ProbeOutcome::OpenFailed || outcome == ProbeOutcome::NoStreams
                || outcome == ProbeOutcome::UnknownFormat)
                problem = QCoreApplication::translate(
                    "Reasons", "The converter's output cannot be read as media");
            else if (!HasDecodablePacket(temporary))
                problem = QCoreApplication::translate(
                    "Reasons", "The converter's output holds no audio or video");
        }
        std::lock_guard<std::mutex> lock(link->mutex);
        if (ConversionRun *run = link->run) {
            QMetaObject::invokeMethod(
                run, [run, problem] { run->PlaceOutput(problem.isEmpty(), problem); },
                Qt::QueuedConnection);
        }
    });
}

void ConversionRun::PlaceOutput(bool usable, const QString &problem)
{
    if (m_finished)
        return;
    if (m_cancelRequested || !usable) {
        RemoveTemporary();
        if (m_cancelRequested)
            Finish(ItemState::Canceled, QString());
        else
            Finish(ItemState::Failed, problem);
        return;
    }
    const QByteArray from = QFile::encodeName(m_temporary);
    // Photo and video libraries file a clip under its file's date: the output keeps the input's.
    struct stat input;
    if (m_job.keepDates && ::stat(QFile::encodeName(m_job.input.path).constData(), &input) == 0) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, input.st_mtim};
        ::utimensat(AT_FDCWD, from.constData(), times, 0);
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        bool placed;
        // The row's own earlier output is replaced only while it is still that file.
        if (m_mayReplace && FileStamp::Of(m_final) != m_replaceStamp)
            m_mayReplace = false;
        if (m_mayReplace)
            placed = ::rename(from.constData(), QFile::encodeName(m_final).constData()) == 0;
        else
            placed = RenameNoReplace(m_temporary, m_final);
        if (placed) {
            m_temporary.clear();
            m_output = m_final;
            m_outputStamp = FileStamp::Of(m_final);
            const QString written = (QStringList {m_final} + m_leftOut).join(QLatin1Char('\n'));
            if (m_shortfall.isEmpty())
                Finish(ItemState::Completed, written);
            else
                Finish(ItemState::PartlyConverted, m_shortfall + QLatin1Char('\n') + written);
            return;
        }
        if (errno != EEXIST || !m_nextFreeName)
            break;
        // A file appeared under the final name while the converter ran: it stays.
        m_final = m_nextFreeName();
        m_mayReplace = false;
    }
    const QString reason = QStringLiteral("%1: %2").arg(m_final, ErrnoText(errno));
    RemoveTemporary();
    Finish(ItemState::Failed, reason);
}

void ConversionRun::Finish(ItemState state, const QString &reason)
{
    CloseOutput();
    m_readSampler.stop();
    m_finished = true;
    m_state = state;
    m_reason = reason;
    Q_EMIT Finished();
}

void ConversionRun::RemoveTemporary()
{
    if (!m_temporary.isEmpty()) {
        QFile::remove(m_temporary);
        m_temporary.clear();
    }
}

void ConversionRun::ReleaseGuard(bool programGoesOn)
{
    if (m_guardRead >= 0) {
        ::close(m_guardRead);
        m_guardRead = -1;
    }
    if (m_guardWrite >= 0) {
        // A byte tells the watcher that the run is over and nothing needs killing.
        if (programGoesOn) {
            const char byte = 0;
            [[maybe_unused]] const ssize_t n = ::send(m_guardWrite, &byte, 1, MSG_NOSIGNAL);
        }
        ::close(m_guardWrite);
        m_guardWrite = -1;
    }
}

QString LeftOutOf(const QString &reason, const QString &output)
{
    const QString written = output + QLatin1Char('\n');
    return reason.startsWith(written) ? reason.mid(written.size()) : QString();
}
