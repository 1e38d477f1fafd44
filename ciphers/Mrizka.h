#pragma once
// Turning grille: a card of N x N cells (N up to 10) with holes, turned a quarter
// turn anticlockwise three times. Cells are (c, r): column from the left, row
// from the top; cells are walked column by column, each column top to bottom.

#include <QString>
#include <QStringView>
#include <array>

class QRandomGenerator;

inline constexpr int NejvetsiMrizka = 10;

// The holes of the card in its starting position, indexed [c][r].
using Okenka = std::array<std::array<bool, NejvetsiMrizka>, NejvetsiMrizka>;

// One mark per cell, indexed [c][r]: "A"-"D" for the earliest position that
// uncovers the cell, "_" for a cell no position uncovers.
using MapaPozic = std::array<std::array<char16_t, NejvetsiMrizka>, NejvetsiMrizka>;

inline constexpr char16_t NeodkrytaBunka = u'_';
inline constexpr char16_t Vypln = u'x';

// The grid turned a quarter turn anticlockwise: (c, r) moves to (r, n - 1 - c).
MapaPozic OtocMrizku(const MapaPozic &mrizka, int n);

// Marks each cell with the earliest of the four positions that uncovers it.
MapaPozic OznacPozice(const Okenka &okenka, int n);

// The number of cells some position uncovers: how many characters the card holds.
int KapacitaMrizky(const MapaPozic &mapa, int n);

// Writes the text through the holes in positions A-D and reads out all n x n
// cells; covered cells without text get "x", cells never uncovered "_".
QString MrizkaSifruj(QStringView text, const Okenka &okenka, int n);

// Lays the ciphertext into the square and reads the uncovered cells in
// positions A-D; a cell without a ciphertext character gives "x".
QString MrizkaDesifruj(QStringView text, const Okenka &okenka, int n);

// The size the grille functions work with: n limited to 0..10.
int PlatnaVelikostMrizky(int n);

// For each cell, indexed [c][r], how many of the four positions uncover it: a good card uncovers
// every cell exactly once. A hole in the middle cell of an odd grid turns onto itself; it is
// written in the first position only, so it counts once.
using PocetOdkryti = std::array<std::array<int, NejvetsiMrizka>, NejvetsiMrizka>;
PocetOdkryti PocitejOdkryti(const Okenka &okenka, int n);

// How far a card is from uncovering every cell exactly once.
struct StavMrizky
{
    int chybi = 0;    // cells no position uncovers: they stay "_"
    int prekryva = 0; // cells more than one position uncovers: a hole lands on a used cell

    bool vPoradku() const { return chybi == 0 && prekryva == 0; }
};
StavMrizky ZhodnotMrizku(const PocetOdkryti &pocty, int n);

// What the window says about a card: "Mřížka je v pořádku", or how many cells are missing and
// how many overlap ("Chybí 3 políčka, 2 se překrývají").
QString PopisStavuMrizky(StavMrizky stav);

// A card that uncovers every cell exactly once: of every four cells that the turns carry into
// each other, one chosen by nahoda is a hole; the middle cell of an odd grid is a hole too.
Okenka NahodnaOkenka(int n, QRandomGenerator &nahoda);

// The holes a new grid of size n starts with; a grid larger than 6 starts with the 6 x 6 pattern in
// its top left corner.
Okenka VychoziMrizka(int n);
