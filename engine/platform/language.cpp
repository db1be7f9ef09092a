// Picks the user's language and installs the translations for it.
#include "engine/platform/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList WantedLanguages()
{
    const QString forced = qEnvironmentVariable("KELVORA_LANGUAGE");
    if (!forced.isEmpty())
        return {forced};
    return QLocale::system().uiLanguages();
}

QString InstallTranslations(const QString &folder)
{
    auto *application = QCoreApplication::instance();
    if (!application)
        return QString();
    for (const QString &wanted : WantedLanguages()) {
        const QLocale locale(wanted);
        // English is the code's own; "C" and "POSIX" read as English too.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return QString();
        auto kelvora = std::make_unique<QTranslator>(application);
        if (!kelvora->load(locale, QStringLiteral("kelvora"), QStringLiteral("_"), folder))
            continue;
        auto qt = std::make_unique<QTranslator>(application);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt.release());
        QCoreApplication::installTranslator(kelvora.get());
        return kelvora.release()->language();
    }
    return QString();
}

QStringList TranslatedLanguages(const QString &folder)
{
    QStringList languages;
    for (const QString &file :
         QDir(folder).entryList({QStringLiteral("kelvora_*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(8).chopped(3);
    return languages;
}
