#pragma once

#include <QString>
#include <QStringList>

// The one table of media extensions: what the converter reads as audio or video. The Add Files
// dialog's filter, Add Folder, folder drops, the desktop entry's MimeType list and the
// command-line converter's folders all take it from here.

// True when the extension of `fullPath` (the text after its last dot, in any letter case) is one
// of the media extensions. A name without a dot has none.
bool HasMediaExtension(const QString &fullPath);

// The patterns of every media extension, "*.mp4 *.m4v ...", for a file dialog's filter.
QString MediaNamePatterns();

// The MIME types of the table, each once, in the table's order.
QStringList MediaMimeTypes();
