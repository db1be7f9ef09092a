// Runs a fuzz target once over every file of the corpus folders given as arguments, so that a
// build without libFuzzer still checks each seed (and each input that once crashed).

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s corpus-folder...\n", argv[0]);
        return 2;
    }
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QFile::decodeName(argv[i]));
        const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QFileInfo &info : files) {
            QFile file(info.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(info.filePath()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            std::fprintf(stderr, "%s (%lld bytes)\n", qPrintable(info.fileName()),
                         static_cast<long long>(bytes.size()));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                   static_cast<size_t>(bytes.size()));
            ++replayed;
        }
    }
    // An empty or missing corpus checks nothing and must not pass for a check.
    if (replayed == 0) {
        std::fprintf(stderr, "no input found\n");
        return 1;
    }
    std::fprintf(stderr, "%d inputs replayed\n", replayed);
    return 0;
}
