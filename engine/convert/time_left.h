#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <map>

// A length of time as a clock shows it, rounded to whole seconds: "1:05", "1:02:03"; a negative
// value reads as 0:00.
QString ClockText(double seconds);

// Estimates how long the files of a batch still take to convert, from what the converter reports
// (how far it is and how fast it goes) and how long each file has been converting. Times are
// seconds on a clock the caller keeps, one that stands still while the batch is paused; nothing
// here reads a clock, so one sequence of reports always gives the same estimates.
//
// Estimates settle: once a tenth of a file, or of the batch, is converted (in seconds of media,
// or in files where lengths are unknown), its estimate moves at most kMaxDrift seconds per second
// away from counting down, however the reports jump. A change the
// user makes (files canceled, removed or added to the waiting ones, other slots) counts at once.
class TimeLeftEstimator
{
public:
    static constexpr double kMaxDrift = 2.0;
    static constexpr double kSettledShare = 0.1;

    // A new batch, starting at `now`, of files converted `slots` at a time; forgets every file.
    void Reset(int slots, double now);
    void SetSlots(int slots, double now);
    // The files still waiting, in the order they will start: each one's length in seconds, 0
    // where the length is unknown.
    void SetWaiting(const QList<double> &lengths, double now);

    // File `id` starts converting at `now`; `length` in seconds, 0 when unknown.
    void StartFile(quint64 id, double length, double now);
    // The converter's word on file `id` at `now`: `done`, the share converted (0 to 1: its
    // position over the length, or the share of the file read when the length is unknown), and
    // `speed`, seconds of media converted per second (0 when it does not say).
    void Report(quint64 id, double done, double speed, double now);
    // File `id` ended at `now`; only files converted whole (`completed`) teach the batch's pace.
    void EndFile(quint64 id, bool completed, double now);

    // Seconds file `id` still takes at `now`, or -1 while there is no telling (nothing reported
    // yet, or the file is not converting).
    double FileTimeLeft(quint64 id, double now) const;
    // The converter's last reported speed for file `id` (seconds of media per second), 0 when
    // it never said; kept after the file ended, until Reset.
    double Speed(quint64 id) const;
    // Seconds until every converting and waiting file is done, the slots working side by side;
    // -1 while there is no telling.
    double BatchTimeLeft(double now) const;

private:
    // An estimate that counts down and, once settled, glides towards each new figure rather
    // than jumping to it.
    struct Settling
    {
        double value = -1; // the estimate at `at`; -1: none yet
        double target = -1; // the figure it glides to, as it was at `at`
        double at = 0;
        double At(double now) const;
        void Move(double raw, bool settled, double now);
        // Adds `seconds` at once, to the estimate and to where it glides.
        void Shift(double seconds, double now);
    };

    struct File
    {
        double length = 0;
        double start = 0;
        double end = -1; // -1 while it converts
        double done = 0;
        double speed = 0;
        bool completed = false;
        Settling left;
    };

    double RawFileLeft(const File &file, double now) const;
    double RawBatchLeft(double now) const;
    // The share of the batch converted, 0 to 1.
    double BatchShareDone() const;
    // Recomputes the batch's estimate after what the converter said.
    void UpdateBatch(double now);
    // Applies a change the user made, which the batch's estimate takes at once.
    template<typename Change> void ChangeBatch(double now, Change change);

    int m_slots = 1;
    double m_start = 0;
    QList<double> m_waiting;
    std::map<quint64, File> m_files;
    Settling m_batch;
};
