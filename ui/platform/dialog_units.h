#pragma once

#include <QFont>
#include <QRect>

// Dialog layouts are given in dialog units: a quarter of the dialog font's average character
// width horizontally, an eighth of its height vertically. These helpers turn them into pixels
// the way the layouts were designed for, rounding included, so that the About box, the
// properties window and the main window come out in the proportions they were drawn in.

struct DialogBaseUnits
{
    int x = 0; // average character width in pixels
    int y = 0; // character height in pixels
};

// The font of every dialog: the platform's default sans-serif family at 8 points.
QFont DialogFont();

// The base units of `font`: the width of the 52 letters A-Z, a-z divided by 52 (rounded as
// (width / 26 + 1) / 2) and the font's height.
DialogBaseUnits BaseUnitsOf(const QFont &font);

// a * b / c computed in 64 bits and rounded to the nearest integer, halves away from zero;
// -1 when c is 0.
int MulDiv(int a, int b, int c);

// `dialogUnits` (x, y, width, height) in pixels: x and width times baseX / 4, y and height times
// baseY / 8, each rounded on its own.
QRect MapDialogRect(const QRect &dialogUnits, DialogBaseUnits units);
QRect MapDialogRect(const QRect &dialogUnits, const QFont &font);
// The same for a size in dialog units (a dialog's client area).
QSize MapDialogSize(const QSize &dialogUnits, const QFont &font);

class QWidget;

// Widens each label among `parent`'s direct children whose text needs more room than its place
// gives, to the width of its text on one line, and `parent` with them when it has a fixed size,
// keeping its right margin: a translation longer than the English grows its label instead of
// being cut.
void GrowToFitTexts(QWidget *parent);
