#include "engine/convert/converter.h"
#include "engine/settings/settings.h"
#include "res/resource.h"
#include "support/files.h"
#include "ui/app/commands.h"
#include "ui/app/kelvora_dlg.h"
#include "ui/controls/chrome/menu_ex.h"
#include "ui/media/media_list.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

// The preset menu and the window against what the converter can make, with a converter stand-in
// that lists no H.265 and no AV1 encoder and otherwise is the real converter.
class TestPresetMenu : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_standIn;

    static bool MissingHere(const Preset &p)
    {
        return p.videoCodec == VideoCodec::X265 || p.videoCodec == VideoCodec::Av1;
    }

    bool WriteScript(const QString &path, const QByteArray &text)
    {
        return testfiles::WriteBytes(path, text)
            && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_standIn = m_dir.filePath(QStringLiteral("ffmpeg"));
        QVERIFY(WriteScript(m_standIn,
                            "#!/bin/sh\n"
                            "if [ \"$1\" = -hide_banner ] && [ \"$2\" = -encoders ]; then\n"
                            "  ffmpeg -hide_banner -encoders | grep -v -E "
                            "' (libx265|libsvtav1|libaom-av1) '\n"
                            "  exit 0\n"
                            "fi\n"
                            "exec ffmpeg \"$@\"\n"));
    }

    void init()
    {
        QFile::remove(SettingsPath());
        UseConverterProgramForTesting(m_standIn);
    }

    void cleanup() { SetConverterForTesting({}); }

    void standInListsWhatItLacks()
    {
        const ConverterInfo &converter = Converter();
        QCOMPARE(converter.program, m_standIn);
        QVERIFY(converter.listed);
        QVERIFY(converter.encoders.contains(QStringLiteral("libx264")));
        QVERIFY(!converter.encoders.contains(QStringLiteral("libx265")));
    }

    void missingEncodersGrayTheirItems()
    {
        CMenuEx menu;
        QVERIFY(menu.LoadFromResource(IDR_PRESET_MENU));
        CKelvoraDlg::ApplyPresetMenuRules(menu, Converter());
        int grayed = 0;
        for (const PresetMenuGroup &group : PresetMenuGroups()) {
            for (int id : group.ids) {
                const Preset &p = *PresetById(id);
                QAction *action = menu.FindAction(PresetMenuId(p.id));
                QVERIFY(action);
                const bool missing = MissingHere(p);
                QVERIFY2(action->isEnabled() == !missing, p.menuText);
                QVERIFY2(action->statusTip().isEmpty() == !missing, p.menuText);
                if (missing) {
                    ++grayed;
                    QVERIFY2(action->statusTip().contains(p.videoCodec == VideoCodec::X265
                                                              ? QLatin1String("libx265")
                                                              : QLatin1String("libsvtav1")),
                             qPrintable(action->statusTip()));
                }
            }
        }
        QCOMPARE(grayed, 6);
    }

    void storedPresetTheConverterCannotMake_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("H.265") << 31 << 0;
        QTest::newRow("AV1") << 38 << 0;
        QTest::newRow("H.264 stays") << 28 << 28;
        QTest::newRow("Opus stays") << 43 << 43;
        QTest::newRow("described stays") << 7 << 7;
    }

    void storedPresetTheConverterCannotMake()
    {
        QFETCH(int, stored);
        QFETCH(int, loaded);
        const Preset *p = PresetById(stored);
        QVERIFY(CreateSettingsFolder(SettingsPath()));
        QVERIFY(testfiles::WriteBytes(SettingsPath(),
                                      "[Parameters]\nCurrent Solution=" + QByteArray::number(stored)
                                          + "\nCurrent Solution String=" + p->solutionText
                                          + "\nCurrent Format=" + p->formatLabel + "\n"));
        const bool changes = stored != loaded;
        // Where nothing is to change, the list is read first, so that the window's check has
        // surely run once the events are delivered.
        if (!changes)
            Converter();
        CKelvoraDlg window;
        QCOMPARE(window.settings().preset.id, stored);
        QCoreApplication::processEvents();
        QTRY_COMPARE_WITH_TIMEOUT(window.settings().preset.id, loaded, kConverterAnswerMs * 2);
        const Preset *now = PresetById(loaded);
        QCOMPARE(window.solutionBox()->text(), SolutionBoxText(*now));
        QCOMPARE(window.settings().preset.formatLabel, QString::fromLatin1(now->formatLabel));
    }

    void sizeLimitChoice_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("limit");
        QTest::newRow("1080p") << "size1080" << ID_SIZE_1080 << 1080;
        QTest::newRow("720p") << "size720" << ID_SIZE_720 << 720;
        QTest::newRow("480p") << "size480" << ID_SIZE_480 << 480;
        QTest::newRow("keep size") << "keepSize" << ID_SIZE_KEEP << 0;
    }

    void sizeLimitChoice()
    {
        QFETCH(QString, command);
        QFETCH(int, item);
        QFETCH(int, limit);
        CKelvoraDlg window;
        QCOMPARE(window.settings().sizeLimit, 0);
        QVERIFY(window.mainMenu().FindAction(ID_SIZE_KEEP)->isChecked());
        window.commands().Find(QStringLiteral("size720"))->trigger();
        window.commands().Find(command)->trigger();
        QCOMPARE(window.settings().sizeLimit, limit);
        for (int id : {ID_SIZE_KEEP, ID_SIZE_1080, ID_SIZE_720, ID_SIZE_480})
            QCOMPARE(window.mainMenu().FindAction(id)->isChecked(), id == item);
        // A value that is none of the choices keeps the size.
        window.SelectSizeLimit(333);
        QCOMPARE(window.settings().sizeLimit, 0);
        QVERIFY(window.mainMenu().FindAction(ID_SIZE_KEEP)->isChecked());
    }

    // A window closed while the list is being read kills that converter; the killed run neither
    // reaches the closed window nor counts as a converter that listed nothing.
    void windowClosedDuringTheLookup()
    {
        const QString slow = m_dir.filePath(QStringLiteral("slow"));
        QVERIFY(
            WriteScript(slow, "#!/bin/sh\nsleep 1\nexec \"" + m_standIn.toUtf8() + "\" \"$@\"\n"));
        UseConverterProgramForTesting(slow);
        {
            CKelvoraDlg window;
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        QVERIFY(Converter().listed);
        QVERIFY(Converter().encoders.contains(QStringLiteral("libx264")));
    }

    // A converter that does not answer counts as listing nothing, once the time limit is over.
    void silentConverterListsNothing()
    {
        const QString silent = m_dir.filePath(QStringLiteral("silent"));
        QVERIFY(WriteScript(silent, "#!/bin/sh\nexec sleep 30\n"));
        bool listed = true;
        QVERIFY(ReadConverterEncoders(silent, 200, &listed).isEmpty());
        QVERIFY(!listed);
    }
};

QTEST_MAIN(TestPresetMenu)
#include "tst_preset_menu.moc"
