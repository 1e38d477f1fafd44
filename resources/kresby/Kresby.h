#pragma once
// The numbered bitmaps the program carries, drawn at build time.
//
// Each family of pictures is drawn by its own unit from the engine tables it illustrates
// (the wheel from the ring strings, the snail from its path, and so on), so a picture can
// never disagree with the cipher it shows. generuj_bitmapy writes every picture as a 24-bit
// Windows bitmap "<number>.bmp" and a resource list; the UI library compiles them in and
// looks them up by number (resources/Zdroje.h). Tests link this library to check the drawings.

#include <QImage>
#include <QList>

struct Kresba
{
    int cislo = 0;
    QImage obraz;
};

// 1-28: the flag-semaphore signs, 48 x 48.
QList<Kresba> kresbySemaforu();
// 41-48: the snail spirals, 100 x 100.
QList<Kresba> kresbySneka();
// 51: the grille's grid, 320 x 320.
QList<Kresba> kresbyMrizky();
// 71 and 72: the cipher wheel without and with the CH sector, 260 x 258.
QList<Kresba> kresbyKolecka();

// Every family, ascending by number.
QList<Kresba> vsechnyKresby();
