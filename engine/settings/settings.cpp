// Loads, checks and saves what the program keeps between runs.
#include "engine/settings/settings.h"

#include "engine/settings/profile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <iterator>
#include <utility>

namespace {

const QString kParameters = QStringLiteral("Parameters");
const QString kCurrentSolution = QStringLiteral("Current Solution");
const QString kCurrentSolutionString = QStringLiteral("Current Solution String");
const QString kCurrentFormat = QStringLiteral("Current Format");
const QString kDeleteAfter = QStringLiteral("DeleteAfter");
const QString kSimultaneous = QStringLiteral("Simultaneous Conversions");
const QString kKeepAwake = QStringLiteral("Keep the Computer Awake");
const QString kKeepDates = QStringLiteral("Keep Original File Dates");
const QString kSubFolders = QStringLiteral("Include Sub Folders");
const QString kWindowSize = QStringLiteral("Window Size");
const QString kWindowMaximized = QStringLiteral("Window Maximized");
const QString kSkipConverted = QStringLiteral("Skip Converted Files");
const QString kConvertArrivals = QStringLiteral("Convert As They Arrive");
const QString kWatchedFolders = QStringLiteral("Watched Folders");
const QString kWatchedCount = QStringLiteral("Count");
const QString kSizeLimit = QStringLiteral("Size Limit");
const QString kRecentSavingFolder = QStringLiteral("Recent Saving Folder");
const QString kFolderKeys[kRecentFolderCount] = {
    QStringLiteral("First Folder"), QStringLiteral("Second Folder"), QStringLiteral("Third Folder"),
    QStringLiteral("Forth Folder"), QStringLiteral("Fivth Folder"),
};

// Entries shorter than this ("C:", "/") are not folders the list offers; they are kept as stored.
constexpr int kShortestFolder = 3;

// Blanks skipped, an optional sign, then the leading decimal digits; text without leading digits
// gives 0, a number beyond int's range its nearest end.
int ParseLeadingInt(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9');
         ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        return value > static_cast<long long>(INT_MAX) + 1 ? INT_MIN : int(-value);
    return value > INT_MAX ? INT_MAX : int(value);
}

// `value` when it is one of `allowed`, else 0.
template<size_t N> int Allowed(int value, const int (&allowed)[N])
{
    return std::find(std::begin(allowed), std::end(allowed), value) == std::end(allowed) ? 0
                                                                                         : value;
}

// The stored number when it is exactly one of `allowed`, else 0.
template<size_t N> int AllowedValue(const QString &stored, const int (&allowed)[N])
{
    bool isNumber = false;
    const int value = stored.trimmed().toInt(&isNumber);
    return isNumber ? Allowed(value, allowed) : 0;
}

// "<width>x<height>", each from 1 to 100000; anything else is no size.
QSize ParseSize(const QString &stored)
{
    const QStringList parts = stored.trimmed().split(QLatin1Char('x'));
    if (parts.size() != 2)
        return QSize();
    bool wide = false;
    bool high = false;
    const int width = parts[0].toInt(&wide);
    const int height = parts[1].toInt(&high);
    if (!wide || !high || width < 1 || height < 1 || width > 100000 || height > 100000)
        return QSize();
    return QSize(width, height);
}

// A folder without its separator would be glued to the output's name ("Videosclip.mp4").
QString WithTrailingSeparator(const QString &folder)
{
    if (folder.size() < kShortestFolder || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

} // namespace

QString SettingsPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return {};
    return config + QStringLiteral("/Orvane/kelvora.ini");
}

bool CreateSettingsFolder(const QString &settingsPath)
{
    if (settingsPath.isEmpty())
        return false;
    return QDir().mkpath(QFileInfo(settingsPath).path());
}

QString DefaultSavingFolder()
{
    QString home = QDir::homePath();
    if (!home.endsWith(QLatin1Char('/')))
        home += QLatin1Char('/');
    return home + QStringLiteral("Mymedia/");
}

void LoadSettings(SettingsValues &settings, const QString &settingsPath)
{
    const SettingsValues defaults;
    const QString defaultFolder = DefaultSavingFolder();
    // An empty path (no configuration folder) reads as a missing file: every default.
    const ProfileSnapshot file = ProfileFile(settingsPath).Read();
    settings.fileUnreadable = file.state() == ProfileSnapshot::State::Unreadable;
    // It is left alone rather than replaced by defaults: the user is told why choices made now
    // will not be kept.
    if (settings.fileUnreadable)
        std::fprintf(stderr,
                     "kelvora: the settings file %s cannot be read (larger than 1 MB or not a "
                     "file); it is left as it is and this session's settings are not saved\n",
                     qPrintable(settingsPath));

    // The texts are the preset's own: texts stored beside the id may belong to another preset
    // (a file edited by hand or left by another build), and an id that names no preset could
    // never be converted with.
    const Preset *preset = PresetById(ParseLeadingInt(
        file.ReadString(kParameters, kCurrentSolution, QString::number(defaults.preset.id))));
    if (!preset)
        preset = PresetById(0);
    settings.preset.id = preset->id;
    settings.preset.solutionText = QString::fromLatin1(preset->solutionText);
    settings.preset.formatLabel = QString::fromLatin1(preset->formatLabel);

    settings.deleteAfter = file.ReadString(kParameters, kDeleteAfter, defaults.deleteAfter);
    settings.simultaneous = AllowedValue(file.ReadString(kParameters, kSimultaneous, QString()),
                                         kSimultaneousChoices);
    settings.sizeLimit
        = AllowedValue(file.ReadString(kParameters, kSizeLimit, QString()), kSizeLimits);
    // A value that is no choice keeps the computer awake, as a batch of an hour needs.
    settings.keepAwake
        = file.ReadString(kParameters, kKeepAwake, QString()).trimmed() != QLatin1String("0");
    settings.keepDates
        = file.ReadString(kParameters, kKeepDates, QString()).trimmed() != QLatin1String("0");
    static constexpr int kOffOn[] = {0, 1};
    settings.subFolders
        = AllowedValue(file.ReadString(kParameters, kSubFolders, QString()), kOffOn);
    settings.skipConverted
        = AllowedValue(file.ReadString(kParameters, kSkipConverted, QString()), kOffOn);
    settings.convertArrivals
        = AllowedValue(file.ReadString(kParameters, kConvertArrivals, QString()), kOffOn);
    settings.watched.clear();
    const int watched
        = qBound(0, ParseLeadingInt(file.ReadString(kWatchedFolders, kWatchedCount, QString())),
                 kMaxWatchedFolders);
    for (int i = 1; i <= watched; ++i) {
        const QString folder = WithTrailingSeparator(
            file.ReadString(kWatchedFolders, QStringLiteral("Folder %1").arg(i), QString()));
        if (folder.startsWith(QLatin1Char('/')))
            settings.watched.append(
                {folder,
                 AllowedValue(file.ReadString(kWatchedFolders,
                                              QStringLiteral("Sub Folders %1").arg(i), QString()),
                              kOffOn)
                     == 1});
    }
    settings.windowSize = ParseSize(file.ReadString(kParameters, kWindowSize, QString()));
    const QString maximized = file.ReadString(kParameters, kWindowMaximized, QString());
    settings.windowMaximized = AllowedValue(maximized, kOffOn);
    settings.windowMaximizedStored = !maximized.isEmpty();
    for (int i = 0; i < kRecentFolderCount; ++i)
        settings.folders[i] = WithTrailingSeparator(
            file.ReadString(kRecentSavingFolder, kFolderKeys[i], defaultFolder));
}

bool SaveSettings(const SettingsValues &settings, const QString &settingsPath)
{
    if (settingsPath.isEmpty() || settings.fileUnreadable)
        return false;
    QList<ProfileFile::Entry> entries {
        {kParameters, kCurrentSolution, QString::asprintf("%d", settings.preset.id)},
        {kParameters, kCurrentSolutionString, settings.preset.solutionText},
        {kParameters, kCurrentFormat, settings.preset.formatLabel},
        {kParameters, kDeleteAfter, settings.deleteAfter},
        {kParameters, kSimultaneous, QString::asprintf("%d", settings.simultaneous)},
        {kParameters, kSizeLimit, QString::asprintf("%d", settings.sizeLimit)},
        {kParameters, kKeepAwake, settings.keepAwake ? QStringLiteral("1") : QStringLiteral("0")},
        {kParameters, kKeepDates, settings.keepDates ? QStringLiteral("1") : QStringLiteral("0")},
        {kParameters, kSubFolders, QString::asprintf("%d", settings.subFolders ? 1 : 0)},
        {kParameters, kSkipConverted, QString::asprintf("%d", settings.skipConverted ? 1 : 0)},
        {kParameters, kConvertArrivals, QString::asprintf("%d", settings.convertArrivals ? 1 : 0)},
    };
    if (settings.windowSize.isValid())
        entries.append({kParameters, kWindowSize,
                        QString::asprintf("%dx%d", settings.windowSize.width(),
                                          settings.windowSize.height())});
    if (settings.windowMaximized || settings.windowMaximizedStored)
        entries.append({kParameters, kWindowMaximized, settings.windowMaximized ? "1" : "0"});
    for (int i = 0; i < kRecentFolderCount; ++i)
        entries.append({kRecentSavingFolder, kFolderKeys[i], settings.folders[i]});
    // Always the count: the folders past it, once forgotten, are not read back.
    entries.append({kWatchedFolders, kWatchedCount, QString::number(settings.watched.size())});
    for (int i = 0; i < settings.watched.size(); ++i) {
        entries.append(
            {kWatchedFolders, QStringLiteral("Folder %1").arg(i + 1), settings.watched[i].folder});
        entries.append(
            {kWatchedFolders, QStringLiteral("Sub Folders %1").arg(i + 1),
             settings.watched[i].subFolders ? QStringLiteral("1") : QStringLiteral("0")});
    }

    // One value that cannot be stored does not keep the others from the file.
    const qsizetype all = entries.size();
    entries.removeIf([](const ProfileFile::Entry &entry) {
        return !ProfileFile::CanStore(entry.section, entry.key, entry.value);
    });
    return ProfileFile(settingsPath).WriteStrings(entries) && entries.size() == all;
}

Settings::Settings(QString path, QObject *parent)
    : QObject(parent)
    , m_path(std::move(path))
{
    LoadSettings(m_values, m_path);
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &Settings::Save);
    connect(this, &Settings::Changed, &m_saveTimer, qOverload<>(&QTimer::start));
}

Settings::~Settings()
{
    if (IsSaveDue())
        Save();
}

void Settings::SetPreset(int id)
{
    const Preset *preset = PresetById(id);
    if (!preset || id == m_values.preset.id)
        return;
    m_values.preset.id = id;
    m_values.preset.solutionText = QString::fromLatin1(preset->solutionText);
    m_values.preset.formatLabel = QString::fromLatin1(preset->formatLabel);
    Q_EMIT Changed();
}

void Settings::SetSimultaneous(int slots)
{
    slots = Allowed(slots, kSimultaneousChoices);
    if (slots == m_values.simultaneous)
        return;
    m_values.simultaneous = slots;
    Q_EMIT Changed();
}

void Settings::SetSizeLimit(int limit)
{
    limit = Allowed(limit, kSizeLimits);
    if (limit == m_values.sizeLimit)
        return;
    m_values.sizeLimit = limit;
    Q_EMIT Changed();
}

void Settings::SetKeepAwake(bool on)
{
    if (on == m_values.keepAwake)
        return;
    m_values.keepAwake = on;
    Q_EMIT Changed();
}

void Settings::SetKeepDates(bool on)
{
    if (on == m_values.keepDates)
        return;
    m_values.keepDates = on;
    Q_EMIT Changed();
}

void Settings::SetSubFolders(bool on)
{
    if (on == m_values.subFolders)
        return;
    m_values.subFolders = on;
    Q_EMIT Changed();
}

void Settings::SetWindowMaximized(bool on)
{
    if (on == m_values.windowMaximized)
        return;
    m_values.windowMaximized = on;
    Q_EMIT Changed();
}

void Settings::SetSkipConverted(bool on)
{
    if (on == m_values.skipConverted)
        return;
    m_values.skipConverted = on;
    Q_EMIT Changed();
}

void Settings::SetConvertArrivals(bool on)
{
    if (on == m_values.convertArrivals)
        return;
    m_values.convertArrivals = on;
    Q_EMIT Changed();
}

void Settings::AddWatched(const SettingsValues::WatchedFolder &watched)
{
    QList<SettingsValues::WatchedFolder> &list = m_values.watched;
    for (SettingsValues::WatchedFolder &kept : list) {
        if (kept.folder == watched.folder) {
            if (kept == watched)
                return;
            kept = watched;
            Q_EMIT Changed();
            return;
        }
    }
    if (list.size() >= kMaxWatchedFolders)
        return;
    list.append(watched);
    Q_EMIT Changed();
}

void Settings::ClearWatched()
{
    if (m_values.watched.isEmpty())
        return;
    m_values.watched.clear();
    Q_EMIT Changed();
}

void Settings::SetWindowSize(const QSize &size)
{
    if (size == m_values.windowSize)
        return;
    m_values.windowSize = size;
    Q_EMIT Changed();
}

void Settings::PushRecentFolder(const QString &folder)
{
    for (int i = kRecentFolderCount - 1; i > 0; --i)
        m_values.folders[i] = m_values.folders[i - 1];
    m_values.folders[0] = folder;
    Q_EMIT Changed();
}

bool Settings::Save()
{
    m_saveTimer.stop();
    CreateSettingsFolder(m_path);
    return SaveSettings(m_values, m_path);
}
