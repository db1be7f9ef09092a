// How far the batch's time left is from the truth on a real batch: files of several lengths
// converted side by side through the engine's queue, the estimate read twice a second, and
// compared, once the batch has ended, with the time that was really left at each read.
// Usage: time_left_bench [files, default 40] [slots, default 2] [preset, default 28 (H.264)]

#include "engine/convert/batch_queue.h"
#include "engine/media/media_store.h"
#include "support/media_factory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? atoi(argv[1]) : 40;
    const int slots = argc > 2 ? atoi(argv[2]) : 2;
    const int preset = argc > 3 ? atoi(argv[3]) : 28;
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in/"));
    const QString out = dir.filePath(QStringLiteral("out/"));
    QDir().mkpath(in);
    MediaStore store;
    QList<ItemId> rows;
    double media = 0;
    for (int i = 0; i < files; ++i) {
        testmedia::Clip clip;
        clip.seconds = 2 + (i * 7) % 13; // 2 to 14 s, in no order
        clip.size = QStringLiteral("640x360");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-q:v", "3", "-c:a", "aac"};
        const QString name = QStringLiteral("clip%1.mp4").arg(i, 2, 10, QLatin1Char('0'));
        if (!testmedia::Make(in + name, clip))
            return 1;
        rows << store.Append(ProbeItem(in, name));
        media += clip.seconds;
    }
    BatchQueue batch(&store);
    batch.SetSlots(slots);
    batch.SetSettingsSource([out, preset] {
        BatchSettings settings;
        settings.presetId = preset;
        settings.outputFolder = out;
        return settings;
    });
    struct Read
    {
        double at;
        double left;
    };
    std::vector<Read> reads;
    QElapsedTimer clock;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        reads.push_back({clock.elapsed() / 1000.0, batch.BatchTimeLeft()});
    });
    QObject::connect(&batch, &BatchQueue::BatchEnded, &app, &QCoreApplication::quit);
    clock.start();
    sampler.start(500);
    if (!batch.Start(rows))
        return 1;
    app.exec();
    const double total = clock.elapsed() / 1000.0;

    // The error of each read once a quarter of the time is gone, in percent of the truth.
    std::vector<double> errors;
    int unknown = 0;
    for (const Read &read : reads) {
        if (read.at < total / 4 || total - read.at < 1)
            continue;
        if (read.left < 0) {
            ++unknown;
            continue;
        }
        errors.push_back(std::abs(read.left - (total - read.at)) * 100 / (total - read.at));
    }
    if (qEnvironmentVariableIsSet("TIME_LEFT_READS"))
        for (const Read &read : reads)
            std::printf("%.1f %.1f %.1f\n", read.at, read.left, total - read.at);
    std::sort(errors.begin(), errors.end());
    const auto at = [&errors](double share) {
        return errors.empty() ? 0.0
                              : errors[std::min(errors.size() - 1, size_t(share * errors.size()))];
    };
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    const QByteArray load
        = loadavg.open(QIODevice::ReadOnly) ? loadavg.readLine().split(' ').value(0) : "";
    std::printf("time_left files=%d slots=%d preset=%d media_s=%.0f batch_s=%.1f reads=%zu "
                "unknown=%d error_median=%.1f%% error_p90=%.1f%% error_max=%.1f%% load=%s\n",
                files, slots, preset, media, total, errors.size(), unknown, at(0.5), at(0.9),
                errors.empty() ? 0.0 : errors.back(), load.constData());
    return 0;
}
