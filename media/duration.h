#pragma once

#include <QString>
#include <QtGlobal>

// The list's duration text: "hh:mm:ss" with at least two digits per part (hours may take up to
// five), or "Unknown" from 100000 hours on, which is where an unknown or negative duration lands.
QString FormatDuration(quint32 seconds);

// The inverse of FormatDuration as the queue reads it back: up to three colon-separated fields of
// at most two characters each (an optional sign counts as one), read like scanf's "%2d:%2d:%2d";
// reading stops at the first mismatch and a field that was not read counts as 0. Hours of three
// or more digits are therefore cut to their first two ("100:00:00" gives 36000).
int ParseDuration(const QString &text);
