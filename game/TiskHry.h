#pragma once
// The printed game: for every patrol a sheet headed "Šifra pro hlídku: <name>" with the cipher's
// name and the enciphered text in a large font (Morse code broken only after "/", the grille's and
// the snail's blocks as squares of letters, the wheel's text as text, the semaphore as rows of its
// pictures), with the tool to decipher it when the game asks for one; last the leader's pages
// "Řešení pro vedoucího". Print and the preview paint the same pages: RozvrhniHru lays them out
// once, TiskniHru paints them on any printer.
//
// Lengths are in tenths of a millimetre (the unit of the cut-out sheets), measured from the
// top-left corner of the page's printable area.

#include "game/model/Hra.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;

// One page: what is drawn on it, in order. Each drawing gets the painter in sheet units.
struct StrankaHry
{
    QList<std::function<void(QPainter &)>> kresby;
};

// The pages of a game that checks (ZkontrolujHru) on pages of plocha (sheet units). A game that
// does not check gives no page.
QList<StrankaHry> RozvrhniHru(const Hra &hra, SifrovaniHry &sifrovani, QSizeF plocha);

// Prints the game on tiskarna with its copies and collation. A game that does not check is
// refused before the printer is opened: false with "Hlídka „<name>“: <reason>" in chyba, nothing
// printed. False with the printer's reason when it cannot be opened or fails.
bool TiskniHru(QPrinter &tiskarna, const Hra &hra, SifrovaniHry &sifrovani, QString *chyba = nullptr);
