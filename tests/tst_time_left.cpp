#include "convert/time_left.h"

#include <QtTest>

#include <algorithm>
#include <numeric>

namespace {

// The converter's reports during two real conversions of 40 s of 1280x720 video to H.264, on a
// machine busy with other work: seconds since the start, position, speed. Then how long each
// took in all. The second picture turns to noise halfway and takes five times as long.
const char *const kSteady
    = "52.51 0.19,0.04,3.27 1.26,1.64,1.5 2.37,2.18,0.987 3.45,3.01,0.924 4.52,3.83,0.878 "
      "5.58,4.55,0.84 6.66,5.20,0.799 7.72,5.92,0.783 8.73,6.50,0.759 9.84,7.29,0.755 "
      "10.93,8.15,0.757 11.98,8.82,0.746 13.11,9.59,0.74 14.14,10.31,0.737 15.22,11.05,0.734 "
      "16.25,11.58,0.72 17.33,12.40,0.722 18.46,13.07,0.714 19.50,13.77,0.712 20.54,14.46,0.71 "
      "21.56,15.14,0.707 22.63,15.83,0.705 23.70,16.50,0.701 24.83,17.22,0.698 25.97,17.92,0.695 "
      "27.06,18.62,0.692 28.13,19.29,0.69 29.17,20.01,0.69 30.23,20.68,0.688 31.32,21.31,0.684 "
      "32.37,22.05,0.685 33.50,22.89,0.687 34.56,23.87,0.694 35.60,24.91,0.703 36.65,25.96,0.711 "
      "37.74,27.07,0.72 38.81,28.23,0.731 39.86,29.21,0.736 40.89,30.13,0.74 41.93,31.11,0.745 "
      "42.98,32.22,0.753 44.03,33.22,0.757 45.10,34.27,0.763 46.11,35.22,0.767 47.19,36.22,0.77 "
      "48.28,37.22,0.774 49.34,38.42,0.781 50.38,39.54,0.787 52.49,40.03,0.765";
const char *const kChanging
    = "247.52 0.13,0.04,3.82 3.23,8.05,2.58 6.32,13.86,2.23 9.37,19.22,2.08 12.84,21.43,1.68 "
      "16.39,21.68,1.33 20.01,21.92,1.1 23.51,22.15,0.948 26.63,22.38,0.845 29.98,22.73,0.761 "
      "33.17,22.98,0.695 36.35,23.26,0.642 39.65,23.56,0.596 43.05,23.94,0.557 46.35,24.31,0.526 "
      "50.06,24.70,0.495 53.70,25.12,0.469 57.66,25.38,0.441 61.14,25.54,0.419 64.55,25.75,0.4 "
      "68.04,26.03,0.383 71.87,26.28,0.366 75.68,26.42,0.35 78.79,26.63,0.338 82.21,26.81,0.327 "
      "85.67,27.07,0.316 88.82,27.35,0.308 92.44,27.58,0.299 95.98,27.86,0.291 99.57,28.16,0.283 "
      "103.01,28.51,0.277 106.35,28.67,0.27 109.47,29.11,0.266 112.64,29.53,0.262 "
      "115.93,30.11,0.26 119.41,30.58,0.256 123.16,31.09,0.253 126.42,31.41,0.249 "
      "129.51,31.76,0.245 132.83,32.06,0.242 136.58,32.36,0.237 140.15,32.60,0.233 "
      "143.92,32.90,0.229 147.04,33.20,0.226 150.53,33.50,0.223 154.52,33.73,0.219 "
      "158.38,34.08,0.215 161.94,34.43,0.213 165.37,34.85,0.211 168.39,35.17,0.209 "
      "171.81,35.59,0.207 175.55,35.94,0.205 178.88,36.22,0.203 182.36,36.45,0.2 "
      "185.44,36.75,0.198 189.24,37.05,0.196 192.52,37.26,0.194 195.77,37.57,0.192 "
      "199.49,37.82,0.19 203.17,38.10,0.188 206.51,38.33,0.186 210.01,38.61,0.184 "
      "213.51,38.84,0.182 217.01,39.07,0.18 220.04,39.28,0.179 223.69,39.52,0.177 "
      "227.06,39.75,0.175 230.70,39.96,0.173 247.51,40.03,0.162";
constexpr double kRecordedLength = 40;

struct Report
{
    double at = 0;
    double position = 0;
    double speed = 0;
};

struct Recording
{
    double total = 0;
    QList<Report> reports;
};

// A recording stretched to a file of `length` seconds.
Recording Parse(const char *text, double length)
{
    const double scale = length / kRecordedLength;
    const QList<QByteArray> words = QByteArray(text).split(' ');
    Recording recording {words[0].toDouble() * scale, {}};
    for (const QByteArray &word : words.mid(1)) {
        const QList<QByteArray> v = word.split(',');
        recording.reports << Report {v[0].toDouble() * scale, v[1].toDouble() * scale,
                                     v[2].toDouble()};
    }
    return recording;
}

// Every read of an estimate: when, what it said, what was true, the share of the time gone and
// the share of the media converted.
struct Read
{
    double at;
    double estimate;
    double truth;
    double share;
    double done;
};

// Once a tenth is converted, no move away from counting down faster than kMaxDrift seconds per
// second; once a quarter of the time is gone, `accurate`: within a fifth of the truth, or `slack`
// seconds.
void Check(const QList<Read> &reads, double slack, bool accurate)
{
    for (int i = 1; i < reads.size(); ++i) {
        const Read &a = reads[i - 1];
        const Read &b = reads[i];
        if (a.done < 0.1 || a.estimate < 0 || b.at <= a.at)
            continue;
        const double drift = qAbs(b.estimate - a.estimate + (b.at - a.at)) / (b.at - a.at);
        QVERIFY2(drift <= TimeLeftEstimator::kMaxDrift + 1e-6 || b.estimate == 0,
                 qPrintable(QStringLiteral("moved %1 s/s at %2 s").arg(drift).arg(b.at)));
    }
    for (const Read &read : reads) {
        if (accurate && read.share >= 0.25) {
            QVERIFY2(qAbs(read.estimate - read.truth) <= 0.2 * read.truth + slack,
                     qPrintable(QStringLiteral("%1 s left said %2 s at %3 s")
                                    .arg(read.truth)
                                    .arg(read.estimate)
                                    .arg(read.at)));
        }
    }
}

} // namespace

class TestTimeLeft : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneFile_data()
    {
        QTest::addColumn<bool>("steady");
        QTest::addColumn<bool>("lengthKnown"); // without it: the share read, and no speed
        QTest::newRow("steady") << true << true;
        QTest::newRow("steady, length unknown") << true << false;
        QTest::newRow("slows down halfway") << false << true;
        QTest::newRow("slows down halfway, length unknown") << false << false;
    }

    // The file's estimate read at every report and halfway to the next.
    void oneFile()
    {
        QFETCH(bool, steady);
        QFETCH(bool, lengthKnown);
        const Recording recording = Parse(steady ? kSteady : kChanging, kRecordedLength);
        TimeLeftEstimator estimate;
        estimate.Reset(1, 0);
        estimate.StartFile(7, lengthKnown ? kRecordedLength : 0, 0);
        QCOMPARE(estimate.FileTimeLeft(7, 0), -1.0);
        QList<Read> reads;
        double last = 0;
        double done = 0;
        for (const Report &report : recording.reports) {
            const double between = (last + report.at) / 2;
            reads << Read {between, estimate.FileTimeLeft(7, between), recording.total - between,
                           between / recording.total, done};
            estimate.Report(7, report.position / kRecordedLength, lengthKnown ? report.speed : 0,
                            report.at);
            done = report.position / kRecordedLength;
            reads << Read {report.at, estimate.FileTimeLeft(7, report.at),
                           recording.total - report.at, report.at / recording.total, done};
            last = report.at;
        }
        Check(reads, 3, steady);
        QCOMPARE(estimate.Speed(7), lengthKnown ? recording.reports.last().speed : 0.0);
        estimate.EndFile(7, true, recording.total);
        QCOMPARE(estimate.FileTimeLeft(7, recording.total), -1.0);
    }

    void batch_data()
    {
        QTest::addColumn<int>("slots");
        QTest::addColumn<bool>("mixed"); // every third file slows down halfway: no telling
        QTest::newRow("one at a time") << 1 << false;
        QTest::newRow("two side by side") << 2 << false;
        QTest::newRow("four side by side") << 4 << false;
        QTest::newRow("four side by side, mixed") << 4 << true;
    }

    // 40 files of 10 to 120 s converted `slots` at a time as the queue does; the batch's
    // estimate read at every report.
    void batch()
    {
        QFETCH(int, slots);
        QFETCH(bool, mixed);
        QList<double> lengths;
        QList<Recording> recordings;
        for (int i = 0; i < 40; ++i) {
            lengths << 10 + (i * 37) % 111;
            recordings << Parse(mixed && i % 3 == 2 ? kChanging : kSteady, lengths.last());
        }
        // When each file starts and ends, the next file taking the slot that frees first.
        QList<double> starts;
        QList<double> free(slots, 0.0);
        for (const Recording &recording : std::as_const(recordings)) {
            auto slot = std::min_element(free.begin(), free.end());
            starts << *slot;
            *slot += recording.total;
        }
        const double end = *std::max_element(free.cbegin(), free.cend());
        // Every event in time order: a file's start (-1), report (its index) or end (-2).
        struct Event
        {
            double at;
            int file;
            int report;
        };
        QList<Event> events;
        for (int i = 0; i < 40; ++i) {
            events << Event {starts[i], i, -1} << Event {starts[i] + recordings[i].total, i, -2};
            for (int r = 0; r < recordings[i].reports.size(); ++r)
                events << Event {starts[i] + recordings[i].reports[r].at, i, r};
        }
        std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
            return a.at < b.at || (a.at == b.at && a.report == -2 && b.report != -2);
        });

        TimeLeftEstimator estimate;
        estimate.Reset(slots, 0);
        estimate.SetWaiting(lengths, 0);
        int started = 0;
        bool cut = false;
        QList<double> doneOf(40, 0.0);
        const double total = std::accumulate(lengths.cbegin(), lengths.cend(), 0.0);
        double media = 0;
        QList<Read> reads;
        for (const Event &event : std::as_const(events)) {
            const double before = lengths[event.file] * doneOf[event.file];
            if (event.report == -1) {
                estimate.SetWaiting(lengths.mid(++started), event.at);
                estimate.StartFile(event.file, lengths[event.file], event.at);
            } else if (event.report == -2) {
                estimate.EndFile(event.file, true, event.at);
                doneOf[event.file] = 1;
            } else {
                const Report &report = recordings[event.file].reports[event.report];
                doneOf[event.file] = qMin(1.0, report.position / lengths[event.file]);
                estimate.Report(event.file, doneOf[event.file], report.speed, event.at);
            }
            media += lengths[event.file] * doneOf[event.file] - before;
            reads << Read {event.at, estimate.BatchTimeLeft(event.at), end - event.at,
                           event.at / end, media / total};
            if (event.at >= end / 2 && !cut) {
                // Files taken off the batch count at once: only the running ones are left.
                TimeLeftEstimator removed = estimate;
                removed.SetWaiting({}, event.at);
                double waiting = 0;
                for (int i = started; i < 40; ++i)
                    waiting += recordings[i].total / slots;
                QVERIFY(started < 40);
                QVERIFY(removed.BatchTimeLeft(event.at)
                        <= estimate.BatchTimeLeft(event.at) - waiting / 2);
                for (int i = 0; i < started; ++i) // and so do canceled ones
                    removed.EndFile(i, false, event.at);
                QCOMPARE(removed.BatchTimeLeft(event.at), 0.0);
                cut = true;
            }
        }
        QVERIFY(reads.size() > 500);
        Check(reads, 10, !mixed);
    }
};

QTEST_GUILESS_MAIN(TestTimeLeft)
#include "tst_time_left.moc"
