// kelvora-convert: its arguments, its presets by name, and the batch it runs with its report.
#include "cli/convert_cli.h"

#include "engine/convert/conversion_run.h"
#include "engine/convert/converter.h"
#include "engine/convert/presets.h"
#include "engine/convert/time_left.h"
#include "engine/media/conversion_list.h"
#include "engine/media/file_names.h"
#include "engine/platform/language.h"
#include "engine/platform/sleep_inhibitor.h"
#include "engine/platform/stop_signals.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int kUsageError = 2;
const char kProgram[] = "kelvora-convert";

QString Simplified(const QString &text)
{
    return text.simplified().toCaseFolded();
}

// The short options that take a value also take it joined to them ("-j4").
bool IsJoinedShortOption(const QByteArray &argument)
{
    return argument.size() > 2 && argument[0] == '-' && QByteArray("poj").contains(argument[1]);
}

bool TakeValue(const QList<QByteArray> &arguments, int *i, const QByteArray &name,
               const QByteArray &argument, QByteArray *value, QString *error)
{
    if (argument.startsWith(name + '=')) {
        *value = argument.mid(name.size() + 1);
        return true;
    }
    if (name.size() == 2 && IsJoinedShortOption(argument)) {
        *value = argument.mid(2);
        return true;
    }
    if (*i + 1 >= arguments.size()) {
        *error = QCoreApplication::translate("Convert", "option %1 needs a value")
                     .arg(QString::fromLatin1(name));
        return false;
    }
    *value = arguments[++*i];
    return true;
}

// The option an argument names ("--preset=x" names "--preset"), or an empty array.
QByteArray OptionName(const QByteArray &argument)
{
    if (!argument.startsWith('-') || argument == "-")
        return QByteArray();
    if (IsJoinedShortOption(argument))
        return argument.left(2);
    const int equals = argument.indexOf('=');
    return equals < 0 ? argument : argument.left(equals);
}

} // namespace

bool ParseArguments(const QList<QByteArray> &arguments, CliOptions *options, QString *error)
{
    *options = CliOptions();
    bool optionsEnd = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        const QByteArray name = optionsEnd ? QByteArray() : OptionName(argument);
        QByteArray value;
        if (name.isEmpty()) {
            options->inputs << CliInput {CliInput::Path, argument};
        } else if (argument == "--") {
            optionsEnd = true;
        } else if (argument == "--help" || argument == "-h") {
            options->help = true;
        } else if (argument == "--version") {
            options->version = true;
        } else if (argument == "--list-presets") {
            options->listPresets = true;
        } else if (argument == "--json") {
            options->json = true;
        } else if (argument == "--null" || argument == "-0") {
            options->nullSeparated = true;
        } else if (argument == "--no-inhibit") {
            options->inhibit = false;
        } else if (argument == "--no-keep-dates") {
            options->keepDates = false;
        } else if (argument == "--recursive" || argument == "-r") {
            options->recursive = true;
        } else if (argument == "--flat") {
            options->flat = true;
        } else if (argument == "--skip-existing") {
            options->skipExisting = true;
        } else if (name == "--watch") {
            if (!TakeValue(arguments, &i, name, argument, &value, error))
                return false;
            if (value.isEmpty()) {
                *error = QCoreApplication::translate("Convert", "option --watch needs a folder");
                return false;
            }
            options->watch << QFile::decodeName(value);
        } else if (name == "--preset" || name == "-p") {
            if (!TakeValue(arguments, &i, name, argument, &value, error))
                return false;
            options->preset = QString::fromUtf8(value);
        } else if (name == "--output" || name == "-o") {
            if (!TakeValue(arguments, &i, name, argument, &value, error))
                return false;
            if (value.isEmpty()) {
                *error = QCoreApplication::translate("Convert", "option --output needs a folder");
                return false;
            }
            options->outputFolder = QFile::decodeName(value);
        } else if (name == "--jobs" || name == "-j") {
            if (!TakeValue(arguments, &i, name, argument, &value, error))
                return false;
            bool ok = false;
            const int jobs = value.toInt(&ok);
            if (!ok || jobs < 1 || jobs > 64) {
                *error = QCoreApplication::translate("Convert",
                                                     "--jobs takes a number from 1 to 64, not '%1'")
                             .arg(QString::fromUtf8(value));
                return false;
            }
            options->jobs = jobs;
        } else if (name == "--size") {
            if (!TakeValue(arguments, &i, name, argument, &value, error))
                return false;
            static const QHash<QByteArray, int> kSizes
                = {{"1080p", 1080}, {"720p", 720}, {"480p", 480}, {"keep", 0}};
            if (!kSizes.contains(value.toLower())) {
                *error = QCoreApplication::translate(
                             "Convert", "--size takes 1080p, 720p, 480p or keep, not '%1'")
                             .arg(QString::fromUtf8(value));
                return false;
            }
            options->sizeLimit = kSizes.value(value.toLower());
        } else if (name == "--from") {
            if (!TakeValue(arguments, &i, name, argument, &value, error))
                return false;
            if (value.isEmpty()) {
                *error = QCoreApplication::translate(
                    "Convert", "option --from needs a list file, or - for standard input");
                return false;
            }
            options->inputs << CliInput {CliInput::List, value};
        } else {
            *error = QCoreApplication::translate("Convert", "unknown option '%1'")
                         .arg(QString::fromUtf8(argument));
            return false;
        }
    }
    return true;
}

QString PresetName(const Preset &preset)
{
    return QString::fromUtf8(*preset.menuText ? preset.menuText : preset.solutionText);
}

QString PresetGroup(const Preset &preset)
{
    return *preset.menuGroup ? QString::fromUtf8(preset.menuGroup) : QStringLiteral("-");
}

const Preset *FindPreset(const QString &text, QList<const Preset *> *candidates)
{
    candidates->clear();
    const QString wanted = Simplified(text);
    if (wanted.isEmpty())
        return nullptr;
    bool isNumber = false;
    const int id = wanted.toInt(&isNumber);
    if (isNumber) {
        if (const Preset *preset = PresetById(id))
            return preset;
        for (const Preset &preset : AllPresets())
            *candidates << &preset;
        return nullptr;
    }
    QList<const Preset *> exact;
    QList<const Preset *> partial;
    for (const Preset &preset : AllPresets()) {
        const QString menu = Simplified(QString::fromUtf8(preset.menuText));
        const QString solution = Simplified(QString::fromUtf8(preset.solutionText));
        if (menu == wanted || solution == wanted)
            exact << &preset;
        else if (menu.contains(wanted) || solution.contains(wanted))
            partial << &preset;
    }
    const QList<const Preset *> &matched = exact.isEmpty() ? partial : exact;
    if (matched.size() == 1)
        return matched.first();
    if (matched.isEmpty()) {
        for (const Preset &preset : AllPresets())
            *candidates << &preset;
    } else {
        *candidates = matched;
    }
    return nullptr;
}

QList<QByteArray> SplitPathList(const QByteArray &data, bool nullSeparated)
{
    QList<QByteArray> paths;
    for (const QByteArray &entry : data.split(nullSeparated ? '\0' : '\n')) {
        if (!entry.isEmpty())
            paths << entry;
    }
    return paths;
}

QByteArray JsonLine(const QString &input, const QString &output, const QString &status,
                    const QString &reason, double seconds, double speed)
{
    QJsonObject object;
    object.insert(QStringLiteral("input"), input);
    object.insert(QStringLiteral("output"), output);
    object.insert(QStringLiteral("status"), status);
    object.insert(QStringLiteral("reason"), reason);
    object.insert(QStringLiteral("seconds"), qRound(seconds * 100) / 100.0);
    if (speed > 0)
        object.insert(QStringLiteral("speed"), qRound(speed * 100) / 100.0);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString BarText(double fraction, int width)
{
    const int filled = qBound(0, static_cast<int>(fraction * width + 0.5), width);
    return QLatin1Char('[') + QString(filled, QLatin1Char('#'))
        + QString(width - filled, QLatin1Char('.')) + QLatin1Char(']');
}

QString HelpText()
{
    return QCoreApplication::translate(
        "Convert",
        "Usage: kelvora-convert --preset ID|NAME [OPTION]... FILE|FOLDER...\n"
        "       kelvora-convert --preset ID|NAME [OPTION]... --from LIST\n"
        "       kelvora-convert --preset ID|NAME [OPTION]... --watch FOLDER [FILE|FOLDER]...\n"
        "Convert media files with Kelvora's presets, without a window.\n"
        "\n"
        "Each file is converted with the same converter command line, output naming and\n"
        "statuses as in the Kelvora window. A FOLDER adds the media files in it, as Add\n"
        "Folder does (any letter case; hidden files and folders are passed over); what it\n"
        "leaves out is named on standard error.\n"
        "\n"
        "Options:\n"
        "  -p, --preset ID|NAME  the target format: a preset id, its menu text or its\n"
        "                        Solution text (case does not matter), or a part of one of\n"
        "                        them that only one preset has (\"wmv\", \"ipod - high\")\n"
        "  -o, --output DIR      the saving folder (default: the current folder); it is\n"
        "                        made when missing\n"
        "  -j, --jobs N          convert N files at a time, 1 to 64 (default: one per\n"
        "                        processor core, at most 8)\n"
        "      --size SIZE       the largest picture height of the presets that take one:\n"
        "                        1080p, 720p, 480p or keep (default: keep)\n"
        "      --from LIST       also convert the paths in the file LIST, one a line\n"
        "                        (\"-\" reads standard input); relative paths are taken\n"
        "                        from the current folder\n"
        "  -r, --recursive       a FOLDER also gives the media files of its sub folders,\n"
        "                        each output going to the same relative path below the\n"
        "                        output folder (folders made as needed)\n"
        "      --flat            every output goes straight into the output folder\n"
        "      --skip-existing   a file whose output (same name in its output folder) is\n"
        "                        there already is not converted again: it is reported\n"
        "                        \"Already Converted\"\n"
        "      --watch FOLDER    watch FOLDER (more than once for more folders; with -r\n"
        "                        its sub folders too) through the kernel's file\n"
        "                        notifications (inotify) and convert each media file\n"
        "                        that arrives once it is complete: written and closed,\n"
        "                        or moved in, and its size unchanged for two seconds.\n"
        "                        Hidden and partial files are never taken; the files\n"
        "                        there at the start count as arrived, and as with\n"
        "                        --skip-existing a file whose output is there is not\n"
        "                        converted again. Runs until SIGTERM or SIGINT\n"
        "  -0, --null            the lists of --from are separated by NUL characters\n"
        "                        (as find -print0 writes them), for names with newlines\n"
        "      --json            print one JSON object a line for each finished file:\n"
        "                        input, output, status, reason, seconds and, where the\n"
        "                        converter told it, speed (seconds of media a second);\n"
        "                        a converted file's reason names the streams its output\n"
        "                        could not take (\"2 picture subtitle tracks cannot go\n"
        "                        into MP4\")\n"
        "      --no-keep-dates   date each output now instead of with its input's\n"
        "                        modification time\n"
        "      --no-inhibit      let the computer suspend when idle during the batch\n"
        "                        (by default a sleep inhibitor is held while it runs)\n"
        "      --list-presets    print each preset's id, group, name and whether the\n"
        "                        converter can make it, then exit\n"
        "  -h, --help            print this help, then exit\n"
        "      --version         print the version, then exit\n"
        "      --                every argument after it is a file or folder, even one\n"
        "                        that starts with -\n"
        "\n"
        "On a terminal a live line shows each running file and a bar the files done, the\n"
        "time elapsed and the time left; otherwise one line is printed for each finished\n"
        "file. The summary goes to standard error. Ctrl-C, SIGTERM or SIGHUP (a closed\n"
        "terminal) stops at once: the running conversions end and leave no partial file.\n"
        "Ctrl-Z pauses the running conversions with the program, fg resumes them.\n"
        "\n"
        "Exit status:\n"
        "  0    every file was converted or already converted\n"
        "  1    some file was not converted (failed, of unknown format or not started),\n"
        "       or standard output could not be written\n"
        "  2    usage error: unknown option or preset, no files, unwritable output folder\n"
        "  129  stopped by SIGHUP\n"
        "  130  stopped by SIGINT (Ctrl-C)\n"
        "  143  stopped by SIGTERM\n"
        "\n"
        "Examples:\n"
        "  kelvora-convert --preset wmv --output ~/converted ~/Videos\n"
        "  kelvora-convert -p 24 -r --skip-existing -o ~/Music/mp3 ~/Music/flac\n"
        "  kelvora-convert -p 24 -o ~/Converted --watch ~/Incoming\n"
        "  find /media -name '*.mp4' -print0 | kelvora-convert -p 19 --null --from -\n");
}

QString VersionText()
{
    return QStringLiteral("kelvora-convert (Kelvora) %1\n").arg(QStringLiteral(KELVORA_VERSION));
}

namespace {

// The first error in writing standard output (a closed pipe, a full disk), else 0.
int g_outputError = 0;
// Standard output was closed when the program started.
bool g_outputClosed = false;

QString SignalName(int signal)
{
    switch (signal) {
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("SIGTERM");
    }
}

void Print(FILE *stream, const QString &text)
{
    // Standard output closed at the start reads /dev/null: what goes there is lost all the same.
    if (stream == stdout && g_outputClosed && g_outputError == 0)
        g_outputError = EBADF;
    const QByteArray bytes = text.toUtf8();
    const size_t written
        = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    if ((written != static_cast<size_t>(bytes.size()) || std::fflush(stream) != 0)
        && stream == stdout && g_outputError == 0)
        g_outputError = errno != 0 ? errno : EIO;
}

// Says that standard output could not be written, when it could not; true then.
bool ReportOutputError()
{
    if (g_outputError == 0)
        return false;
    Print(stderr,
          QCoreApplication::translate("Convert", "%1: cannot write standard output: %2\n")
              .arg(QLatin1String(kProgram), QString::fromLocal8Bit(std::strerror(g_outputError))));
    return true;
}

// A name on one report line: control characters (a newline in a file name) written as "\n",
// "\t", "\r" or "\xNN", so that each finished file keeps exactly one line. --json gives names
// exactly.
QString OneLine(const QString &name)
{
    QString text;
    for (const QChar c : name) {
        if (c == QLatin1Char('\n'))
            text += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            text += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            text += QStringLiteral("\\r");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            text += c;
    }
    return text;
}

int UsageError(const QString &message)
{
    Print(stderr,
          QCoreApplication::translate("Convert", "%1: %2\nTry '%1 --help' for more information.\n")
              .arg(QLatin1String(kProgram), message));
    return kUsageError;
}

QString PresetLines(const QList<const Preset *> &presets)
{
    QString lines;
    for (const Preset *preset : presets)
        lines += QStringLiteral("  %1  %2\n").arg(preset->id, 3).arg(PresetName(*preset));
    return lines;
}

int ListPresets()
{
    const ConverterInfo &converter = Converter();
    Print(stdout,
          QStringLiteral("%1  %2  %3  %4\n")
              .arg(QStringLiteral("ID"), 3)
              .arg(QStringLiteral("GROUP"), -14)
              .arg(QStringLiteral("NAME"), -40)
              .arg(QStringLiteral("CAN MAKE")));
    for (const Preset &preset : AllPresets()) {
        // The encoder list is read once; every encoder the preset runs must be in it.
        bool available = converter.listed && PresetAvailable(preset, converter);
        for (const QString &encoder : PresetEncoders(preset, converter))
            available = available && converter.encoders.contains(encoder);
        Print(stdout,
              QStringLiteral("%1  %2  %3  %4\n")
                  .arg(preset.id, 3)
                  .arg(PresetGroup(preset), -14)
                  .arg(PresetName(preset), -40)
                  .arg(available ? QStringLiteral("yes") : QStringLiteral("no")));
    }
    return 0;
}

// Reads the list `name` ("-": standard input) whole. A stop signal ends the reading at once,
// also while a terminal or a stalled pipe gives nothing, with what was read so far.
bool ReadList(const QByteArray &name, QByteArray *data, QString *error)
{
    const int fd = name == "-" ? STDIN_FILENO : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    auto fail = [&](int code) {
        *error = QCoreApplication::translate("Convert", "cannot read the list %1: %2")
                     .arg(QFile::decodeName(name), QString::fromLocal8Bit(std::strerror(code)));
        if (fd > STDIN_FILENO)
            ::close(fd);
        return false;
    };
    if (fd < 0)
        return fail(errno);
    char buffer[65536];
    while (StopSignals::first() == 0) {
        pollfd watched[2] = {{fd, POLLIN, 0}, {StopSignals::descriptor(), POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (watched[1].revents != 0 || watched[0].revents == 0)
            continue; // the stop is seen through StopSignals::first()
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n < 0)
            return fail(errno);
        if (n == 0)
            break;
        data->append(buffer, static_cast<qsizetype>(n));
    }
    if (fd > STDIN_FILENO)
        ::close(fd);
    return true;
}

// One file that is reported without being converted (unknown format, unreadable name).
struct Refused
{
    QString input;
    ItemState state;
    QString reason;
};

// The batch run from the terminal: the list it drives, and the report.
class Session
{
public:
    // Stop signals end the adds and the batch from the moment the session exists.
    Session(const CliOptions &options, int presetId, const QString &outputFolder,
            StopSignals &stops)
        : m_options(options)
        , m_stops(stops)
        , m_tty(!options.json && ::isatty(STDOUT_FILENO))
    {
        BatchQueue &queue = m_list.batch();
        queue.SetSlots(options.jobs);
        // A watched folder's files are converted once: after a restart, their outputs are there.
        queue.SetSettingsSource([presetId, outputFolder, size = options.sizeLimit,
                                 dates = options.keepDates, tree = !options.flat,
                                 skip = options.skipExisting || !options.watch.isEmpty()] {
            BatchSettings settings;
            settings.presetId = presetId;
            settings.outputFolder = outputFolder;
            settings.sizeLimit = size;
            settings.keepDates = dates;
            settings.keepTree = tree;
            settings.skipExisting = skip;
            return settings;
        });
        // Probed as the window probes, several at a time; a file that is not there, or is no
        // regular file, says so.
        m_list.SetProbe([](const QString &folder, const QString &name) {
            MediaItem item = ProbeItem(folder, name);
            const QFileInfo info(folder + name);
            if (!info.exists()) {
                item.state = ItemState::Failed;
                item.reason = QCoreApplication::translate("Convert", "No such file");
            } else if (!info.isFile()) {
                item.state = ItemState::UnknownFormat;
                item.reason = QCoreApplication::translate("Reasons", "Not a regular file");
            }
            return item;
        });
        QObject::connect(&stops, &StopSignals::Arrived, &m_list,
                         [this](int signal) { OnSignalArrived(signal); });
    }

    // Adds `path` (bytes as given): a file, or the media files in a folder. The adds run in
    // turn once Added waits for them.
    void Add(const QByteArray &path)
    {
        if (!IsValidUtf8(path)) {
            const QString name = EscapedFileName(path);
            m_refused << Refused {
                path.startsWith('/') ? name : QDir::currentPath() + QLatin1Char('/') + name,
                ItemState::UnknownFormat,
                QCoreApplication::translate("Reasons", "The name is not valid UTF-8")};
            return;
        }
        const QFileInfo info(QFile::decodeName(path));
        if (!info.isDir()) {
            m_list.AddPaths({info.absolutePath() + QLatin1Char('/') + info.fileName()});
            return;
        }
        const QString folder = info.absoluteFilePath() + QLatin1Char('/');
        m_list.AddFolder(folder, m_options.recursive, [this, folder](const AddReport &report) {
            const QString prefix
                = QStringLiteral("%1: in %2: ").arg(QLatin1String(kProgram), OneLine(folder));
            for (const QString &line : LeftOutLines(report.leftOut))
                Print(stderr, prefix + OneLine(line) + QLatin1Char('\n'));
            for (const QString &name : report.leftOut.undecodable) {
                if (!name.endsWith(QLatin1Char('/')))
                    m_refused << Refused {
                        folder + name, ItemState::UnknownFormat,
                        QCoreApplication::translate("Reasons", "The name is not valid UTF-8")};
            }
        });
    }

    // Watches each --watch folder; the files there now and those that arrive are converted once
    // Run has started.
    void Watch()
    {
        QObject::connect(
            &m_list, &ConversionList::WatchChanged, &m_list,
            [](const QString &folder, const QString &problem) {
                Print(stderr,
                      problem.isEmpty()
                          ? QCoreApplication::translate("Convert", "%1: watching %2\n")
                                .arg(QLatin1String(kProgram), OneLine(folder))
                          : QCoreApplication::translate(
                                "Convert", "%1: %2: %3; it is watched again when it is back\n")
                                .arg(QLatin1String(kProgram), OneLine(folder), problem));
            });
        for (const QString &folder : m_options.watch)
            m_list.Watch(QFileInfo(folder).absoluteFilePath(), m_options.recursive, true);
    }

    // Waits until every add has ended, or a stop signal ended them.
    void Added()
    {
        if (!m_list.adding())
            return;
        QObject::connect(&m_list, &ConversionList::AddFinished, &m_list, [this] {
            if (!m_list.adding())
                QCoreApplication::quit();
        });
        QCoreApplication::exec();
    }

    int fileCount() const { return m_list.store().count() + static_cast<int>(m_refused.size()); }

    // Converts everything added; returns the exit status.
    int Run()
    {
        const MediaStore &store = m_list.store();
        BatchQueue &queue = m_list.batch();
        m_clock.start();
        for (const Refused &refused : std::as_const(m_refused))
            Report(refused.input, QString(), refused.state, refused.reason, 0);
        QList<ItemId> ids;
        for (int row = 0; row < store.count(); ++row) {
            const MediaItem &item = store.at(row);
            if (item.state != ItemState::Waiting) {
                ++m_notConverted;
                Report(item.path(), QString(), item.state, item.reason, 0);
            } else {
                ids << item.id;
            }
        }
        m_notConverted += static_cast<int>(m_refused.size());
        m_total = fileCount();

        QObject::connect(&queue, &BatchQueue::ItemStarted, &queue,
                         [this](ItemId id) { m_started.insert(id, m_clock.elapsed()); });
        QObject::connect(&queue, &BatchQueue::ItemFinished, &queue,
                         [this](ItemId id, ItemState state) { OnItemFinished(id, state); });
        QObject::connect(&queue, &BatchQueue::Progress, &queue,
                         [this](double fraction) { m_fraction = fraction; });
        // Watching goes on until a stop signal.
        if (!watching())
            QObject::connect(&queue, &BatchQueue::BatchEnded, &queue,
                             [] { QCoreApplication::quit(); });
        QObject::connect(&m_list, &ConversionList::AddFinished, &m_list,
                         [this](const AddReport &report) { OnArrived(report.arrived); });
        m_list.SetConvertArrivals(true);
        // An hour of converting on a machine nobody touches must not end in a suspend.
        m_inhibitor.SetEnabled(m_options.inhibit);
        QObject::connect(&queue, &BatchQueue::BatchStarted, &m_inhibitor, [this] {
            m_inhibitor.Hold(SleepInhibitor::BatchReason(m_list.batch().total()));
        });
        QObject::connect(&queue, &BatchQueue::BatchEnded, &m_inhibitor, &SleepInhibitor::Release);
        m_stops.CatchTerminalStop(true);
        QTimer redraw;
        if (m_tty) {
            QObject::connect(&redraw, &QTimer::timeout, &queue, [this] { Draw(); });
            redraw.start(250);
        }
        // A stop while the files were being probed: nothing starts.
        if (m_signal == 0)
            m_signal = StopSignals::first();
        if (m_signal == 0 && (queue.Start(ids) || watching())) {
            Draw();
            QCoreApplication::exec();
        }
        redraw.stop();
        m_stops.CatchTerminalStop(false);
        Erase();

        // Files a stop left unstarted are reported too: every input has its line.
        for (int row = 0; row < store.count(); ++row) {
            const MediaItem &item = store.at(row);
            if (!m_reported.contains(item.id) && item.state == ItemState::Waiting) {
                ++m_notConverted;
                Report(item.path(), QString(), ItemState::Canceled,
                       QCoreApplication::translate("Convert", "Not started: the batch was stopped"),
                       0);
            }
        }
        const QString took = ClockText(m_clock.elapsed() / 1000.0);
        QString summary = m_partly > 0
            ? QCoreApplication::translate(
                  "Convert", "%1 files: %2 converted, %3 partly converted, %4 not converted, in %5")
                  .arg(m_total)
                  .arg(m_converted)
                  .arg(m_partly)
                  .arg(m_notConverted)
                  .arg(took)
            : m_skipped > 0
            ? QCoreApplication::translate(
                  "Convert",
                  "%1 files: %2 converted, %3 already converted, %4 not converted, in %5")
                  .arg(m_total)
                  .arg(m_converted)
                  .arg(m_skipped)
                  .arg(m_notConverted)
                  .arg(took)
            : QCoreApplication::translate("Convert",
                                          "%1 files: %2 converted, %3 not converted, in %4")
                  .arg(m_total)
                  .arg(m_converted)
                  .arg(m_notConverted)
                  .arg(took);
        if (m_signal != 0)
            summary += QCoreApplication::translate("Convert", "; stopped by %1")
                           .arg(SignalName(m_signal));
        Print(stderr, summary + QLatin1Char('\n'));
        const bool outputLost = ReportOutputError();
        if (m_signal != 0)
            return 128 + m_signal;
        return m_notConverted == 0 && m_partly == 0 && !outputLost ? 0 : 1;
    }

private:
    bool watching() const { return !m_options.watch.isEmpty(); }

    // Files that arrived in a watched folder: counted, and reported at once when they cannot be
    // converted.
    void OnArrived(const QList<ItemId> &ids)
    {
        m_total += static_cast<int>(ids.size());
        for (ItemId id : ids) {
            const MediaItem &item = *m_list.store().Find(id);
            if (item.state != ItemState::Waiting) {
                m_reported.insert(id);
                ++m_notConverted;
                Report(item.path(), QString(), item.state, item.reason, 0);
            }
        }
    }

    void OnItemFinished(ItemId id, ItemState state)
    {
        m_reported.insert(id);
        const MediaItem &item = *m_list.store().Find(id);
        const double seconds
            = (m_clock.elapsed() - m_started.value(id, m_clock.elapsed())) / 1000.0;
        const bool partly = state == ItemState::PartlyConverted;
        if (state == ItemState::Completed)
            ++m_converted;
        else if (partly)
            ++m_partly;
        else if (state == ItemState::AlreadyConverted)
            ++m_skipped;
        else
            ++m_notConverted;
        // A converted file's reason is what of it the output could not take; a partial output
        // is named with how much of the input it holds.
        const bool written = state == ItemState::Completed || partly;
        Report(item.path(), written ? item.output : QString(), state,
               state == ItemState::Completed ? LeftOutOf(item.reason, item.output)
                   : partly                  ? item.reason.section(QLatin1Char('\n'), 0, 0)
                                             : item.reason,
               seconds, m_list.batch().Speed(id));
    }

    void OnSignalArrived(int signal)
    {
        if (signal == SIGTSTP) {
            Suspend();
            return;
        }
        if (m_signal == 0)
            m_signal = signal;
        if (m_stopping)
            return;
        m_stopping = true;
        // Nothing more is added; every converter ends, is waited for and leaves no partial
        // output; BatchEnded follows.
        m_list.CancelAllAdds();
        m_list.batch().Shutdown();
        QCoreApplication::quit();
    }

    // Ctrl-Z: the converters run in process groups of their own, which the terminal does not
    // stop; they are stopped with the program and continued when it is.
    void Suspend()
    {
        const QList<qint64> groups = m_list.batch().ConverterPids();
        for (qint64 group : groups)
            ::kill(-static_cast<pid_t>(group), SIGSTOP);
        Erase();
        ::raise(SIGSTOP);
        // Here again after fg or bg.
        for (qint64 group : groups)
            ::kill(-static_cast<pid_t>(group), SIGCONT);
    }

    void Report(const QString &input, const QString &output, ItemState state, const QString &reason,
                double seconds, double speed = 0)
    {
        if (m_options.json) {
            Print(
                stdout,
                QString::fromUtf8(JsonLine(input, output, StateKey(state), reason, seconds, speed))
                    + QLatin1Char('\n'));
            return;
        }
        QString line = StateText(state) + QLatin1Char(' ') + OneLine(input);
        if (!output.isEmpty())
            line += QStringLiteral(" -> %1 (%2 s)").arg(OneLine(output)).arg(seconds, 0, 'f', 1);
        if (!reason.isEmpty())
            line += QStringLiteral(": ")
                + reason.split(QLatin1Char('\n')).join(QStringLiteral(": ")).simplified();
        Erase();
        Print(stdout, line + QLatin1Char('\n'));
        Draw();
    }

    int Columns() const
    {
        struct winsize size = {};
        if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 10)
            return size.ws_col;
        return 80;
    }

    // The live lines: one per running file, then the overall bar.
    void Draw()
    {
        if (!m_tty || !m_list.batch().IsConverting())
            return;
        Erase();
        const int columns = Columns();
        QStringList lines;
        for (ItemId id : m_list.batch().RunningItems()) {
            const MediaItem &item = *m_list.store().Find(id);
            const QString percent = item.progress >= 0 ? QStringLiteral("%1%").arg(item.progress, 3)
                                                       : QStringLiteral(" --%");
            lines << QStringLiteral("  %1 %2  %3")
                         .arg(BarText(qMax(0, item.progress) / 100.0, 20), percent,
                              OneLine(item.name));
        }
        const double elapsed = m_clock.elapsed() / 1000.0;
        const double batchLeft = m_list.batch().BatchTimeLeft();
        const QString left = batchLeft >= 0 ? ClockText(batchLeft) : QStringLiteral("--:--");
        lines << QCoreApplication::translate("Convert",
                                             "%1 %2%  %3/%4 files done  elapsed %5  left %6")
                     .arg(BarText(m_fraction, 30))
                     .arg(qRound(m_fraction * 100), 3)
                     .arg(m_converted + m_partly + m_skipped + m_notConverted)
                     .arg(m_total)
                     .arg(ClockText(elapsed), left);
        QString text;
        for (const QString &line : std::as_const(lines))
            text += QStringLiteral("\r\x1b[2K") + line.left(columns - 1) + QLatin1Char('\n');
        Print(stdout, text);
        m_drawn = static_cast<int>(lines.size());
    }

    void Erase()
    {
        if (!m_tty || m_drawn == 0)
            return;
        QString text = QStringLiteral("\r\x1b[2K");
        for (int i = 0; i < m_drawn; ++i)
            text += QStringLiteral("\x1b[1A\x1b[2K");
        Print(stdout, text);
        m_drawn = 0;
    }

    const CliOptions &m_options;
    StopSignals &m_stops;
    ConversionList m_list;
    SleepInhibitor m_inhibitor;
    bool m_tty;
    QList<Refused> m_refused;
    QElapsedTimer m_clock;
    QHash<ItemId, qint64> m_started;
    QSet<ItemId> m_reported;
    double m_fraction = 0;
    int m_total = 0;
    int m_converted = 0;
    int m_partly = 0;
    int m_skipped = 0;
    int m_notConverted = 0;
    int m_drawn = 0;
    int m_signal = 0;
    bool m_stopping = false;
};

} // namespace

int RunConvertCli(int argc, char **argv, bool outputClosed)
{
    g_outputClosed = outputClosed;
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    // The application comes first: the messages and the help are in the user's language.
    QCoreApplication app(argc, argv);
    InstallTranslations();
    CliOptions options;
    QString error;
    if (!ParseArguments(arguments, &options, &error))
        return UsageError(error);
    if (options.help) {
        Print(stdout, HelpText());
        return 0;
    }
    if (options.version) {
        Print(stdout, VersionText());
        return 0;
    }

    // Signals are caught from here on; before the batch starts they end the program.
    StopSignals stops;
    if (!stops.Install()) {
        Print(stderr,
              QCoreApplication::translate("Convert", "%1: cannot install the signal handlers\n")
                  .arg(QLatin1String(kProgram)));
        return 1;
    }
    // A reader that went away (`| head -1`) must not end the batch midway: the write fails and
    // is reported instead.
    ::signal(SIGPIPE, SIG_IGN);
    if (options.listPresets)
        return ListPresets();

    if (options.preset.isEmpty())
        return UsageError(QCoreApplication::translate(
            "Convert", "no preset given (--preset ID|NAME; see --list-presets)"));
    QList<const Preset *> candidates;
    const Preset *preset = FindPreset(options.preset, &candidates);
    if (!preset) {
        const bool unknown = candidates.size() == static_cast<int>(AllPresets().size());
        return UsageError(
            (unknown ? QCoreApplication::translate("Convert",
                                                   "unknown preset '%1'; the presets are:\n%2")
                     : QCoreApplication::translate(
                         "Convert", "ambiguous preset '%1'; the presets it matches are:\n%2"))
                .arg(options.preset, PresetLines(candidates).chopped(1)));
    }

    // Resolved as the file system resolves it: "link/.." is the folder above the link's target.
    QString folder = options.outputFolder.isEmpty() ? QDir::currentPath() : options.outputFolder;
    if (QDir::isRelativePath(folder))
        folder = QDir::currentPath() + QLatin1Char('/') + folder;
    if (QDir().mkpath(folder) && !QFileInfo(folder).canonicalFilePath().isEmpty())
        folder = QFileInfo(folder).canonicalFilePath();
    else
        folder = QDir::cleanPath(folder);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()
        || ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return UsageError(QCoreApplication::translate(
                              "Convert", "the output folder %1 cannot be made or written to")
                              .arg(folder));

    // Its own outputs would arrive in a watched saving folder: nothing would ever be converted.
    for (const QString &watched : std::as_const(options.watch)) {
        const QString canonical = QFileInfo(watched).canonicalFilePath();
        if (!canonical.isEmpty() && canonical == folder)
            return UsageError(QCoreApplication::translate(
                                  "Convert", "the output folder %1 cannot be a watched folder")
                                  .arg(folder));
    }

    Session session(options, preset->id, folder, stops);
    session.Watch();
    for (const CliInput &input : std::as_const(options.inputs)) {
        if (StopSignals::first() != 0)
            break;
        if (input.kind == CliInput::Path) {
            session.Add(input.value);
            continue;
        }
        QByteArray data;
        if (!ReadList(input.value, &data, &error))
            return UsageError(error);
        for (const QByteArray &path : SplitPathList(data, options.nullSeparated)) {
            if (StopSignals::first() != 0)
                break;
            session.Add(path);
        }
    }
    session.Added();
    if (StopSignals::first() != 0)
        return session.Run(); // reports what was added as not started, and the signal
    if (session.fileCount() == 0 && options.watch.isEmpty())
        return UsageError(QCoreApplication::translate("Convert", "no files to convert"));
    return session.Run();
}
