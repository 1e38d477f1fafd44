// The two signal readers with fuzzed input: key timings (any durations, any speed) become Morse code
// of the promised shape in every step, and picture numbers (any numbers, with taking back) become text
// that the encoder turns back into the same pictures' meaning.
#include "Fuzz.h"

#include "ciphers/Klicovani.h"
#include "ciphers/Semafor.h"

#include <algorithm>

namespace {

bool jenKod(const QString &kod)
{
    return std::all_of(kod.begin(), kod.end(), [](QChar c) { return c == u'.' || c == u'-' || c == u'/'; });
}

// Durations from the rest of the input: each UTF-16 unit a length up to 65535 ms, or with siroke two
// units an int32 of any sign and size. A unit 0xFFFF in the narrow form ends the letter instead.
void klicovani(Vstup &vstup)
{
    const int slov = vstup.cislo();
    const bool siroke = vstup.bajt() & 1;
    const QString jednotky = vstup.text();
    QList<int> delky;
    DekoderKlicovani dekoder(slov);
    DekoderKlicovani sDokoncenim(slov);
    for (qsizetype i = 0; i < jednotky.size(); ++i) {
        int delka = jednotky[i].unicode();
        if (siroke) {
            if (i + 1 == jednotky.size())
                break;
            delka = int(uint32_t(delka) << 16 | jednotky[++i].unicode());
        } else if (delka == 0xFFFF) {
            sDokoncenim.dokonciZnak();
            OVER(sDokoncenim.kod().isEmpty() || sDokoncenim.kod().endsWith(u'/'));
            continue;
        }
        const bool stisk = dekoder.cekaStisk();
        delky.append(delka);
        dekoder.pridej(delka);
        sDokoncenim.pridej(delka);
        if (stisk && delka > 0)
            OVER(dekoder.kod().endsWith(u'.') || dekoder.kod().endsWith(u'-'));
        OVER(dekoder.cekaStisk() != stisk);
    }
    for (const DekoderKlicovani *d : {&dekoder, &sDokoncenim}) {
        const QString &kod = d->kod();
        OVER(jenKod(kod));
        OVER(!kod.startsWith(u'/'));
        OVER(!kod.contains(QStringLiteral("///")));
        OVER(d->znakOtevreny() == (!kod.isEmpty() && !kod.endsWith(u'/')));
        OVER(d->odhadSlovZaMinutu() >= DekoderKlicovani::NejmeneSlovOdhad);
        OVER(d->odhadSlovZaMinutu() <= DekoderKlicovani::NejviceSlovOdhad);
    }
    // The elements are the same whether or not letters were ended early; only the "/" may differ.
    OVER(QString(dekoder.kod()).remove(u'/') == QString(sDokoncenim.kod()).remove(u'/'));
    OVER(KlicovaniNaMorse(delky, slov) == dekoder.kod());
}

// Picture numbers: each UTF-16 unit a signed number (mostly out of range), or with malych its value
// modulo 30, where 29 takes the last picture back. The text's letters and digits also make a round trip.
void semafor(Vstup &vstup)
{
    const bool malych = vstup.bajt() & 1;
    const QString jednotky = vstup.text();
    CteniSemaforu cteni;
    for (const QChar u : jednotky) {
        const int cislo = malych ? u.unicode() % 30 : int(int16_t(u.unicode()));
        const qsizetype predtim = cteni.obrazky().size();
        if (malych && cislo == 29) {
            cteni.zpet();
            OVER(cteni.obrazky().size() == std::max<qsizetype>(predtim - 1, 0));
            continue;
        }
        OVER(cteni.pridej(cislo) == (cislo >= 1 && cislo <= SemaforPocetObrazku));
        OVER(cteni.obrazky().size() <= predtim + 1);
    }
    const QString &text = cteni.text();
    OVER(text == SemaforDesifruj(cteni.obrazky()));
    OVER(text.size() <= cteni.obrazky().size());
    OVER(std::all_of(text.begin(), text.end(),
                     [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u' '; }));

    static constexpr QStringView Znaky = u"0123456789abcdefghijklmnopqrstuvwxyz ";
    QString puvodni;
    QString zapsany;
    bool cislice = false;
    for (const QChar u : jednotky) {
        const QChar c = Znaky[u.unicode() % Znaky.size()];
        if (c.isDigit() != cislice && c != u' ')
            zapsany += c.isDigit() ? u'*' : u'j';
        if (c != u' ')
            cislice = c.isDigit();
        puvodni += c;
        zapsany += c;
    }
    if (cislice)
        zapsany += u'j';
    OVER(SemaforDesifruj(SemaforSifruj(zapsany)) == puvodni);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Vstup vstup(data, size);
    if (vstup.bajt() & 1)
        semafor(vstup);
    else
        klicovani(vstup);
    return 0;
}
