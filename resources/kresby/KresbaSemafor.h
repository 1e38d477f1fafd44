#pragma once
// The flag-semaphore signs: a standing figure seen from the front, a flag in each hand, the
// signal's letter beside it and the digit or word the sign also stands for. Every sign comes
// from one table of arm positions, drawn by one function at any size: 48 x 48 for the
// numbered bitmaps, larger for a chart of the whole alphabet.

#include <QRectF>
#include <QString>

class QPainter;

// Draws sign cislo (1-27 as the encoder numbers them) into obdelnik, keeping the square shape
// and centring it; the space (28) and any other number leave obdelnik untouched. The painter's
// state is the same afterwards. Without popisky the figure is drawn alone, without the letter and
// digit beside it (for a quiz, where they would give the answer away).
void kresliSemafor(QPainter &malir, const QRectF &obdelnik, int cislo, bool popisky = true);

// Where the two flags of sign cislo point, as the observer sees them, for a screen reader where
// the letter must not be said (a quiz): "Vlajky míří šikmo dolů vlevo a dolů" for A. The signaller's
// right flag comes first. Empty for the space and any other number.
QString popisVlajek(int cislo);
