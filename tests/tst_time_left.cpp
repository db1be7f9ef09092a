#include "engine/convert/time_left.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

// Two real conversions of 40 s of 1280x720 video to H.264 on a machine busy with other work: each
// report of the converter's (seconds since the start, position, speed), the last one at the end.
// The second picture turns to noise halfway and takes five times as long.
const char *const kSteady
    = "0.19,0.04,3.27 2.37,2.18,0.987 4.52,3.83,0.878 6.66,5.20,0.799 8.73,6.50,0.759 "
      "10.93,8.15,0.757 13.11,9.59,0.74 15.22,11.05,0.734 17.33,12.40,0.722 19.50,13.77,0.712 "
      "21.56,15.14,0.707 23.70,16.50,0.701 25.97,17.92,0.695 28.13,19.29,0.69 30.23,20.68,0.688 "
      "32.37,22.05,0.685 34.56,23.87,0.694 36.65,25.96,0.711 38.81,28.23,0.731 40.89,30.13,0.74 "
      "42.98,32.22,0.753 45.10,34.27,0.763 47.19,36.22,0.77 49.34,38.42,0.781 52.49,40.03,0.765";
const char *const kChanging
    = "0.13,0.04,3.82 7.33,15.88,2.2 15.14,21.59,1.44 22.29,22.05,0.995 29.98,22.73,0.761 "
      "37.24,23.35,0.629 44.46,24.10,0.544 51.46,24.86,0.484 60.08,25.51,0.426 67.51,25.98,0.386 "
      "75.68,26.42,0.35 83.19,26.86,0.323 90.65,27.46,0.303 97.79,28.02,0.287 105.40,28.63,0.272 "
      "112.64,29.53,0.262 120.32,30.72,0.256 127.96,31.60,0.247 135.53,32.27,0.238 "
      "142.63,32.81,0.23 149.74,33.43,0.223 156.96,33.94,0.216 164.60,34.76,0.211 "
      "171.81,35.59,0.207 178.88,36.22,0.203 186.10,36.82,0.198 193.74,37.36,0.193 "
      "200.85,37.94,0.189 208.25,38.47,0.185 215.79,38.98,0.181 222.82,39.47,0.177 "
      "229.85,39.96,0.174 247.51,40.03,0.162";

// A report: when, the share done, the speed. A read of an estimate: when, what it said, what was
// true, the share of the time gone and the share of the media converted.
using Report = std::array<double, 3>;
using Read = std::array<double, 5>;

// A recording stretched to a file of `length` seconds.
QList<Report> Parse(const char *text, double length)
{
    QList<Report> reports;
    for (const QByteArray &word : QByteArray(text).split(' ')) {
        const QList<QByteArray> v = word.split(',');
        reports << Report {v[0].toDouble() * length / 40, v[1].toDouble() / 40, v[2].toDouble()};
    }
    return reports;
}

// Once a tenth is converted, no move away from counting down faster than kMaxDrift seconds per
// second; once a quarter of the time is gone, if `accurate`, within a fifth of the truth or
// `slack` seconds.
void Check(const QList<Read> &reads, double slack, bool accurate)
{
    for (int i = 1; i < reads.size(); ++i) {
        const auto [at, estimate, truth, share, done] = reads[i];
        const auto [lastAt, lastEstimate, lastTruth, lastShare, lastDone] = reads[i - 1];
        if (lastDone >= 0.1 && lastEstimate >= 0 && at > lastAt) {
            const double drift = qAbs(estimate - lastEstimate + at - lastAt) / (at - lastAt);
            QVERIFY2(drift <= TimeLeftEstimator::kMaxDrift + 1e-6 || estimate == 0,
                     qPrintable(QStringLiteral("moved %1 s/s at %2 s").arg(drift).arg(at)));
        }
        QVERIFY2(!accurate || share < 0.25 || qAbs(estimate - truth) <= 0.2 * truth + slack,
                 qPrintable(QString::asprintf("%g s left said %g at %g s", truth, estimate, at)));
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
        const QList<Report> reports = Parse(steady ? kSteady : kChanging, 40);
        const double total = reports.last()[0];
        TimeLeftEstimator estimate;
        estimate.Reset(1, 0);
        estimate.StartFile(7, lengthKnown ? 40 : 0, 0);
        QCOMPARE(estimate.FileTimeLeft(7, 0), -1.0);
        QList<Read> reads;
        Report last {0, 0, 0};
        for (const auto &[at, done, speed] : reports) {
            const double between = (last[0] + at) / 2;
            reads << Read {between, estimate.FileTimeLeft(7, between), total - between,
                           between / total, last[1]};
            estimate.Report(7, done, lengthKnown ? speed : 0, at);
            reads << Read {at, estimate.FileTimeLeft(7, at), total - at, at / total, done};
            last = {at, done, speed};
        }
        Check(reads, 3, steady);
        QCOMPARE(estimate.Speed(7), lengthKnown ? last[2] : 0.0);
        estimate.EndFile(7, true, total);
        QCOMPARE(estimate.FileTimeLeft(7, total), -1.0);
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
        QList<QList<Report>> recordings;
        QList<double> free(slots, 0.0); // when each slot frees
        // Every event in time order: when, the file, its report's index (-1: its start).
        QList<std::tuple<double, int, int>> events;
        for (int i = 0; i < 40; ++i) {
            lengths << 10 + (i * 37) % 111;
            recordings << Parse(mixed && i % 3 == 2 ? kChanging : kSteady, lengths[i]);
            auto slot = std::min_element(free.begin(), free.end());
            events << std::make_tuple(*slot, i, -1);
            for (int r = 0; r < recordings[i].size(); ++r)
                events << std::make_tuple(*slot + recordings[i][r][0], i, r);
            *slot += recordings[i].last()[0];
        }
        std::sort(events.begin(), events.end());
        const double end = *std::max_element(free.cbegin(), free.cend());
        const double total = std::accumulate(lengths.cbegin(), lengths.cend(), 0.0);

        TimeLeftEstimator estimate;
        estimate.Reset(slots, 0);
        int started = 0;
        bool cut = false;
        QList<double> done(40, 0.0);
        QList<Read> reads;
        for (const auto &[at, file, report] : std::as_const(events)) {
            if (report < 0) {
                estimate.SetWaiting(lengths.mid(++started), at);
                estimate.StartFile(file, lengths[file], at);
            } else if (report + 1 == recordings[file].size()) {
                estimate.EndFile(file, true, at);
                done[file] = 1;
            } else {
                done[file] = qMin(1.0, recordings[file][report][1]);
                estimate.Report(file, done[file], recordings[file][report][2], at);
            }
            double media = 0;
            for (int i = 0; i < 40; ++i)
                media += done[i] * lengths[i];
            reads << Read {at, estimate.BatchTimeLeft(at), end - at, at / end, media / total};
            if (at >= end / 2 && !cut) {
                cut = true;
                // What is taken off the batch counts at once: the waiting files, then the
                // running ones canceled.
                TimeLeftEstimator removed = estimate;
                removed.SetWaiting({}, at);
                double waiting = 0;
                for (int i = started; i < 40; ++i)
                    waiting += recordings[i].last()[0] / slots;
                QVERIFY(started < 40);
                QVERIFY(removed.BatchTimeLeft(at) <= estimate.BatchTimeLeft(at) - waiting / 2);
                for (int i = 0; i < started; ++i)
                    removed.EndFile(i, false, at);
                QCOMPARE(removed.BatchTimeLeft(at), 0.0);
            }
        }
        Check(reads, 10, !mixed);
    }
};

QTEST_GUILESS_MAIN(TestTimeLeft)
#include "tst_time_left.moc"
