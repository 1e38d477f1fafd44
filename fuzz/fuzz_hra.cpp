// The game-file reader on arbitrary bytes: it refuses with a reason or gives a game that checks,
// that writes back to bytes reading as the same game, and whose patrols all encipher.
#include "Fuzz.h"

#include "game/model/SouborHry.h"

namespace {

bool StejneHry(const Hra &a, const Hra &b)
{
    if (a.sifra != b.sifra || a.spolecnaZprava != b.spolecnaZprava || a.stejnaZprava != b.stejnaZprava ||
        a.prilozitPomucku != b.prilozitPomucku || a.hlidky.size() != b.hlidky.size())
        return false;
    for (qsizetype i = 0; i < a.hlidky.size(); ++i)
        if (a.hlidky[i].nazev != b.hlidky[i].nazev || a.hlidky[i].zprava != b.hlidky[i].zprava ||
            a.hlidky[i].klic != b.hlidky[i].klic)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    QString chyba;
    const std::optional<Hra> hra = HraZJson(bajty, &chyba);
    if (!hra) {
        OVER(!chyba.isEmpty());
        return 0;
    }
    OVER(hra->hlidky.size() >= NejmeneHlidek && hra->hlidky.size() <= NejviceHlidek);
    OVER(ZkontrolujKlice(*hra));
    const std::optional<Hra> znovu = HraZJson(HraDoJson(*hra));
    OVER(znovu && StejneHry(*znovu, *hra));

    SifrovaniHry sifrovani;
    for (qsizetype i = 0; i < hra->hlidky.size(); ++i) {
        const VysledekHlidky &vysledek = sifrovani.hlidka(*hra, i);
        OVER(vysledek.klic);
        // The canonical key text reads as the same key.
        const std::optional<KlicHry> znovuKlic = PrectiKlic(hra->sifra, TextKlice(*vysledek.klic));
        OVER(znovuKlic && TextKlice(*znovuKlic) == TextKlice(*vysledek.klic));
        for (const QStringList &ctverec : vysledek.sifra.ctverce) {
            OVER(ctverec.size() == vysledek.klic->velikost);
            for (const QString &radek : ctverec)
                OVER(radek.size() == vysledek.klic->velikost);
        }
    }
    if (const std::optional<QStringList> radky = RadkyReseni(*hra, sifrovani))
        OVER(radky->size() == 6 * hra->hlidky.size() - 1);
    return 0;
}
