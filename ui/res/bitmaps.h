#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QString>

// The program's pictures, built into the program from res/kelvora.qrc and named by their
// resource ids (res/resource.h): the toolbar strips 132, 182 and 184, the About picture 205, the
// Solution button faces 209 and 210, the application icon 128 and the cursor 131.

// The stored bytes of bitmap `id` (a whole BMP file); empty when there is no such bitmap.
QByteArray LoadBitmapResourceData(int id);
// Bitmap `id` decoded; a null image when there is no such bitmap.
QImage LoadBitmapResource(int id);
// The path inside the resources of picture `id`; empty when there is none.
QString BitmapResourcePath(int id);

// The application icon (128), at 256 and 32 pixels.
QIcon LoadAppIcon();

// The point of the cursor image (131, 32 x 32) that is the cursor's position: the arrow's tip.
constexpr QPoint kCursorHotSpot(2, 2);
// The program's own cursor (131); the arrow cursor when its picture is missing.
QCursor LoadProgramCursor();

// The row images of the media list are not built in: the program reads them from these files,
// relative to the current folder and then beside the executable. Both are 16 x 16, 24-bit, on a
// white background.
constexpr const char *kFilmImageFile = "res/film.bmp";
constexpr const char *kPageSoundImageFile = "res/page_sound.bmp";
