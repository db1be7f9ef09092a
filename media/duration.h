#pragma once

#include <QString>
#include <QtGlobal>

// The list's duration text: "hh:mm:ss" with at least two digits per part (hours may take up to
// five), or "Unknown" from 100000 hours on, which is where an unknown or negative duration lands.
QString FormatDuration(quint32 seconds);

// The inverse of FormatDuration as the queue reads it back: up to three colon-separated fields,
// read like scanf's "%d:%2d:%2d": the hours whole (every duration the list shows, up to 99999
// hours, comes back as itself), minutes and seconds at most two characters each (an optional
// sign counts as one). Reading stops at the first mismatch and a field that was not read counts
// as 0. A total beyond int's range gives its nearest end.
int ParseDuration(const QString &text);
