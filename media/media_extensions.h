#pragma once

#include <QString>

// True when the extension of `fullPath` (the text after its last dot, case-sensitive) is one of
// the media extensions that adding a folder takes: mp4 mpg wmv wma asf vob aac flv avi dat rm ts.
// The window's Add Folder and the command-line converter's folders share this rule.
bool HasMediaExtension(const QString &fullPath);
