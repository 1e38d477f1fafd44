#pragma once
// Printing display lines: the fonts and margins of printed reports, breaking report lines into the
// display lines of a report box, and printing those lines a page after page with their copies and
// collation (the sheet order comes from text/Strankovani). Reports and overviews both print through it.

#include "text/Strankovani.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;
class QPrinter;

// Left edge of every printed line, in printer units.
inline constexpr int LevyOkrajTisku = 70;
// The printer's resolution in dots per inch, the unit of the margins above and of the pictures an
// overview prints four times enlarged (a 700-pixel picture then prints about 12 cm wide).
inline constexpr int RozliseniTisku = 600;
// The report box's border and inner margin on each side, taken off its width before breaking lines.
inline constexpr int OkrajZpravy = 4;

// Why tiskarna could not print: no printer or file chosen, a file that cannot be made, a printer
// that cannot be used.
QString chybaTiskarny(const QPrinter &tiskarna);

// Tahoma 8 pt as a 96-dpi screen shows it (11 pixels high), the font of every report box.
QFont pismoZpravy();

// Breaks each report line at word boundaries, and Morse code after its slashes (inside a word only
// when the word alone is wider), so that every piece fits sirka pixels in pismo (text/Zalamovani).
// An empty line stays one empty display line; the pieces of a line joined together give the line back.
QStringList radkyZobrazeni(const QStringList &radky, int sirka, const QFont &pismo);
// The display lines of a report box's text (its lines separated by '\n'), as radkyZobrazeni breaks
// them. A long text is broken a slice at a time: between slices the print's progress is told that no
// sheet is printed yet (pokracujTisk(0, 0)), which lets repaints through. None when the print is
// to stop.
std::optional<QStringList> zalomZpravu(const QString &text, int sirka, const QFont &pismo);

// The font printed lines use on tiskarna: Tahoma 8 pt, smaller only when a line sirkaRadku pixels
// wide at 96 dpi would run off the paper.
QFont pismoTisku(const QPrinter &tiskarna, int sirkaRadku);

// Lines per page: the printable height divided by the height of "W" in pismo on tiskarna; at least 1.
int radkuNaStranu(QPrinter &tiskarna, const QFont &pismo);

// How display lines are printed. TiskniZpravu uses the defaults; the overview print its own margin,
// job title, line font and pictures after the lines.
struct VolbyTisku
{
    // The printer canvas's font: the lines per page are measured with it.
    QFont pismo;
    // When not empty, the lines are drawn in this family at the size of pismo.
    QString rodinaRadku;
    int levyOkraj = LevyOkrajTisku;
    QString nazevUlohy = QStringLiteral("talvo");
    // Runs after the lines of every sheet with the bottom of its last line; it may draw more and start
    // new sheets. Returns false when the printer failed.
    std::function<bool(QPainter &, const ListTisku &, int)> poRadcichListu;
};

// The font the lines are drawn in: unshaped where the script needs no shaping, with whole-dot advances.
QFont pismoRadku(const VolbyTisku &volby);

// Lines per page for volby: as the canvas font gives, but never more than fit in the font the lines are
// drawn in, so no line runs off the bottom of a sheet.
int radkuNaStranu(QPrinter &tiskarna, const VolbyTisku &volby);

// How far a print has come: told after every sheet with its number (from 1) and the number of sheets
// of the job, copies included; false stops the print.
using PrubehTisku = std::function<bool(int list, int listu)>;

// Makes prubeh the progress of every print that runs while this object lives, and restores the one
// before when it goes. With none set a print runs to its end untold.
class NastavenyPrubehTisku
{
public:
    explicit NastavenyPrubehTisku(PrubehTisku prubeh);
    ~NastavenyPrubehTisku();
    NastavenyPrubehTisku(const NastavenyPrubehTisku &) = delete;
    NastavenyPrubehTisku &operator=(const NastavenyPrubehTisku &) = delete;

private:
    PrubehTisku m_predchozi;
};

// Tells the progress set now that sheet list of listu is printed. False when the print is to stop:
// the page loop then ends its painter and returns false. Qt's print engines cannot abort a job, so
// the caller prints into a file of its own and throws it away (TTiskZprav::vyberATiskni).
bool pokracujTisk(int list, int listu);

// Prints display lines on tiskarna with its copies and collation, one sheet after another as
// PoradiListu orders them, as volby say. False with a reason when the printer cannot be opened or fails.
bool TiskniListy(QPrinter &tiskarna, const QStringList &radky, const VolbyTisku &volby, QString *chyba = nullptr);

// Lengths on a drawn sheet (charts, cut-outs, game sheets) are in tenths of a millimetre.
inline constexpr double JednotekNaMm = 10;

// The part of tiskarna's paper a drawn sheet uses: its printable area, at least a centimetre from
// the paper's edges (where printers may not reach), in millimetres from the paper's top-left corner.
QRectF plochaListu(const QPrinter &tiskarna);

// Paints stran drawn pages on tiskarna with its copies and collation, one sheet after another as
// PoradiListu orders them, job title "talvo": kresli paints page strana (from 0) in sheet units, the
// origin at plochaListu's top-left corner. The print's progress is told after every sheet. False
// with the printer's reason when it cannot be opened or fails, false without one when stopped.
bool TiskniKresleneListy(QPrinter &tiskarna, int stran, const std::function<void(QPainter &, int strana)> &kresli,
                         QString *chyba = nullptr);

// Prints display lines on tiskarna with its copies and collation, job title "talvo", lines per page
// from the height of "W". sirkaRadku is the box width the lines were broken at; the printed font is
// Tahoma 8 pt, made smaller only when such a line would not fit on the paper. False with a reason
// when the printer cannot be opened or fails.
bool TiskniZpravu(QPrinter &tiskarna, const QStringList &radky, int sirkaRadku, QString *chyba = nullptr);
