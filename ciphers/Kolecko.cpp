#include "ciphers/Kolecko.h"

#include "text/Cisteni.h"

#include <array>

namespace {

using PoziceNaKruhu = std::array<qint8, 128>;

// For every ASCII character, its first position on the outer ring (or -1).
constexpr PoziceNaKruhu SestavPozice(QStringView kruh)
{
    PoziceNaKruhu pozice{};
    pozice.fill(-1);
    for (int p = int(kruh.size()) - 1; p >= 0; --p)
        pozice[kruh[p].unicode()] = qint8(p);
    return pozice;
}

constexpr PoziceNaKruhu PoziceSCh = SestavPozice(vnejsiKruhSCh);
constexpr PoziceNaKruhu PoziceBezCh = SestavPozice(vnejsiKruhBezCh);

int PoziceNaVnejsimKruhu(QChar znak, DruhKolecka druh)
{
    const PoziceNaKruhu &pozice = druh == DruhKolecka::sCh ? PoziceSCh : PoziceBezCh;
    return znak.unicode() < pozice.size() ? pozice[znak.unicode()] : -1;
}

} // namespace

PoziceKliceVysledek PoziceKlice(QStringView klic, DruhKolecka druh)
{
    const QString vycisteny = VycistiMalymi(klic, ZnakyKolecko, NahradaMala);
    PoziceKliceVysledek vysledek;
    if (vycisteny.size() == 1 && vycisteny[0] != u'-') {
        const int pozice = PoziceNaVnejsimKruhu(vycisteny[0], druh);
        if (pozice >= 0) {
            vysledek.otoceniKolecka = pozice;
            return vysledek;
        }
    }
    // A key that is no single ring character (a space, ":" or "ß" included) is refused.
    vysledek.otoceniKolecka = 1;
    vysledek.chyba =
        QStringLiteral("Zadali jste \"") + vycisteny + QStringLiteral("\". Zadavejte  jen JEDEN znak nebo cislici!");
    return vysledek;
}

QString PrevedKoleckem(QStringView text, DruhKolecka druh, int otoceniKolecka)
{
    const QStringView vnitrni = vnitrniKruh(druh);
    const int delka = delkaKruhu(druh);
    const int k = ((otoceniKolecka % delka) + delka) % delka;
    // The inner ring turned so that its "a" stands at position k.
    std::array<QChar, 37> otoceny{};
    for (int p = 0; p < delka; ++p)
        otoceny[p] = vnitrni[((p - k) % delka + delka) % delka];

    QString vysledek(text.size(), Qt::Uninitialized);
    QChar *cil = vysledek.data();
    for (const QChar c : text) {
        const int p = PoziceNaVnejsimKruhu(c, druh);
        if (p >= 0)
            *cil++ = otoceny[p];
        else if (c == u' ')
            *cil++ = c;
    }
    vysledek.truncate(cil - vysledek.constData());
    return vysledek;
}
