#pragma once
// The page-and-copy order of a printed report.
//
// A report is printed as display lines, a fixed number per page. Copies are either whole
// documents one after another (collated) or each page repeated in a row (not collated).
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

// Every sheet of the job in printing order. Collated: the whole document kopie times;
// not collated: each page kopie times in a row. Fewer than one copy counts as one.
QList<ListTisku> PoradiListu(int pocetRadku, int radkuNaStranu, int kopie, bool kompletovat);
