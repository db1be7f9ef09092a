#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct Preset;

// The command-line converter: argument parsing, preset lookup and the report texts, apart from
// the run itself so that they can be tested on their own.

// One source of input paths, in command-line order.
struct CliInput
{
    enum Kind { Path, List };
    Kind kind = Path;
    QByteArray
        value; // a path as given (bytes: names need not be valid UTF-8), or a list ("-": stdin)
};

struct CliOptions
{
    bool help = false;
    bool version = false;
    bool listPresets = false;
    bool json = false;
    bool nullSeparated = false; // lists are NUL-separated instead of one path a line
    bool inhibit = true; // the computer does not suspend when idle while the batch runs
    bool recursive = false; // folders also give the media files of their sub folders
    bool keepDates = true; // each output takes its input's modification time
    bool flat = false; // outputs go straight into the output folder, sub folders or not
    bool skipExisting = false; // a file whose output is there already is not converted again
    QStringList watch; // folders watched for files that arrive, as given
    QString preset; // as given; empty when none was
    QString outputFolder; // as given; empty: the current folder
    int jobs = 0; // 0: one per core, at most 8
    int sizeLimit = 0; // 0 (keep), 1080, 720 or 480
    QList<CliInput> inputs;
};

// Parses the arguments after the program name. False, with a message for standard error, on a
// usage error (unknown option, missing or bad value).
bool ParseArguments(const QList<QByteArray> &arguments, CliOptions *options, QString *error);

// The preset that `text` names: an id, the menu text or the Solution text (case and runs of
// blanks ignored), or a part of one of them that only one preset has. nullptr when none or more
// than one match; `candidates` then holds the presets that matched (every preset when none did).
const Preset *FindPreset(const QString &text, QList<const Preset *> *candidates);
// The name of a preset as --list-presets shows it: its menu text, or its Solution text for a
// preset the menu does not offer.
QString PresetName(const Preset &preset);
// The preset's submenu, or "-" for one the menu does not offer.
QString PresetGroup(const Preset &preset);

// The paths in a list file's contents: one a line (a trailing "\r" is kept, being a valid name
// character), or NUL-separated. Empty entries are dropped.
QList<QByteArray> SplitPathList(const QByteArray &data, bool nullSeparated);

// One finished file as a JSON object on one line (no newline); "speed" (seconds of media per
// second) only where the converter told it, that is when `speed` is above 0.
QByteArray JsonLine(const QString &input, const QString &output, const QString &status,
                    const QString &reason, double seconds, double speed = 0);
// "m:ss" or "h:mm:ss".
QString ClockText(double seconds);
// A bar of `width` cells filled to `fraction` (0..1): "[#####.....]".
QString BarText(double fraction, int width);

QString HelpText();
QString VersionText();

// Runs the program: parses, converts, reports. Returns the exit status, 1 when anything written
// to standard output was lost, as it is when `outputClosed` (it was closed at the start).
int RunConvertCli(int argc, char **argv, bool outputClosed = false);
