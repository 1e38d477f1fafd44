#include "text/Strankovani.h"

#include <algorithm>

int PocetStran(int pocetRadku, int radkuNaStranu)
{
    const int naStranu = std::max(radkuNaStranu, 1);
    const int radku = std::max(pocetRadku, 0);
    return std::max(1, (radku + naStranu - 1) / naStranu);
}

QList<ListTisku> PoradiListu(int pocetRadku, int radkuNaStranu, int kopie, bool kompletovat)
{
    const int naStranu = std::max(radkuNaStranu, 1);
    const int radku = std::max(pocetRadku, 0);
    const int stran = PocetStran(radku, naStranu);
    const int pocetKopii = std::max(kopie, 1);
    const int vnejsi = kompletovat ? pocetKopii : 1;
    const int vnitrni = kompletovat ? 1 : pocetKopii;

    QList<ListTisku> listy;
    listy.reserve(stran * pocetKopii);
    for (int k = 0; k < vnejsi; ++k) {
        for (int p = 1; p <= stran; ++p) {
            const int od = std::min((p - 1) * naStranu, radku);
            const int po = std::min(p * naStranu, radku);
            for (int i = 0; i < vnitrni; ++i)
                listy.append({p, od, po});
        }
    }
    return listy;
}

QList<UmisteniBloku> UmistiBloky(int y, const QList<int> &vysky, int vyskaListu)
{
    QList<UmisteniBloku> umisteni;
    umisteni.reserve(vysky.size());
    for (const int vyska : vysky) {
        const bool novyList = y > 0 && y + vyska > vyskaListu;
        if (novyList)
            y = 0;
        umisteni.append({novyList, y});
        y += vyska;
    }
    return umisteni;
}
