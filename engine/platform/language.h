#pragma once

#include <QString>
#include <QStringList>

// The user's language: KELVORA_LANGUAGE when set ("de", "pt_BR" ...), otherwise the desktop's
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), most wanted first.
QStringList WantedLanguages();

// Installs Kelvora's translation for the first wanted language that has one, with Qt's own for
// its dialogs, on the running application. English, or a language without a translation, installs
// nothing: the texts stay the English ones of the code. Returns the translation's language
// ("de", "pt_BR" ...), or an empty string for English. `folder` holds kelvora_<language>.qm.
QString InstallTranslations(const QString &folder = QStringLiteral(":/i18n"));

// The languages Kelvora is translated into, as the translation files name them.
QStringList TranslatedLanguages(const QString &folder = QStringLiteral(":/i18n"));
