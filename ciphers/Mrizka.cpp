#include "ciphers/Mrizka.h"

#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <string_view>
#include <utility>

int PlatnaVelikostMrizky(int n)
{
    return std::clamp(n, 0, NejvetsiMrizka);
}

namespace {

using Bunka = std::pair<int, int>;

// Where the cell (c, r) lands after a quarter turn anticlockwise.
Bunka otocenaBunka(Bunka bunka, int n)
{
    return {bunka.second, n - 1 - bunka.first};
}

// The distinct cells a hole at bunka visits in the four positions, the starting cell first:
// four cells, or only itself for the middle cell of an odd grid.
QList<Bunka> obehBunky(Bunka bunka, int n)
{
    QList<Bunka> obeh{bunka};
    for (Bunka dalsi = otocenaBunka(bunka, n); dalsi != bunka; dalsi = otocenaBunka(dalsi, n))
        obeh.append(dalsi);
    return obeh;
}

} // namespace

MapaPozic OtocMrizku(const MapaPozic &mrizka, int n)
{
    n = PlatnaVelikostMrizky(n);
    MapaPozic otocena = mrizka;
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            const auto [c2, r2] = otocenaBunka({c, r}, n);
            otocena[c2][r2] = mrizka[c][r];
        }
    }
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

PocetOdkryti PocitejOdkryti(const Okenka &okenka, int n)
{
    n = PlatnaVelikostMrizky(n);
    PocetOdkryti pocty{};
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            if (okenka[c][r])
                for (const auto &[c2, r2] : obehBunky({c, r}, n))
                    ++pocty[c2][r2];
    return pocty;
}

StavMrizky ZhodnotMrizku(const PocetOdkryti &pocty, int n)
{
    n = PlatnaVelikostMrizky(n);
    StavMrizky stav;
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            stav.chybi += pocty[c][r] == 0;
            stav.prekryva += pocty[c][r] > 1;
        }
    }
    return stav;
}

namespace {

// Czech counts: 1 políčko, 2 to 4 políčka, 0 and 5 on políček.
QString policek(int pocet)
{
    if (pocet == 1)
        return QStringLiteral("1 políčko");
    if (pocet >= 2 && pocet <= 4)
        return QStringLiteral("%1 políčka").arg(pocet);
    return QStringLiteral("%1 políček").arg(pocet);
}

QString prekryvaSe(int pocet)
{
    return pocet >= 2 && pocet <= 4 ? QStringLiteral("se překrývají") : QStringLiteral("se překrývá");
}

} // namespace

QString PopisStavuMrizky(StavMrizky stav)
{
    if (stav.vPoradku())
        return QStringLiteral("Mřížka je v pořádku");
    if (stav.prekryva == 0)
        return QStringLiteral("Chybí ") + policek(stav.chybi);
    if (stav.chybi == 0)
        return policek(stav.prekryva) + u' ' + prekryvaSe(stav.prekryva);
    return QStringLiteral("Chybí %1, %2 %3").arg(policek(stav.chybi)).arg(stav.prekryva).arg(prekryvaSe(stav.prekryva));
}

Okenka NahodnaOkenka(int n, QRandomGenerator &nahoda)
{
    n = PlatnaVelikostMrizky(n);
    Okenka okenka{};
    std::array<std::array<bool, NejvetsiMrizka>, NejvetsiMrizka> vybrano{};
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            if (vybrano[c][r])
                continue;
            const QList<Bunka> obeh = obehBunky({c, r}, n);
            for (const auto &[c2, r2] : obeh)
                vybrano[c2][r2] = true;
            const auto [c2, r2] = obeh[int(nahoda.bounded(int(obeh.size())))];
            okenka[c2][r2] = true;
        }
    }
    return okenka;
}

namespace {
// The default holes for N = 1 to 5 and for every larger N, drawn row by row from the top,
// rows separated by "/", "#" a hole.
constexpr std::array<std::string_view, 6> VychoziVzory = {
    "#",
    "#./.#",
    "#.#/.#./.##",
    "#.##/.#.#/.##./#..#",
    "#.##./.#.#./.##../#..##/.....",
    "....#./....../.#...#/...#../##.#../..#..#",
};
} // namespace

Okenka VychoziMrizka(int n)
{
    Okenka okenka{};
    const int k = std::clamp(n, 1, int(VychoziVzory.size())) - 1;
    int c = 0;
    int r = 0;
    for (const char znak : VychoziVzory[k]) {
        if (znak == '/') {
            c = 0;
            ++r;
            continue;
        }
        okenka[c++][r] = znak == '#';
    }
    return okenka;
}
