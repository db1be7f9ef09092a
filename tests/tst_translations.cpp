// Every translation is complete and keeps what the code relies on (placeholders, the "&" of an
// accelerator, the tooltip's line break, a count's forms); in each language no two entries of one
// menu answer to one letter, and the command line's help is translated with its options intact
// and its --json statuses left in English.

#include "engine/platform/language.h"
#include "res/resource.h"
#include "ui/res/menus.h"

#include <QDir>
#include <QKeySequence>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// What a translation must keep of its source, sorted: "%1", "%n", "&" (an accelerator) and, in
// the string table, "\n" (before the tooltip).
QStringList Marks(const QString &text, const QString &context)
{
    static const QRegularExpression kMark(QStringLiteral("%[1-9n]|&&|&|\n"));
    QStringList marks;
    for (auto it = kMark.globalMatch(text); it.hasNext();)
        marks << it.next().captured();
    marks.removeAll(QStringLiteral("&&"));
    if (context != QLatin1String("Strings"))
        marks.removeAll(QStringLiteral("\n"));
    marks.sort();
    return marks;
}

// What is wrong with one message, or an empty string.
QString Fault(const QString &context, const QString &source, const QStringList &forms,
              const QString &type, bool numerus)
{
    if (!type.isEmpty())
        return type;
    // A count's text that is not a numerus message is never found for the count.
    if (source.contains(QLatin1String("%n")) != numerus)
        return QStringLiteral("counted, but no numerus message (QT_TRANSLATE_N_NOOP)");
    for (const QString &form : forms) {
        if (form.isEmpty() || Marks(form, context) != Marks(source, context))
            return QStringLiteral("\"%1\" is empty or changes the placeholders, the accelerator "
                                  "or the line break")
                .arg(form);
        if (context == QLatin1String("Strings")
            && form.size() - form.indexOf(QLatin1Char('\n')) - 1 >= 80)
            return QStringLiteral("\"%1\": the tooltip is longer than 79 characters").arg(form);
    }
    return QString();
}

void CheckMenus(const std::vector<MenuTemplateItem> &items, const QString &where)
{
    QHash<int, QString> taken;
    for (const MenuTemplateItem &item : items) {
        const int letter = QKeySequence::mnemonic(item.text)[0].key();
        QVERIFY2(!letter || !taken.contains(letter),
                 qPrintable(where + QStringLiteral(": ") + taken.value(letter) + " " + item.text));
        taken.insert(letter, item.text);
        CheckMenus(item.children, where + QStringLiteral(" > ") + item.text);
    }
}

// What kelvora-convert writes on standard output with `arguments` in the languages wanted.
QByteArray Convert(const QString &languages, const QStringList &arguments = {"--help"})
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("KELVORA_LANGUAGE"));
    environment.insert(QStringLiteral("LANGUAGE"), languages);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KELVORA_CONVERT_PROGRAM), arguments);
    return program.waitForFinished(20000) ? program.readAllStandardOutput() : QByteArray();
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
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == QLatin1String("message"))
                numerus = attributes.value(QLatin1String("numerus")) == QLatin1String("yes");
            else if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                QStringList forms;
                while (numerus && xml.readNextStartElement())
                    forms << xml.readElementText();
                if (!numerus)
                    forms << xml.readElementText();
                const QString fault
                    = Fault(context, source, forms,
                            attributes.value(QLatin1String("type")).toString(), numerus);
                QVERIFY2(fault.isEmpty(), qPrintable(context + " \"" + source + "\": " + fault));
                ++messages;
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
        // Qt's own dialogs speak it too.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
        for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(translator);

        // English wanted first stops there; a language without a translation passes to the next.
        const QByteArray english = Convert(QStringLiteral("en:") + language);
        const QByteArray translated = Convert(QStringLiteral("it:") + language);
        QVERIFY(english.startsWith("Usage: kelvora-convert --preset") && translated != english);
        static const QRegularExpression kOption(QStringLiteral("--[a-z-]+"));
        for (auto it = kOption.globalMatch(QString::fromUtf8(english)); it.hasNext();) {
            const QString option = it.next().captured();
            QVERIFY2(translated.contains(option.toLatin1()), qPrintable(option));
        }
        // What programs read stays English.
        const QTemporaryDir out;
        QVERIFY(Convert(language, {"--json", "-p", "13", "-o", out.path(), "/nonexistent/a.mp4"})
                    .contains("\"status\":\"Convertion Failed!\""));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
