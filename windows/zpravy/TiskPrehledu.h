#pragma once
// Printing an overview window: its report lines in Times New Roman from x = 100, then its pictures
// four times enlarged.
//
// The overview builds what is printed (PrehledKTisku) from what it shows. The lines are paginated,
// copied and collated exactly as a report's (TiskniListy). The pictures follow the last line of every
// copy, each on a new sheet when it does not fit below what is already there (UmistiBloky): picture A
// (the example's place) first, then the upper-case picture title with picture B below it.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QPrinter;
struct VolbyTisku;

// The left edge of an overview's printed lines and pictures, in printer units.
inline constexpr int LevyOkrajPrehledu = 100;
// Pictures print this many times their shown size (in printer units per pixel).
inline constexpr int ZvetseniObrazku = 4;
// Picture B starts this far below the top of its block; its title stands NadpisNadObrazkemB above B.
inline constexpr int OdsazeniObrazkuB = 260;
inline constexpr int NadpisNadObrazkemB = 170;
// The overview's report box, in pixels.
inline constexpr QSize VelikostZpravyPrehledu(780, 900);

struct PrehledKTisku
{
    QString nazev;     // the print job's title
    QStringList radky; // the display lines of the overview's report box
    QImage obrazekA;   // the picture in the example's place as the window shows it; null when none
    QImage obrazekB;   // the picture under the picture title as the window shows it; null when none
    QString nadpisB;   // the picture title in upper case, on one line
};

// What an overview window offers to Print; the main window finds it on the active child with dynamic_cast.
class IPrehledTisku
{
public:
    virtual ~IPrehledTisku() = default;
    // Builds the window's report box afresh and returns what Print draws.
    virtual PrehledKTisku pripravTisk() = 0;
};

// How an overview's lines are printed on tiskarna: the report font's size and lines per page, set in
// Times New Roman from x = 100.
VolbyTisku volbyPrehledu(const QPrinter &tiskarna);

// Prints one overview on tiskarna with its copies and collation, the job titled prehled.nazev.
// False with a reason when the printer cannot be opened or fails.
bool TiskniPrehled(QPrinter &tiskarna, const PrehledKTisku &prehled, QString *chyba = nullptr);
