#include "app/settings.h"

#include "platform/profile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <climits>

namespace {

const QString kParameters = QStringLiteral("Parameters");
const QString kCurrentSolution = QStringLiteral("Current Solution");
const QString kCurrentSolutionString = QStringLiteral("Current Solution String");
const QString kCurrentFormat = QStringLiteral("Current Format");
const QString kDeleteAfter = QStringLiteral("DeleteAfter");
const QString kRecentSavingFolder = QStringLiteral("Recent Saving Folder");
const QString kFolderKeys[kRecentFolderCount] = {
    QStringLiteral("First Folder"), QStringLiteral("Second Folder"), QStringLiteral("Third Folder"),
    QStringLiteral("Forth Folder"), QStringLiteral("Fivth Folder"),
};

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

void LoadSettings(Settings &settings, const QString &settingsPath)
{
    const Settings defaults;
    const QString defaultFolder = DefaultSavingFolder();
    // An empty path (no configuration folder) reads as a missing file: every default.
    const ProfileFile file(settingsPath);
    settings.preset.id = ParseLeadingInt(
        file.ReadString(kParameters, kCurrentSolution, QString::number(defaults.preset.id)));
    settings.preset.solutionText
        = file.ReadString(kParameters, kCurrentSolutionString, defaults.preset.solutionText);
    settings.preset.formatLabel
        = file.ReadString(kParameters, kCurrentFormat, defaults.preset.formatLabel);
    settings.deleteAfter = file.ReadString(kParameters, kDeleteAfter, defaults.deleteAfter);
    for (int i = 0; i < kRecentFolderCount; ++i)
        settings.folders[i] = file.ReadString(kRecentSavingFolder, kFolderKeys[i], defaultFolder);

    // An id that names no preset could never be converted with; the texts stored beside it
    // belong to nothing either.
    if (!PresetById(settings.preset.id)) {
        const Preset *first = PresetById(0);
        settings.preset.id = 0;
        settings.preset.solutionText = QString::fromLatin1(first->solutionText);
        settings.preset.formatLabel = QString::fromLatin1(first->formatLabel);
    }
}

bool SaveSettings(const Settings &settings, const QString &settingsPath)
{
    if (settingsPath.isEmpty())
        return false;
    ProfileFile file(settingsPath);
    bool ok = true;
    // Each value is written on its own, so one that cannot be stored does not keep the others
    // from the file.
    ok = file.WriteString(kParameters, kCurrentSolution,
                          QString::asprintf("%d", settings.preset.id))
        && ok;
    ok = file.WriteString(kParameters, kCurrentSolutionString, settings.preset.solutionText) && ok;
    ok = file.WriteString(kParameters, kCurrentFormat, settings.preset.formatLabel) && ok;
    ok = file.WriteString(kParameters, kDeleteAfter, settings.deleteAfter) && ok;
    for (int i = 0; i < kRecentFolderCount; ++i)
        ok = file.WriteString(kRecentSavingFolder, kFolderKeys[i], settings.folders[i]) && ok;
    return ok;
}
