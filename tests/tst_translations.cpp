// Every translation is complete and keeps what the code relies on: the placeholders, one "&"
// where the English has one, the tooltip after the line break; and in each language no two
// entries of one menu answer to the same letter.

#include "engine/platform/language.h"
#include "res/resource.h"
#include "ui/res/menus.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The placeholders of a text, sorted: "%1", "%n" ...
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression kPlaceholder(QStringLiteral("%(?:[1-9]|n)"));
    QStringList found;
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The letter a menu text answers to, or a null character.
QChar Accelerator(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&'))
            return text[i + 1] == QLatin1Char('&') ? QChar() : text[i + 1].toLower();
    }
    return QChar();
}

int Ampersands(const QString &text)
{
    return int(text.count(QLatin1Char('&')) - 2 * text.count(QStringLiteral("&&")));
}

// What is wrong with one message, or an empty string.
QString Fault(const QString &context, const QString &source, const QStringList &forms,
              const QString &type, bool numerus)
{
    if (!type.isEmpty())
        return QStringLiteral("is %1").arg(type);
    // A count's text without its forms is never found for the count (QT_TRANSLATE_N_NOOP).
    if (source.contains(QLatin1String("%n")) != numerus)
        return QStringLiteral("is counted with %n but not a numerus message, or the reverse");
    for (const QString &form : forms) {
        if (form.isEmpty())
            return QStringLiteral("has an empty form");
        if (Placeholders(form) != Placeholders(source))
            return QStringLiteral("\"%1\" changes the placeholders").arg(form);
        if (Ampersands(form) != Ampersands(source))
            return QStringLiteral("\"%1\" changes the accelerator").arg(form);
        const int lineBreak = int(form.indexOf(QLatin1Char('\n')));
        if (context == QLatin1String("Strings")
            && (lineBreak < 0) != !source.contains(QLatin1Char('\n')))
            return QStringLiteral("\"%1\" loses the tooltip's line break").arg(form);
        if (context == QLatin1String("Strings") && form.size() - lineBreak - 1 >= 80)
            return QStringLiteral("\"%1\": the tooltip is longer than 79 characters").arg(form);
    }
    return QString();
}

void CheckMenus(const std::vector<MenuTemplateItem> &items, const QString &where)
{
    QHash<QChar, QString> taken;
    for (const MenuTemplateItem &item : items) {
        const QChar letter = Accelerator(item.text);
        QVERIFY2(letter.isNull() || !taken.contains(letter),
                 qPrintable(QStringLiteral("%1: \"%2\" and \"%3\"")
                                .arg(where, taken.value(letter), item.text)));
        if (!letter.isNull())
            taken.insert(letter, item.text);
        CheckMenus(item.children, where + QStringLiteral(" > ") + item.text);
    }
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void complete_data()
    {
        QTest::addColumn<QString>("file");
        const QDir folder(QStringLiteral(KELVORA_SOURCE_DIR "/translations"));
        const QStringList files = folder.entryList({QStringLiteral("kelvora_*.ts")});
        QCOMPARE(files.size(), 6);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }

    void complete()
    {
        QFETCH(QString, file);
        QFile ts(file);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString context, source;
        bool numerus = false;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("message")) {
                numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                QStringList forms;
                if (numerus) {
                    while (xml.readNextStartElement())
                        forms << xml.readElementText();
                } else {
                    forms << xml.readElementText();
                }
                ++messages;
                const QString fault = Fault(context, source, forms, type, numerus);
                QVERIFY2(fault.isEmpty(),
                         qPrintable(QStringLiteral("%1 \"%2\" %3").arg(context, source, fault)));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 300);
    }

    void menusAndHelp_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : TranslatedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void menusAndHelp()
    {
        QFETCH(QString, language);
        qputenv("KELVORA_LANGUAGE", language.toLatin1());
        QCOMPARE(InstallTranslations(), language);
        for (int menu : {IDR_MAIN_MENU, IDR_LIST_MENU, IDR_PRESET_MENU})
            CheckMenus(*MenuTemplate(menu), language);
        for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(translator);

        // The command line's help in the desktop's language, its options as they are.
        const auto help = [](const QString &languages) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QStringLiteral("KELVORA_LANGUAGE"));
            environment.insert(QStringLiteral("LANGUAGE"), languages);
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(KELVORA_CONVERT_PROGRAM), {QStringLiteral("--help")});
            return program.waitForFinished(20000) ? program.readAllStandardOutput() : QByteArray();
        };
        const QByteArray english = help(QStringLiteral("en"));
        const QByteArray translated = help(language + QStringLiteral(":en"));
        QVERIFY(english.startsWith("Usage: kelvora-convert --preset"));
        QVERIFY(translated != english);
        static const QRegularExpression kOption(QStringLiteral("--[a-z-]+"));
        for (auto it = kOption.globalMatch(QString::fromUtf8(english)); it.hasNext();) {
            const QString option = it.next().captured();
            QVERIFY2(translated.contains(option.toLatin1()), qPrintable(option));
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
