#pragma once
// Cut-out sheets: the cipher wheel and the turning grille as paper things for a game, printed at
// real size.
//
// A wheel sheet carries the two discs of one wheel kind, 14 and 10 cm across, painted by
// KresbaKolecko from the same table as the window's picture. A grille sheet carries the card at
// 1 cm a cell, with its holes shaded, its edges numbered in the order the card is turned, and an
// empty square to write in. RozvrhniVystrihovanku places the pieces of a sheet on pages of a given
// size; KresliStranu paints one page, for the printer and for a preview picture alike.

#include "ciphers/Kolecko.h"
#include "ciphers/Mrizka.h"
#include "windows/zpravy/TiskListu.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

class QPainter;
class QPrinter;

// The discs as cut out: the fixed one with the outer ring, the turning one with the inner ring.
inline constexpr double PrumerVnejsihoDisku = 1400;
inline constexpr double PrumerVnitrnihoDisku = 1000;
// A grille cell, and the card's rim around its grid that holds the card together.
inline constexpr double StranaPolicka = 100;
inline constexpr double OkrajKarty = 80;

// What a sheet shows.
struct Vystrihovanka
{
    enum class Druh
    {
        kolecko,
        mrizka
    };
    Druh druh = Druh::kolecko;
    DruhKolecka kolecko = DruhKolecka::sCh;
    Okenka okenka{};
    int velikost = 0;

    static Vystrihovanka zKolecka(DruhKolecka druh);
    static Vystrihovanka zMrizky(const Okenka &okenka, int n);
};

// One piece of a sheet, the page it is on (from 0) and where it lies there, measured from the
// top-left corner of the page's printable area.
struct DilListu
{
    enum class Druh
    {
        nadpis,
        text,
        vnejsiDisk,
        vnitrniDisk,
        karta,
        ctverec
    };
    Druh druh = Druh::text;
    int strana = 0;
    QRectF misto;
    QStringList radky; // a heading's or text's lines, broken to the width of the area
};

// The table units of geometrieKolecka in sheet units: the turning disc is 10 cm across.
double meritkoKolecka();

// The pieces of the sheet on pages whose printable area is plocha (in sheet units), one below the
// other, a piece that does not fit starting a new page.
QList<DilListu> RozvrhniVystrihovanku(const Vystrihovanka &vystrihovanka, QSizeF plocha);
int PocetStranVystrihovanky(const QList<DilListu> &dily);

// Paints page strana of the sheet; the painter's unit is the sheet unit, its origin the top-left
// corner of the printable area.
void KresliStranu(QPainter &malir, const Vystrihovanka &vystrihovanka, const QList<DilListu> &dily, int strana);

// Prints the sheet on tiskarna at real size, with its copies and collation. False with a reason
// when the printer cannot be opened or fails.
bool TiskniVystrihovanku(QPrinter &tiskarna, const Vystrihovanka &vystrihovanka, QString *chyba = nullptr);
