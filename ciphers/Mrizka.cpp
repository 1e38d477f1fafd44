#include "ciphers/Mrizka.h"

#include <algorithm>

int PlatnaVelikostMrizky(int n)
{
    return std::clamp(n, 0, NejvetsiMrizka);
}

MapaPozic OtocMrizku(const MapaPozic &mrizka, int n)
{
    n = PlatnaVelikostMrizky(n);
    MapaPozic otocena = mrizka;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            otocena[r][n - 1 - c] = mrizka[c][r];
    return otocena;
}

namespace {

MapaPozic MrizkaSeZnackou(const Okenka &okenka, int n, char16_t znacka, int otoceni)
{
    MapaPozic mrizka;
    for (auto &sloupec : mrizka)
        sloupec.fill(NeodkrytaBunka);
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            if (okenka[c][r])
                mrizka[c][r] = znacka;
    for (int i = 0; i < otoceni; ++i)
        mrizka = OtocMrizku(mrizka, n);
    return mrizka;
}

} // namespace

MapaPozic OznacPozice(const Okenka &okenka, int n)
{
    n = PlatnaVelikostMrizky(n);
    MapaPozic mapa = MrizkaSeZnackou(okenka, n, u'A', 0);
    for (int otoceni = 1; otoceni < 4; ++otoceni) {
        const MapaPozic dalsi = MrizkaSeZnackou(okenka, n, char16_t(u'A' + otoceni), otoceni);
        for (int c = 0; c < n; ++c)
            for (int r = 0; r < n; ++r)
                if (mapa[c][r] == NeodkrytaBunka)
                    mapa[c][r] = dalsi[c][r];
    }
    return mapa;
}

int KapacitaMrizky(const MapaPozic &mapa, int n)
{
    n = PlatnaVelikostMrizky(n);
    int kapacita = 0;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            kapacita += mapa[c][r] != NeodkrytaBunka;
    return kapacita;
}
