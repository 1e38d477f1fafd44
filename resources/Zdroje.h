#pragma once
// The numbered bitmaps compiled into the program (drawn at build time by resources/kresby):
// 1-28 semaphore signs, 41-48 snail spirals,
// 51 the grille's grid, 71 and 72 the cipher wheel. Each is ":/bitmapy/<number>.bmp".

#include "resources/kresby/Kresby.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

// The resource path of bitmap number cislo.
QString cestaZdroje(int cislo);

// The bitmap, or a null image when the program carries no bitmap of that number.
QImage obrazekZdroje(int cislo);
// The bitmap for the screen: on a screen of more than one device pixel per point the double-size
// drawing, with a device pixel ratio of 2, so it shows at the same size and sharp.
QPixmap bitmapaZdroje(int cislo);

// The numbers of every bitmap the program carries, ascending.
QList<int> cislaZdroju();

// The program's icon, in every size it is drawn in; the application sets it as every window's icon.
QIcon ikonaAplikace();
