#pragma once

#include <QString>
#include <QtGlobal>

// The list's duration text: "hh:mm:ss" with at least two digits per part (hours may take up to
// five), or "Unknown" from 100000 hours on, which is where an unknown or negative duration lands.
QString FormatDuration(quint32 seconds);
