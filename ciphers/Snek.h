#pragma once
// Snail: a spiral transposition over an N x N table (N up to 10). The spiral
// starts in a corner and winds anticlockwise inward; enciphering writes along
// the spiral and reads rows, deciphering writes rows and reads along the spiral.

#include <QList>
#include <QString>
#include <QStringView>

// Corner codes, in the order of the window's corner buttons.
enum RohSneka : int
{
    PravyDolni = 0,
    PravyHorni = 1,
    LevyDolni = 2,
    LevyHorni = 3
};

// Direction codes: from the centre to the corner, or from the corner inward.
enum SmerSneka : int
{
    Ven = 0,
    Dovnitr = 1
};

inline constexpr int NejvetsiSnek = 10;

struct BunkaSneka
{
    int radek = 0;
    int sloupec = 0;
    friend bool operator==(const BunkaSneka &, const BunkaSneka &) = default;
};

// The cells of the inward spiral from the corner, each once, the corner first.
// An unknown corner or a size below 1 gives an empty path; sizes above 10 count as 10.
QList<BunkaSneka> CestaSneka(int n, int roh);

// Writes the text along the spiral (padding with "x") and reads the table row by
// row, a space after each row. A bad corner or direction code gives an empty
// text and, when chyba is given, the message for the user.
QString SnekSifruj(QStringView text, int n, int smer, int roh, QString *chyba = nullptr);

// Writes the text row by row (padding with "x") and reads it along the spiral.
// Bad codes are handled as by SnekSifruj.
QString SnekDesifruj(QStringView text, int n, int smer, int roh, QString *chyba = nullptr);

// Checks the two codes; false with the user's message in chyba when one is unknown.
bool PlatneKodySneka(int smer, int roh, QString *chyba);

// What both directions do first: checks the codes, limits n to the table and makes the path.
// An empty path means there is nothing to do (bad code or size below 1).
QList<BunkaSneka> PripravCestu(int &n, int smer, int roh, QString *chyba);
