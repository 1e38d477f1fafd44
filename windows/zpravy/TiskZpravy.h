#pragma once
// The Print and printer set-up commands for reports.
//
// A report's lines are broken into display lines as wide as the window's report box in Tahoma
// 8 pt at 96 dpi (radkyZobrazeni), then printed one display line per printed line, a page
// after page, copies collated or not (the sheet order comes from text/Strankovani). The
// printer and its two dialogs live as long as this object, so the dialogs remember the
// printer, the copies and the collation between prints, and the paper chosen in
// Nastavení tisku (or in the print dialog's Properties) stays until another is chosen.

#include <QFont>
#include <QObject>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include "text/Strankovani.h"

#include <functional>

class IZprava;
class IPrehledTisku;
class QPageSetupDialog;
class QPainter;
class QPrintDialog;
class QPrinter;
class QWidget;

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

// Prints display lines on tiskarna with its copies and collation, one sheet after another as
// PoradiListu orders them, as volby say. False with a reason when the printer cannot be opened or fails.
bool TiskniListy(QPrinter &tiskarna, const QStringList &radky, const VolbyTisku &volby, QString *chyba = nullptr);

// Prints display lines on tiskarna with its copies and collation, job title "talvo", lines per page
// from the height of "W". sirkaRadku is the box width the lines were broken at; the printed font is
// Tahoma 8 pt, made smaller only when such a line would not fit on the paper. False with a reason
// when the printer cannot be opened or fails.
bool TiskniZpravu(QPrinter &tiskarna, const QStringList &radky, int sirkaRadku, QString *chyba = nullptr);

// A report made ready for Print: its display lines and the box width they were broken at.
struct TiskovaZprava
{
    QStringList radky;
    int sirka = 0;
};

// Empties the window's report box, sizes it for Print, fills it and breaks its lines: what Print
// does before its dialog; TiskniZpravu prints the result once the dialog is accepted.
TiskovaZprava pripravTisk(IZprava &zprava);

class TTiskZprav : public QObject
{
    Q_OBJECT
public:
    // rodic owns the dialogs and the error box.
    explicit TTiskZprav(QWidget *rodic);
    ~TTiskZprav() override;

    // The one printer of the main window that okno lies in (okno's top-level window), made there
    // on first use; every print of the program goes through it and its dialogs.
    static TTiskZprav *proOkno(QWidget *okno);

    QPrinter *tiskarna() const { return m_tiskarna; }
    QPrintDialog *PrintDialog1() const { return m_printDialog; }
    QPageSetupDialog *PrinterSetupDialog1();

    // Prints the report of okno when it is a printable window, or the overview with its pictures when
    // it is an overview window; anything else does nothing. True when something was printed.
    bool TiskClick(QWidget *okno);
    // Sizes, fills and prints one report.
    bool tiskniZpravu(IZprava &zprava);
    // Shows PrintDialog1 and prints the display lines; a failure is shown in a box.
    bool tiskniRadky(const QStringList &radky, int sirkaRadku);
    // Builds the overview's report, shows PrintDialog1 and prints it with its pictures.
    bool tiskniPrehled(IPrehledTisku &prehled);
    // Shows PrintDialog1; true when the user chose to print.
    bool vyberTisk();
    // Shows PrinterSetupDialog1; the paper confirmed there is the paper of the next prints.
    void NastaveniTiskuClick();
    // Shows PrintDialog1, then runs tisk on the printer; a failure is shown in a box.
    bool vyberATiskni(const std::function<bool(QPrinter &, QString *)> &tisk);

private:
    QWidget *m_rodic;
    QPrinter *m_tiskarna;
    QPrintDialog *m_printDialog;
    QPageSetupDialog *m_setupDialog = nullptr;
    // The paper the user chose; invalid until one is chosen.
    QPageLayout m_papir;
};
