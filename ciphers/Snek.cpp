#include "ciphers/Snek.h"

#include <algorithm>

namespace {

enum class Smer
{
    Dolu,
    Doprava,
    Nahoru,
    Doleva
};

struct Start
{
    int radek;
    int sloupec;
    Smer smer;
};

Start StartProRoh(int n, int roh)
{
    switch (roh) {
    case PravyDolni:
        return {n - 1, n - 1, Smer::Nahoru};
    case PravyHorni:
        return {0, n - 1, Smer::Doleva};
    case LevyDolni:
        return {n - 1, 0, Smer::Doprava};
    default:
        return {0, 0, Smer::Dolu};
    }
}

} // namespace

QList<BunkaSneka> CestaSneka(int n, int roh)
{
    QList<BunkaSneka> cesta;
    n = std::min(n, NejvetsiSnek);
    if (n < 1 || roh < PravyDolni || roh > LevyHorni)
        return cesta;
    const int bunek = n * n;
    cesta.reserve(bunek);
    auto vezmi = [&](int r, int c) {
        // The walk never leaves the table nor takes more cells than it has.
        if (r >= 0 && r < n && c >= 0 && c < n && cesta.size() < bunek)
            cesta.append({r, c});
    };
    int radekKonec = n, radekZacatek = 0, sloupecKonec = n, sloupecZacatek = 0;
    auto [r, c, smer] = StartProRoh(n, roh);
    // Every leg narrows one bound, so 2n + 2 legs always reach the end.
    for (int usek = 0; usek < 2 * n + 2 && cesta.size() < bunek; ++usek) {
        switch (smer) {
        case Smer::Dolu:
            for (; r < radekKonec; ++r)
                vezmi(r, c);
            --r, ++c, ++sloupecZacatek;
            smer = Smer::Doprava;
            break;
        case Smer::Doprava:
            for (; c < sloupecKonec; ++c)
                vezmi(r, c);
            --c, --r, --radekKonec;
            smer = Smer::Nahoru;
            break;
        case Smer::Nahoru:
            for (; r >= radekZacatek; --r)
                vezmi(r, c);
            ++r, --c, --sloupecKonec;
            smer = Smer::Doleva;
            break;
        case Smer::Doleva:
            for (; c >= sloupecZacatek; --c)
                vezmi(r, c);
            ++c, ++r, ++radekZacatek;
            smer = Smer::Dolu;
            break;
        }
        if (sloupecKonec == sloupecZacatek && radekKonec == radekZacatek)
            break;
    }
    return cesta;
}

bool PlatneKodySneka(int smer, int roh, QString *chyba)
{
    QString zprava;
    if (roh < PravyDolni || roh > LevyHorni)
        zprava = QStringLiteral("Zadali jste ") + QString::number(roh) + QStringLiteral(". Neexistujici roh");
    else if (smer != Ven && smer != Dovnitr)
        zprava = QStringLiteral("Zadali jste ") + QString::number(smer) + QStringLiteral(". Neexistujici smer");
    if (zprava.isEmpty())
        return true;
    if (chyba)
        *chyba = zprava;
    return false;
}

QList<BunkaSneka> PripravCestu(int &n, int smer, int roh, QString *chyba)
{
    if (!PlatneKodySneka(smer, roh, chyba))
        return {};
    n = std::min(n, NejvetsiSnek);
    return CestaSneka(n, roh);
}
