#pragma once

#include <QLocale>
#include <QString>

// The string table. Each text exists in an English and a Chinese (PRC) set; the set follows the
// system locale. Texts of buttons and commands are "prompt\ntooltip".
enum class StringSet { English, ChinesePrc };

// The set that the system locale picks: Chinese in China, English otherwise.
StringSet SystemStringSet();
StringSet StringSetFor(const QLocale &locale);
// Forces a set (tests); ResetStringSet() goes back to the system's choice.
void SetStringSetForTesting(StringSet set);
void ResetStringSet();

// The text of string resource `id` in the current set; empty when there is none.
QString LoadString(int id);
QString LoadString(int id, StringSet set);

// The tooltip of a control or command: the part of its string after the first line break (the
// whole string when it has none), at most 80 characters.
QString TooltipText(int id);

// The application's name, the caption of its message boxes.
QString ApplicationName();
