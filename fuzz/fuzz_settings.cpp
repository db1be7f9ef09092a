// A settings file with any content: read value by value, loaded as the program's settings,
// and written back both into a fresh file and into the file itself.

#include "engine/settings/profile.h"
#include "engine/settings/settings.h"
#include "fuzz_support.h"

#include <QFile>
#include <QList>

namespace {

// Names that differ only in the case of ASCII letters name the same entry.
QString SwapAsciiCase(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return out;
}

bool SameSettings(const SettingsValues &a, const SettingsValues &b)
{
    if (a.preset.id != b.preset.id || a.preset.solutionText != b.preset.solutionText
        || a.preset.formatLabel != b.preset.formatLabel || a.deleteAfter != b.deleteAfter
        || a.simultaneous != b.simultaneous || a.sizeLimit != b.sizeLimit)
        return false;
    for (int i = 0; i < kRecentFolderCount; ++i) {
        if (a.folders[i] != b.folders[i])
            return false;
    }
    return true;
}

// Reads the entries the text seems to name, the way a reader of the file would look them up.
void ReadNamedEntries(const ProfileFile &file, const QByteArray &bytes)
{
    const QString fallback = QStringLiteral("\x01none\x01");
    QString section;
    int reads = 0;
    for (const QByteArray &rawLine : bytes.split('\n')) {
        if (reads >= 8)
            break;
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.contains(QLatin1Char(']'))) {
            section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = file.ReadString(section, key, fallback);
        FUZZ_CHECK(!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')));
        FUZZ_CHECK(file.ReadString(SwapAsciiCase(section), SwapAsciiCase(key), fallback) == value);
        ++reads;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);
    const QString input = fuzz::ScratchFolder() + QStringLiteral("input.ini");
    const QString fresh = fuzz::ScratchFolder() + QStringLiteral("fresh.ini");
    fuzz::WriteFile(input, bytes);
    QFile::remove(fresh);

    const ProfileFile file(input);
    ReadNamedEntries(file, bytes);

    SettingsValues loaded;
    LoadSettings(loaded, input);
    const Preset *preset = PresetById(loaded.preset.id);
    FUZZ_CHECK(preset != nullptr);
    // The texts are always the preset's own, whatever the file stored beside the id.
    FUZZ_CHECK(loaded.preset.solutionText == QLatin1String(preset->solutionText));
    FUZZ_CHECK(loaded.preset.formatLabel == QLatin1String(preset->formatLabel));
    for (const QString &folder : loaded.folders)
        FUZZ_CHECK(folder.size() < 3 || folder.endsWith(QLatin1Char('/')));
    if (loaded.fileUnreadable) {
        // Only defaults came from it, and they never replace it.
        FUZZ_CHECK(!SaveSettings(loaded, input));
        QFile check(input);
        FUZZ_CHECK(check.open(QIODevice::ReadOnly) && check.readAll() == bytes);
        return 0;
    }

    // Whatever a file held, what was read from it can be stored again and reads back the same.
    FUZZ_CHECK(SaveSettings(loaded, fresh));
    SettingsValues reloaded;
    LoadSettings(reloaded, fresh);
    FUZZ_CHECK(SameSettings(loaded, reloaded));

    // Written over the file's own content, the values read back the same too.
    SettingsValues changed = loaded;
    changed.deleteAfter = QStringLiteral("\" TRUE \"");
    changed.folders[2] = QStringLiteral(" /blank first/");
    changed.simultaneous = 4;
    changed.sizeLimit = 720;
    FUZZ_CHECK(SaveSettings(changed, input));
    SettingsValues rewritten;
    LoadSettings(rewritten, input);
    FUZZ_CHECK(SameSettings(changed, rewritten));
    return 0;
}
