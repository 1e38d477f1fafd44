#pragma once
// The page-and-copy order of a printed report.
//
// A report is printed as display lines, a fixed number per page. Copies are either whole
// documents one after another (collated) or each page repeated in a row (not collated).
// What follows the lines of a sheet (an overview's pictures) goes below them, or on a new
// sheet when it does not fit there.
// This unit only decides which sheet holds which lines, so the order can be checked
// without a printer; the printing itself lives in the UI library (windows/zpravy/TiskZpravy).

#include <QList>

// One printed sheet: its page number (from 1) and the display lines [od, po) it holds.
struct ListTisku
{
    int strana = 1;
    int od = 0;
    int po = 0;

    friend bool operator==(const ListTisku &, const ListTisku &) = default;
};

// The number of pages for pocetRadku display lines at radkuNaStranu per page; at least one page,
// and a page holds at least one line, so a tiny page never makes an endless job.
int PocetStran(int pocetRadku, int radkuNaStranu);

// Where one block that follows the lines of a sheet goes (a picture with what belongs to it):
// whether a new sheet starts before it, and its top on the sheet it lands on.
struct UmisteniBloku
{
    bool novyList = false;
    int nahore = 0;

    friend bool operator==(const UmisteniBloku &, const UmisteniBloku &) = default;
};

// Places blocks of the given heights one below the other, the first at y. A block that does not fit
// between its top and vyskaListu starts a new sheet at 0; one taller than a whole sheet already at the
// top of a sheet stays there and runs over its bottom.
QList<UmisteniBloku> UmistiBloky(int y, const QList<int> &vysky, int vyskaListu);

// Every sheet of the job in printing order. Collated: the whole document kopie times;
// not collated: each page kopie times in a row. Fewer than one copy counts as one.
QList<ListTisku> PoradiListu(int pocetRadku, int radkuNaStranu, int kopie, bool kompletovat);
