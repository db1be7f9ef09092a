// The string table of the program's texts, in English and Chinese.
#include "res/strings.h"

#include "res/resource.h"

#include <QCoreApplication>
#include <QLocale>

#include <map>
#include <optional>

namespace {

struct Texts
{
    const char *english;
    const char *chinese;
};

// clang-format off
const std::map<int, Texts> kStrings = {
    {IDC_BROWSE, {QT_TRANSLATE_NOOP("Strings", "Browse\nSelect a folder for target files"),
                  QT_TRANSLATE_NOOP("Strings", "Browse\nSelect a folder to target files")}},
    {IDC_OPEN_FOLDER, {QT_TRANSLATE_NOOP("Strings", "Open Folder\nOpen the saving folder of target files"),
                       QT_TRANSLATE_NOOP("Strings", "Open Folder\nOpen the target files saving folder")}},
    {ID_LIST_ADD_FILES, {QT_TRANSLATE_NOOP("Strings", "Add files to the list\nAdd a file to convertion list"),
                         QT_TRANSLATE_NOOP("Strings", "Add files to the list\nAdd a file to convertion list")}},
    {ID_ADD_FOLDER, {QT_TRANSLATE_NOOP("Strings", "Add the media files of a folder\nAdd all media files from a folder"),
                     QT_TRANSLATE_NOOP("Strings", "Add the media files of a folder\nAdd all media files from a folder")}},
    {ID_LIST_REMOVE_ALL, {QT_TRANSLATE_NOOP("Strings", "Remove every file from the list\nRemove all listed files"),
                          QT_TRANSLATE_NOOP("Strings", "Remove every file from the list\nRemove all listed files")}},
    {ID_CONVERT_ALL, {QT_TRANSLATE_NOOP("Strings", "Convert the ticked files\nConvert listed files"),
                      QT_TRANSLATE_NOOP("Strings", "Convert the ticked files\nStart converting")}},
    {ID_STOP_CURRENT, {QT_TRANSLATE_NOOP("Strings", "Skip the file being converted\nSkip Current Media File"),
                       QT_TRANSLATE_NOOP("Strings", "Skip the file being converted\nSkip Current Media File")}},
    {ID_STOP_ALL, {QT_TRANSLATE_NOOP("Strings", "Stop converting\nStop all convertion"),
                   QT_TRANSLATE_NOOP("Strings", "Stop converting\nStop all convertion")}},
    {ID_APP_ABOUT, {QT_TRANSLATE_NOOP("Strings", "Program information and version\nAbout Kelvora"),
                    QT_TRANSLATE_NOOP("Strings", "Program information and version\nAbout Kelvora 1.0")}},
};
// clang-format on

std::optional<StringSet> g_forced;

} // namespace

StringSet StringSetFor(const QLocale &locale)
{
    return locale.language() == QLocale::Chinese && locale.territory() == QLocale::China
        ? StringSet::ChinesePrc
        : StringSet::English;
}

StringSet SystemStringSet()
{
    return StringSetFor(QLocale::system());
}

void SetStringSetForTesting(StringSet set)
{
    g_forced = set;
}

void ResetStringSet()
{
    g_forced.reset();
}

QString LoadString(int id, StringSet set)
{
    const auto it = kStrings.find(id);
    if (it == kStrings.end())
        return QString();
    return QCoreApplication::translate(
        "Strings", set == StringSet::ChinesePrc ? it->second.chinese : it->second.english);
}

QString LoadString(int id)
{
    return LoadString(id, g_forced.value_or(SystemStringSet()));
}

QString TooltipText(int id)
{
    if (id == 0)
        return QString();
    const QString text = LoadString(id);
    const int lineBreak = text.indexOf(QLatin1Char('\n'));
    const QString tip = lineBreak < 0 ? text : text.mid(lineBreak + 1);
    return tip.left(79); // the request's text field holds 80 characters with its terminator
}

QString ApplicationName()
{
    return QStringLiteral("Kelvora");
}
