// Keeps the running program's list in a file, to offer it back after a crash.
#include "engine/settings/session_file.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr quint32 kMagic = 0x4b4c5653; // "KLVS"
constexpr quint32 kVersion = 2;
// A session of the first version keeps no item's tree.
constexpr quint32 kWithoutTrees = 1;
// Larger than any list a person keeps: a file beyond it is not a session.
constexpr qint64 kMaxFileBytes = 512 * 1024 * 1024;
// The fewest bytes an item takes: its four texts take four bytes each even when empty.
constexpr qint64 kMinItemBytes = 16;

bool Save(const QString &path, const QByteArray &data)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

QDataStream &operator<<(QDataStream &out, const MediaItem &item)
{
    const MediaInfo &info = item.info;
    return out << item.folder << item.name << item.checked << qint32(item.state) << item.reason
               << item.output << item.device << item.inode << info.videoCodecId << info.audioCodecId
               << qint32(info.outcome) << info.durationSeconds << info.durationKnown << info.width
               << info.height << info.videoBitRate << info.frameRate << info.audioBitRate
               << info.channels << info.sampleRate;
}

QDataStream &operator>>(QDataStream &in, MediaItem &item)
{
    MediaInfo &info = item.info;
    qint32 state = 0;
    qint32 outcome = 0;
    in >> item.folder >> item.name >> item.checked >> state >> item.reason >> item.output
        >> item.device >> item.inode >> info.videoCodecId >> info.audioCodecId >> outcome
        >> info.durationSeconds >> info.durationKnown >> info.width >> info.height
        >> info.videoBitRate >> info.frameRate >> info.audioBitRate >> info.channels
        >> info.sampleRate;
    if (state < 0 || state > qint32(ItemState::AlreadyConverted) || outcome < 0
        || outcome > qint32(ProbeOutcome::OpenFailed))
        in.setStatus(QDataStream::ReadCorruptData);
    item.state = ItemState(state);
    info.outcome = ProbeOutcome(outcome);
    return in;
}

} // namespace

QString SessionFile::DefaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative value is to be ignored, as if it were not set.
    if (!state.startsWith(QLatin1Char('/'))) {
        const QString home = QDir::homePath();
        if (home.isEmpty() || home == QLatin1String("/"))
            return {};
        state = home + QStringLiteral("/.local/state");
    }
    return QDir::cleanPath(state) + QStringLiteral("/kelvora/");
}

SessionFile::SessionFile(QString folder, QObject *parent)
    : QObject(parent)
    , m_folder(std::move(folder))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kWriteEveryMs);
    connect(&m_timer, &QTimer::timeout, this, &SessionFile::WriteInBackground);
    m_writer.setMaxThreadCount(1);
}

SessionFile::~SessionFile()
{
    if (m_timer.isActive())
        WriteNow();
    m_writer.waitForDone();
}

bool SessionFile::Claim()
{
    if (m_owned)
        return true;
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return false;
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("session.lock"));
    // Only a running copy holds the session: one whose process is gone lets go of it at once.
    m_lock->setStaleLockTime(0);
    m_owned = m_lock->tryLock(0)
        || (m_lock->error() == QLockFile::LockFailedError && m_lock->removeStaleLockFile()
            && m_lock->tryLock(0));
    return m_owned;
}

bool SessionFile::ReadLeft(SessionContent *content) const
{
    if (!m_owned)
        return false;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() <= kMaxFileBytes && Decode(file.readAll(), content))
        return true;
    // Read again at every start it would fail again: out of the way, kept for a look.
    const QString aside = m_folder + QStringLiteral("session.bad");
    QFile::remove(aside);
    file.close();
    if (!QFile::rename(path(), aside))
        QFile::remove(path());
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                                "Session",
                                "kelvora: the session file %1 cannot be read; it was "
                                "moved to %2")
                                .arg(path(), aside)));
    return false;
}

void SessionFile::ScheduleWrite()
{
    // Not restarted by later changes: a steady stream of them still writes every so often.
    if (m_owned && !m_closed && !m_timer.isActive())
        m_timer.start();
}

bool SessionFile::WriteNow()
{
    m_timer.stop();
    m_writer.waitForDone();
    if (!m_owned || m_closed || !m_source)
        return false;
    return Save(path(), Encode(m_source()));
}

void SessionFile::WriteInBackground()
{
    if (!m_owned || m_closed || !m_source)
        return;
    // The list is read here, on the thread that changes it; the copy is the worker's alone.
    m_writer.start([content = m_source(), path = path()] { Save(path, Encode(content)); });
}

void SessionFile::Keep()
{
    WriteNow();
    m_closed = true;
}

void SessionFile::Close()
{
    if (!m_owned)
        return;
    m_closed = true;
    m_timer.stop();
    m_writer.waitForDone();
    QFile::remove(path());
    m_lock->unlock();
    m_owned = false;
}

void SessionFile::Discard()
{
    if (!m_owned)
        return;
    m_writer.waitForDone();
    QFile::remove(path());
}

QByteArray SessionFile::Encode(const SessionContent &content)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << quint32(content.items.size());
    for (const MediaItem &item : content.items)
        out << item << item.subFolder;
    out << content.batchRows;
    return data;
}

bool SessionFile::Decode(const QByteArray &data, SessionContent *content)
{
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 version = 0;
    quint32 count = 0;
    in >> magic >> version >> count;
    // Nothing is reserved for more than the data can hold: a damaged count must not take all the
    // memory there is.
    if (in.status() != QDataStream::Ok || magic != kMagic
        || (version != kVersion && version != kWithoutTrees)
        || count > quint64(data.size()) / kMinItemBytes)
        return false;
    content->items.clear();
    content->items.reserve(count);
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        MediaItem item;
        in >> item;
        if (version != kWithoutTrees)
            in >> item.subFolder;
        // An output is never written outside the saving folder.
        if (item.subFolder.startsWith(QLatin1Char('/'))
            || item.subFolder.split(QLatin1Char('/')).contains(QStringLiteral("..")))
            return false;
        content->items.push_back(std::move(item));
    }
    quint32 rows = 0;
    in >> rows;
    if (in.status() != QDataStream::Ok
        || rows > quint64(data.size() - in.device()->pos()) / sizeof(qint32))
        return false;
    content->batchRows.clear();
    content->batchRows.reserve(rows);
    for (quint32 i = 0; i < rows && in.status() == QDataStream::Ok; ++i) {
        qint32 row = 0;
        in >> row;
        content->batchRows << row;
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return false;
    for (int row : std::as_const(content->batchRows)) {
        if (row < 0 || row >= int(count))
            return false;
    }
    return true;
}
