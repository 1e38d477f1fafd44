#pragma once
// Cipher wheel: a fixed outer ring and an inner ring running the other way,
// turned so that its "a" stands against the key. The substitution is its own
// inverse, so one call both enciphers and deciphers.

#include <QString>
#include <QStringView>

// With the CH sector ("-" between "h" and "i") or without it.
enum class DruhKolecka
{
    sCh,
    bezCh
};

inline constexpr QStringView vnejsiKruhSCh = u"abcdefgh-ijklmnopqrstuvwxyz1234567890";
inline constexpr QStringView vnitrniKruhSCh = u"a0987654321zyxwvutsrqponmlkji-hgfedcb";
inline constexpr QStringView vnejsiKruhBezCh = u"abcdefghijklmnopqrstuvwxyz1234567890";
inline constexpr QStringView vnitrniKruhBezCh = u"a0987654321zyxwvutsrqponmlkjihgfedcb";

constexpr QStringView vnejsiKruh(DruhKolecka druh)
{
    return druh == DruhKolecka::sCh ? vnejsiKruhSCh : vnejsiKruhBezCh;
}

constexpr QStringView vnitrniKruh(DruhKolecka druh)
{
    return druh == DruhKolecka::sCh ? vnitrniKruhSCh : vnitrniKruhBezCh;
}

constexpr int delkaKruhu(DruhKolecka druh)
{
    return int(vnejsiKruh(druh).size());
}

// The key position and, for a refused key, the message to show (empty when accepted).
struct PoziceKliceVysledek
{
    int otoceniKolecka = 1;
    QString chyba;
};

// Lower-cases and cleans the key; one ring character other than "-" gives its
// position, anything else is refused with position 1.
PoziceKliceVysledek PoziceKlice(QStringView klic, DruhKolecka druh);

// Replaces each ring character by the turned inner ring's character beside it;
// spaces stay, other characters vanish. Key positions outside the ring wrap round it.
QString PrevedKoleckem(QStringView text, DruhKolecka druh, int otoceniKolecka);
