#include "res/strings.h"

#include "res/resource.h"

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
    {IDC_BROWSE, {"Browse\nSelect a folder for target files",
                  "Browse\nSelect a folder to target files"}},
    {IDC_OPEN_FOLDER, {"Open Folder\nOpen the saving folder of target files",
                       "Open Folder\nOpen the target files saving folder"}},
    {ID_LIST_ADD_FILES, {"Add files to the list\nAdd a file to convertion list",
                         "Add files to the list\nAdd a file to convertion list"}},
    {ID_ADD_FOLDER, {"Add the media files of a folder\nAdd all media files from a folder",
                     "Add the media files of a folder\nAdd all media files from a folder"}},
    {ID_LIST_REMOVE_ALL, {"Remove every file from the list\nRemove all listed files",
                          "Remove every file from the list\nRemove all listed files"}},
    {ID_CONVERT_ALL, {"Convert the ticked files\nConvert listed files",
                      "Convert the ticked files\nStart converting"}},
    {ID_STOP_CURRENT, {"Skip the file being converted\nSkip Current Media File",
                       "Skip the file being converted\nSkip Current Media File"}},
    {ID_STOP_ALL, {"Stop converting\nStop all convertion",
                   "Stop converting\nStop all convertion"}},
    {ID_APP_ABOUT, {"Program information and version\nAbout Kelvora",
                    "Program information and version\nAbout Kelvora 1.0"}},
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
    return QString::fromUtf8(set == StringSet::ChinesePrc ? it->second.chinese
                                                          : it->second.english);
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
