#pragma once
// The numbered bitmaps the program carries, drawn at build time.
//
// Each family of pictures is drawn by its own unit from the engine tables it illustrates
// (the wheel from the ring strings, the snail from its path, and so on), so a picture can
// never disagree with the cipher it shows. generuj_bitmapy writes every picture as a 24-bit
// Windows bitmap "<number>.bmp" and a resource list; the UI library compiles them in and
// looks them up by number (resources/Zdroje.h). Tests link this library to check the drawings.

#include "ciphers/Snek.h"

#include <QImage>
#include <QList>
#include <QPointF>

struct Kresba
{
    int cislo = 0;
    QImage obraz;
};

// Each family also draws at meritko times its size (2 for screens of twice the pixel density): the
// same drawing with as much more detail, not the small picture enlarged.

// 1-28: the flag-semaphore signs, 48 x 48.
QList<Kresba> kresbySemaforu(int meritko = 1);
// 41-48: the snail spirals, 100 x 100.
QList<Kresba> kresbySneka(int meritko = 1);
// The red line of a snail picture: the centres of the 25 cells in the order the engine walks them
// for the corner and direction codes, in the picture's pixels. Empty for an unknown corner.
QList<QPointF> caraSneka(int roh, int smer);
// 51: the grille's grid, 320 x 320 (a pattern of whole pixels: larger, each pixel a square of them).
QList<Kresba> kresbyMrizky(int meritko = 1);
// 71 and 72: the cipher wheel without and with the CH sector, 260 x 258.
QList<Kresba> kresbyKolecka(int meritko = 1);

// Every family, ascending by number.
QList<Kresba> vsechnyKresby(int meritko = 1);

// The program's icon, strana x strana pixels: a cipher wheel on a green tile. It is no numbered
// bitmap; generuj_ikony writes it in every size of velikostiIkony for the window and the desktop.
QImage nakresliIkonu(int strana);
QList<int> velikostiIkony();

// The snail spiral of a corner and a direction code: 41 + 2 x corner, one more for outward.
inline constexpr int cisloObrazkuSneka(int roh, int smer)
{
    return 41 + 2 * roh + (smer == Ven ? 1 : 0);
}
