// Measures how far a converter has read an input of unknown length.
#include "engine/convert/read_progress.h"

#include "engine/platform/proc_reader.h"

#include <algorithm>
#include <limits>

namespace {

// A wrapper script is one level, a shell inside it another.
constexpr int kChildLevels = 2;

int PercentOf(qint64 offset, qint64 size)
{
    if (offset >= size)
        return 100;
    // Below the end, offset * 100 only overflows for files of many petabytes.
    if (offset <= std::numeric_limits<qint64>::max() / 100)
        return int(offset * 100 / size);
    return int(double(offset) / double(size) * 100.0);
}

} // namespace

ReadProgress::ReadProgress(qint64 pid, const QString &inputPath)
    : m_pid(pid)
    , m_childLevels(0)
    , m_inputPath(inputPath)
{ }

ReadProgress::ReadProgress(GroupLeader leader, const QString &inputPath)
    : m_pid(leader.pid)
    , m_childLevels(kChildLevels)
    , m_inputPath(inputPath)
{ }

int ReadProgress::Percent()
{
    const int now = Sample();
    if (now >= 0)
        m_last = std::max(m_last, now);
    return m_last;
}

int ReadProgress::Sample()
{
#ifdef __linux__
    if (m_pid <= 0 || !IdentifyInput())
        return -1;
    Position position;
    // The process found last is asked first: it keeps the file open until it is done with it.
    const bool found = (m_holder > 0 && ReadPositionIn(m_holder, position))
        || FindHolder(m_pid, m_childLevels, position);
    if (!found || position.size <= 0)
        return -1;
    return PercentOf(position.offset, position.size);
#else
    return -1;
#endif
}

bool ReadProgress::IdentifyInput()
{
    // The input's identity is taken once: the converter has it open by then, and a name that
    // later points elsewhere must not change which descriptor is followed.
    if (m_input.isEmpty())
        m_input = FileStamp::OfPlainFile(m_inputPath, true);
    return !m_input.isEmpty();
}

bool ReadProgress::ReadPositionIn(qint64 pid, Position &position) const
{
    bool found = false;
    for (const int fd : OpenDescriptors(pid)) {
        const FileStamp file = DescriptorFile(pid, fd);
        if (!file.IsSameFile(m_input))
            continue;
        const qint64 offset = DescriptorPosition(pid, fd);
        if (offset < 0)
            continue;
        // Should the file be open more than once, the descriptor that got furthest counts.
        if (!found || offset > position.offset)
            position.offset = offset;
        position.size = file.size;
        found = true;
    }
    return found;
}

bool ReadProgress::FindHolder(qint64 pid, int levels, Position &position)
{
    if (ReadPositionIn(pid, position)) {
        m_holder = pid;
        return true;
    }
    if (levels <= 0)
        return false;
    for (const qint64 child : ChildProcesses(pid)) {
        if (FindHolder(child, levels - 1, position))
            return true;
    }
    return false;
}
