#pragma once
// Turning grille: a card of N x N cells (N up to 10) with holes, turned a quarter
// turn anticlockwise three times. Cells are (c, r): column from the left, row
// from the top; cells are walked column by column, each column top to bottom.

#include <QString>
#include <QStringView>
#include <array>

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
