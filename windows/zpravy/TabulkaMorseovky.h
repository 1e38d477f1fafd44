#pragma once
// The Morse chart for the patrols: on one page A to Z with CH after H, each with its code and its
// mnemonic word whose long syllables are bold, so the word reads as the code; then the digits with
// their codes and, when asked, the punctuation marks with theirs. The print and any other picture
// of the chart paint it with KresliTabulkuMorseovky.

#include <QRectF>
#include <QString>

class QPainter;
class QPrinter;

// Paints the chart into plocha (in tenths of a millimetre) of a painter whose units are tenths of a
// millimetre.
void KresliTabulkuMorseovky(QPainter &malir, const QRectF &plocha, bool interpunkce);

// Prints the chart on one page of tiskarna (each copy again). False with the reason in *chyba when
// the printer cannot be painted on.
bool TiskniTabulkuMorseovky(QPrinter &tiskarna, bool interpunkce, QString *chyba = nullptr);
