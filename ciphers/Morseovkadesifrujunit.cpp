#include "ciphers/Morseovka.h"

namespace {

constexpr qsizetype NejdelsiKod = 6;

// A code of up to six symbols as a number: a leading 1 bit marks its length,
// then one bit per symbol, "-" being 1. Codes that are not dots and dashes give -1.
constexpr int CisloKodu(QStringView kod)
{
    if (kod.size() > NejdelsiKod)
        return -1;
    int cislo = 1;
    for (qsizetype i = 0; i < kod.size(); ++i) {
        const QChar symbol = kod[i];
        if (symbol == u'.')
            cislo = cislo * 2;
        else if (symbol == u'-')
            cislo = cislo * 2 + 1;
        else
            return -1;
    }
    return cislo;
}

// For every code number, the first table entry with that code (or -1).
constexpr std::array<qint8, 2 << NejdelsiKod> PrvniZaznamKodu = [] {
    std::array<qint8, 2 << NejdelsiKod> zaznamy{};
    zaznamy.fill(-1);
    for (int i = int(MorseTabulka.size()) - 1; i >= 1; --i)
        zaznamy[CisloKodu(MorseTabulka[i].kod)] = qint8(i);
    return zaznamy;
}();

constexpr int KodCh = CisloKodu(MorseCh.kod);
static_assert(PrvniZaznamKodu[KodCh] < 0, "no table entry shares the code of ch");

} // namespace

QString MorseDesifruj(QStringView text, int pocetZnaku, ZapisCh ch)
{
    const bool chJakoZnak = ch == ZapisCh::JakoZnak && MorseZaznamH < pocetZnaku;
    const QList<int> oddelovace = NajdiOddelovace(text);
    // Every separator gives at most one character, or the two of "ch".
    QString vysledek(oddelovace.size() * (chJakoZnak ? 2 : 1), Qt::Uninitialized);
    QChar *cil = vysledek.data();
    bool mameZnak = false;
    qsizetype zacatek = 0;
    for (qsizetype i = 0; i < oddelovace.size(); ++i) {
        const qsizetype konec = oddelovace[i] - 1;
        const QStringView znacka = text.sliced(zacatek, konec - zacatek);
        zacatek = konec + 1;
        if (!znacka.isEmpty()) {
            mameZnak = true;
            const int cislo = CisloKodu(znacka);
            const int zaznam = cislo >= 0 ? PrvniZaznamKodu[cislo] : -1;
            if (zaznam >= 0 && zaznam < pocetZnaku) {
                *cil++ = MorseTabulka[zaznam].znak[0];
            } else if (chJakoZnak && cislo == KodCh) {
                *cil++ = u'c';
                *cil++ = u'h';
            }
        } else if (mameZnak) {
            const bool dalsiPrazdna = i + 1 < oddelovace.size() && oddelovace[i + 1] == oddelovace[i] + 1;
            *cil++ = dalsiPrazdna ? u'.' : u' ';
        }
    }
    vysledek.truncate(cil - vysledek.constData());
    return vysledek;
}
