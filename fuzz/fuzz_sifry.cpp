// Every engine with fuzzed options and texts: no crash, results of the promised shape, and the
// round trips that the ciphers guarantee.
#include "Fuzz.h"

#include "ciphers/Kolecko.h"
#include "ciphers/Morseovka.h"
#include "ciphers/Mrizka.h"
#include "ciphers/Semafor.h"
#include "ciphers/Snek.h"

#include <algorithm>

namespace {

void morse(Vstup &vstup)
{
    const int pocet = vstup.cislo();
    const QString text = vstup.text();
    const QString kod = MorseSifruj(text, pocet);
    OVER(std::all_of(kod.begin(), kod.end(), [](QChar c) { return c == u'.' || c == u'-' || c == u'/'; }));
    const QList<int> oddelovace = NajdiOddelovace(text);
    QList<int> primo;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'/')
            primo.append(int(i + 1));
    OVER(oddelovace == primo);
    OVER(MorseDesifruj(text, pocet).size() <= oddelovace.size());
    // Letters and digits come back as they went in.
    QString pismena;
    for (const QChar c : text)
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            pismena += c;
    if (pocet >= MorseBezInterpunkce)
        OVER(MorseDesifruj(MorseSifruj(pismena, pocet), pocet) == pismena);
}

void mrizka(Vstup &vstup)
{
    const int n = vstup.cislo();
    Okenka okenka{};
    for (auto &sloupec : okenka)
        for (bool &okenko : sloupec)
            okenko = vstup.bajt() & 1;
    const QString text = vstup.text();
    const int platna = PlatnaVelikostMrizky(n);
    const int kapacita = KapacitaMrizky(OznacPozice(okenka, n), n);
    const QString sifra = MrizkaSifruj(text, okenka, n);
    OVER(sifra.size() == qsizetype(platna) * platna);
    const QString zpet = MrizkaDesifruj(sifra, okenka, n);
    OVER(zpet.size() == kapacita);
    const qsizetype vzato = std::min<qsizetype>(text.size(), kapacita);
    OVER(zpet == text.first(vzato) + QString(kapacita - vzato, QChar(Vypln)));
}

void kolecko(Vstup &vstup)
{
    const DruhKolecka druh = vstup.bajt() & 1 ? DruhKolecka::sCh : DruhKolecka::bezCh;
    const int otoceni = vstup.cislo();
    const QString klic = QString(QChar(char16_t(vstup.bajt() | vstup.bajt() << 8)));
    const QString text = vstup.text();
    const PoziceKliceVysledek pozice = PoziceKlice(klic, druh);
    OVER(pozice.otoceniKolecka >= 0 && pozice.otoceniKolecka < delkaKruhu(druh));
    OVER(pozice.chyba.isEmpty() || pozice.otoceniKolecka == 1);
    // The wheel is its own inverse on what it keeps: ring characters and spaces.
    const QString jednou = PrevedKoleckem(text, druh, otoceni);
    QString zustane;
    for (const QChar c : text)
        if (c == u' ' || vnejsiKruh(druh).contains(c))
            zustane += c;
    OVER(jednou.size() == zustane.size());
    OVER(PrevedKoleckem(jednou, druh, otoceni) == zustane);
}

void snek(Vstup &vstup)
{
    const int n = vstup.cislo();
    const int smer = vstup.bajt() % 4 == 3 ? vstup.cislo() : Ven + (vstup.bajt() & 1);
    const int roh = vstup.bajt() % 8 == 7 ? vstup.cislo() : vstup.bajt() % 4;
    const QString text = vstup.text();
    QString chyba;
    const QString sifra = SnekSifruj(text, n, smer, roh, &chyba);
    const bool platne = (smer == Ven || smer == Dovnitr) && roh >= PravyDolni && roh <= LevyHorni;
    OVER(platne == chyba.isEmpty());
    const int m = std::min(n, NejvetsiSnek);
    if (!platne || m < 1) {
        OVER(sifra.isEmpty());
        return;
    }
    OVER(sifra.size() == qsizetype(m) * (m + 1));
    QString radky;
    for (qsizetype i = 0; i < sifra.size(); ++i) {
        if ((i + 1) % (m + 1) == 0)
            OVER(sifra[i] == u' ');
        else
            radky += sifra[i];
    }
    // Deciphering gives the text padded to the table: the filler after it inward, before it outward.
    const qsizetype bunek = qsizetype(m) * m;
    const qsizetype vzato = std::min(text.size(), bunek);
    const QString vypln(bunek - vzato, u'x');
    const QString ocekavany = smer == Dovnitr ? text.first(vzato) + vypln : vypln + text.last(vzato);
    OVER(SnekDesifruj(radky, n, smer, roh) == ocekavany);
}

void semafor(Vstup &vstup)
{
    const QString text = vstup.text();
    const QList<int> obrazky = SemaforSifruj(text);
    OVER(obrazky.size() <= text.size());
    OVER(std::all_of(obrazky.begin(), obrazky.end(), [](int o) { return o >= 1 && o <= SemaforPocetObrazku; }));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Vstup vstup(data, size);
    switch (vstup.bajt() % 5) {
    case 0:
        morse(vstup);
        break;
    case 1:
        mrizka(vstup);
        break;
    case 2:
        kolecko(vstup);
        break;
    case 3:
        snek(vstup);
        break;
    default:
        semafor(vstup);
        break;
    }
    return 0;
}
