#pragma once
// Where the cipher wheel's rings and sectors lie and what each sector says.
//
// Bitmaps 71 and 72 are drawn from these, and so is every other picture of the wheel: kresliKolecko
// paints it in the units of this table on a painter that the caller scales (the printed cut-out
// discs are the same drawing at paper size). The labels come from the engine's ring strings, so a
// picture can never show a different wheel from the one that enciphers.

#include "ciphers/Kolecko.h"

#include <QImage>
#include <QList>
#include <QString>

class QPainter;

// Radii in pixels of the 260 x 258 bitmaps, measured from the wheel's centre.
struct GeometrieKolecka
{
    double stredX;
    double stredY;
    double okraj;        // rim of the fixed outer ring
    double deliciKruh;   // where the fixed ring meets the turning disc; the cross mark sits on it
    double vnitrniOkraj; // inner edge of the disc's ring of characters; the star fills what is inside
    double vnejsiPismo;  // the outer ring's characters are centred on this circle
    double vnitrniPismo; // and the inner ring's on this one
    double hvezdaPomer;  // the star's inner corners as a fraction of its points' radius
    int hvezdaCipy;      // how many points the star has
    // The cut edge of the printed fixed disc: a rim beyond the ring to hold it by. Its ratio to
    // deliciKruh, the cut edge of the turning disc, is that of the paper discs, 14 cm to 10 cm.
    double vystrizenyOkraj;
};

inline constexpr GeometrieKolecka geometrieKolecka{130, 129, 127, 105, 81, 116, 93, 0.42, 12, 147};

// The middle of sector p on a ring of delka sectors, in degrees clockwise from the top; the
// sector reaches half a step to either side. Both rings share the sectors, so inner p stands
// beside outer p (the wheel at key "a").
constexpr double uhelSektoru(int p, int delka)
{
    return 360.0 * p / delka;
}

struct PopisekSektoru
{
    QString text;   // the ring's character in capitals; the CH sector's "-" reads "CH"
    double uhel;    // the sector's middle, as uhelSektoru
    double polomer; // the circle the text is centred on
};

// The labels of one ring, position 0 first.
QList<PopisekSektoru> popiskyKruhu(QStringView kruh, double polomer);

// Every label the drawing of that wheel places: the outer ring, then the inner ring.
QList<PopisekSektoru> popiskyKolecka(DruhKolecka druh);

// What a drawing of the wheel shows: both discs lying on each other as on screen, or one disc
// alone to be cut out: the fixed disc with the outer ring and a rim to hold, or the turning disc
// with the inner ring and the mark that is set against the key.
enum class DiskKolecka
{
    oba,
    vnejsi,
    vnitrni
};

// Paints the wheel with its centre at the painter's origin, in the units of geometrieKolecka:
// scale the painter for any size. Both discs carry the mark for the pin at their centre.
void kresliKolecko(QPainter &malir, DruhKolecka druh, DiskKolecka disk);

// The whole wheel, 260 x 258, as bitmap 72 (with CH) or 71 (without).
QImage nakresliKolecko(DruhKolecka druh, int meritko = 1);
