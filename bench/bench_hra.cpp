// The game for patrols: enciphering all twelve patrols of a game, and what one edited cell costs
// when the window asks for every patrol again (only the edited one is enciphered).

#include "bench/CeskyText.h"
#include "game/model/Hra.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

// Twelve patrols with different keys, each its own part of a long Czech text of delka characters.
Hra HraProMereni(SifraHry sifra, qsizetype delka)
{
    QRandomGenerator nahoda(12);
    Hra hra = NovaHra(sifra, nahoda);
    ZmenPocetHlidek(hra, NejviceHlidek, nahoda);
    const QList<KlicHry> klice = NahodneKlice(VychoziKlic(sifra, nahoda), NejviceHlidek, nahoda);
    const QString &text = CeskyText(delka * NejviceHlidek);
    for (qsizetype i = 0; i < hra.hlidky.size(); ++i) {
        hra.hlidky[i].klic = TextKlice(klice[i]);
        hra.hlidky[i].zprava = text.sliced(i * delka, delka);
    }
    return hra;
}

// All twelve patrols from nothing, as after opening a game or switching the cipher.
void Hra_Zasifruj12Hlidek(benchmark::State &stav)
{
    const SifraHry sifra = SifryHry[stav.range(0)];
    const Hra hra = HraProMereni(sifra, stav.range(1));
    for (auto _ : stav) {
        SifrovaniHry sifrovani;
        benchmark::DoNotOptimize(ZkontrolujHru(hra, sifrovani));
    }
    stav.SetLabel(NazevSifry(sifra).toStdString());
    stav.SetItemsProcessed(int64_t(stav.iterations()) * NejviceHlidek);
}

// One character typed into one patrol's message, then every patrol asked for its result.
void Hra_UpravaBunky(benchmark::State &stav)
{
    const SifraHry sifra = SifryHry[stav.range(0)];
    Hra hra = HraProMereni(sifra, stav.range(1));
    SifrovaniHry sifrovani;
    ZkontrolujHru(hra, sifrovani);
    const qsizetype predtim = sifrovani.pocetSifrovani();
    int64_t kolo = 0;
    for (auto _ : stav) {
        QString &zprava = hra.hlidky[kolo++ % NejviceHlidek].zprava;
        if (zprava.endsWith(u'a'))
            zprava.chop(1);
        else
            zprava.append(u'a');
        benchmark::DoNotOptimize(ZkontrolujHru(hra, sifrovani));
    }
    stav.SetLabel(NazevSifry(sifra).toStdString());
    // Each edit enciphered exactly one patrol.
    stav.counters["sifrovani_na_upravu"] =
        double(sifrovani.pocetSifrovani() - predtim) / double(std::max<int64_t>(1, kolo));
}

// The answer report of a game that was enciphered before.
void Hra_ZpravaReseni(benchmark::State &stav)
{
    const Hra hra = HraProMereni(SifryHry[stav.range(0)], stav.range(1));
    SifrovaniHry sifrovani;
    for (auto _ : stav)
        benchmark::DoNotOptimize(ZpravaReseni(hra, sifrovani));
}

void Varianty(benchmark::internal::Benchmark *b)
{
    for (int sifra = 0; sifra < int(SifryHry.size()); ++sifra)
        for (const int delka : {200, 5000})
            b->Args({sifra, delka});
}

} // namespace

BENCHMARK(Hra_Zasifruj12Hlidek)->Apply(Varianty)->Unit(benchmark::kMicrosecond);
BENCHMARK(Hra_UpravaBunky)->Apply(Varianty)->Unit(benchmark::kMicrosecond);
BENCHMARK(Hra_ZpravaReseni)->Apply(Varianty)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
