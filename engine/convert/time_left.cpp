// Estimates the time a file and a batch still take, and writes lengths of time as clocks.
#include "engine/convert/time_left.h"

#include <QtGlobal>

#include <functional>
#include <queue>
#include <vector>

double TimeLeftEstimator::Settling::At(double now) const
{
    if (value < 0)
        return -1;
    // Glides from the value to the target at kMaxDrift seconds per second, while both count down.
    const double elapsed = qMax(0.0, now - at);
    const double step = kMaxDrift * elapsed;
    return qMax(0.0, value + qBound(-step, target - value, step) - elapsed);
}

void TimeLeftEstimator::Settling::Move(double raw, bool settled, double now)
{
    if (raw < 0)
        return; // no new word: the last estimate goes on
    if (value < 0 || !settled) {
        value = target = raw;
        at = now;
        return;
    }
    value = At(now);
    target = raw;
    at = now;
}

void TimeLeftEstimator::Settling::Shift(double seconds, double now)
{
    if (value < 0)
        return;
    const double counted = At(now);
    target = qMax(0.0, target - (now - at) + seconds);
    value = qMax(0.0, counted + seconds);
    at = now;
}

void TimeLeftEstimator::Reset(int slots, double now)
{
    m_slots = qMax(1, slots);
    m_start = now;
    m_waiting.clear();
    m_files.clear();
    m_batch = Settling();
}

void TimeLeftEstimator::SetSlots(int slots, double now)
{
    ChangeBatch(now, [this, slots] { m_slots = qMax(1, slots); });
}

void TimeLeftEstimator::SetWaiting(const QList<double> &lengths, double now)
{
    ChangeBatch(now, [this, &lengths] { m_waiting = lengths; });
}

void TimeLeftEstimator::StartFile(quint64 id, double length, double now)
{
    ChangeBatch(now, [this, id, length, now] {
        File file;
        file.length = qMax(0.0, length);
        file.start = now;
        m_files[id] = file;
    });
}

void TimeLeftEstimator::Report(quint64 id, double done, double speed, double now)
{
    const auto it = m_files.find(id);
    if (it == m_files.end() || it->second.end >= 0)
        return;
    File &file = it->second;
    file.done = qBound(0.0, done, 1.0);
    if (speed > 0)
        file.speed = speed;
    file.left.Move(RawFileLeft(file, now), file.done >= kSettledShare, now);
    UpdateBatch(now);
}

void TimeLeftEstimator::EndFile(quint64 id, bool completed, double now)
{
    const auto it = m_files.find(id);
    if (it == m_files.end() || it->second.end >= 0)
        return;
    File &file = it->second;
    if (!completed) {
        // What a canceled or failed file still had to do is off the batch at once.
        ChangeBatch(now, [&file, now] { file.end = now; });
        return;
    }
    file.end = now;
    file.completed = true;
    file.done = 1;
    UpdateBatch(now);
}

double TimeLeftEstimator::FileTimeLeft(quint64 id, double now) const
{
    const auto it = m_files.find(id);
    if (it == m_files.end() || it->second.end >= 0)
        return -1;
    return it->second.left.At(now);
}

double TimeLeftEstimator::Speed(quint64 id) const
{
    const auto it = m_files.find(id);
    return it == m_files.end() ? 0 : it->second.speed;
}

double TimeLeftEstimator::BatchTimeLeft(double now) const
{
    return m_batch.At(now);
}

double TimeLeftEstimator::RawFileLeft(const File &file, double now) const
{
    if (file.done >= 1)
        return 0;
    // The converter's speed leaves out its own start, which the clock of the file counts.
    if (file.speed > 0 && file.length > 0)
        return file.length * (1 - file.done) / file.speed;
    const double elapsed = now - file.start;
    if (file.done <= 0 || elapsed <= 0)
        return -1;
    return elapsed * (1 - file.done) / file.done;
}

double TimeLeftEstimator::RawBatchLeft(double now) const
{
    // The pace of one converter in seconds of media per second, from the files of known length
    // with their starts and ends; and how long a whole file takes, for files of unknown length.
    double media = 0;
    double busy = 0;
    double wholeTime = 0;
    int wholeCount = 0;
    double runningWhole = 0;
    int runningCount = 0;
    for (const auto &entry : m_files) {
        const File &file = entry.second;
        if (file.end >= 0) {
            if (!file.completed)
                continue;
            if (file.length > 0) {
                media += file.length;
                busy += file.end - file.start;
            }
            wholeTime += file.end - file.start;
            ++wholeCount;
            continue;
        }
        // The first moments of a conversion tell little of its pace.
        if (file.done < kSettledShare)
            continue;
        if (file.length > 0) {
            media += file.length * file.done;
            busy += now - file.start;
        }
        if (const double left = file.left.At(now); left >= 0) {
            runningWhole += now - file.start + left;
            ++runningCount;
        }
    }
    const double pace = busy > 0 ? media / busy : 0;
    double typical = -1;
    if (wholeCount > 0)
        typical = wholeTime / wholeCount;
    else if (runningCount > 0)
        typical = runningWhole / runningCount;

    // The slots side by side: each waiting file starts in the slot that frees first.
    std::priority_queue<double, std::vector<double>, std::greater<double>> slots;
    double last = 0;
    int running = 0;
    for (const auto &entry : m_files) {
        const File &file = entry.second;
        if (file.end >= 0)
            continue;
        // At the batch's pace, which counts what each file costs beyond the converter's own
        // speed (its start, the check of its output); the file's own estimate otherwise.
        double left = file.length > 0 && pace > 0 ? file.length * (1 - file.done) / pace
                                                  : file.left.At(now);
        if (left < 0 && typical >= 0)
            left = qMax(0.0, typical - (now - file.start));
        if (left < 0)
            return -1;
        slots.push(left);
        last = qMax(last, left);
        ++running;
    }
    for (int i = running; i < m_slots; ++i)
        slots.push(0);
    for (double length : m_waiting) {
        const double takes = length > 0 && pace > 0 ? length / pace : typical;
        if (takes < 0)
            return -1;
        const double end = slots.top() + takes;
        slots.pop();
        slots.push(end);
        last = qMax(last, end);
    }
    return last;
}

double TimeLeftEstimator::BatchShareDone() const
{
    // By seconds of media where every length is known, else by files.
    double total = 0;
    double done = 0;
    double files = m_waiting.size();
    double filesDone = 0;
    bool lengthsKnown = true;
    for (double length : m_waiting) {
        total += length;
        lengthsKnown = lengthsKnown && length > 0;
    }
    for (const auto &entry : m_files) {
        const File &file = entry.second;
        const double share = file.end >= 0 ? 1 : file.done;
        total += file.length;
        done += file.length * share;
        files += 1;
        filesDone += share;
        lengthsKnown = lengthsKnown && file.length > 0;
    }
    if (lengthsKnown && total > 0)
        return done / total;
    return files > 0 ? filesDone / files : 0;
}

void TimeLeftEstimator::UpdateBatch(double now)
{
    // Settled by the share truly done: an early estimate of what is left can be far out.
    m_batch.Move(RawBatchLeft(now), BatchShareDone() >= kSettledShare, now);
}

template<typename Change> void TimeLeftEstimator::ChangeBatch(double now, Change change)
{
    const double before = RawBatchLeft(now);
    change();
    const double after = RawBatchLeft(now);
    if (after == 0) {
        m_batch.Move(0, false, now); // nothing left is nothing left, however it glided
    } else if (m_batch.value >= 0 && before >= 0 && after >= 0) {
        m_batch.Shift(after - before, now);
    } else {
        UpdateBatch(now);
    }
}

QString ClockText(double seconds)
{
    const qint64 total = qMax<qint64>(0, qRound64(seconds));
    const qint64 h = total / 3600;
    const qint64 m = total / 60 % 60;
    const qint64 s = total % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(h)
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}
