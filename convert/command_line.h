#pragma once

#include "convert/conversion_job.h"

#include <QString>
#include <QStringList>

// The converter run for one job: the program, its arguments (no shell ever sees them) and the
// pieces they were made of, so that the whole can also be shown as one line.
struct CommandLine
{
    QString program;
    QString inputPath;
    QString pieces; // "-vcodec wmv2 -acodec wmav2 -qscale 6 -y ", each piece ending with a blank
    QString outputPath;
    QStringList arguments;
};

// The output file's base name: the file name without its last extension (the whole name when
// it has none).
QString OutputBaseName(const QString &fileName);

CommandLine BuildCommandLine(const ConversionJob &job);

// The command as one line: the quoted converter, -i and the quoted input, the pieces, the
// quoted output.
QString RenderCommandLine(const CommandLine &command);

// True when writing `outputPath` would overwrite `inputPath` (the same path, or the same file
// reached through another name).
bool SameFile(const QString &inputPath, const QString &outputPath);
