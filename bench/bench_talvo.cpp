// Time per character of cleaning and of the engines that take texts of any length,
// beside QString::toLower of the same text as a baseline.

#include "bench/CeskyText.h"
#include "ciphers/Kolecko.h"
#include "ciphers/Morseovka.h"
#include "ciphers/MorseovkaZvuk.h"
#include "ciphers/Semafor.h"
#include "exercises/model/MorseTrenink.h"
#include "text/Cisteni.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

void NastavZpracovano(benchmark::State &stav, qsizetype znaku)
{
    stav.SetItemsProcessed(int64_t(stav.iterations()) * znaku);
    stav.SetBytesProcessed(int64_t(stav.iterations()) * znaku * int64_t(sizeof(QChar)));
}

void Zaklad_toLower(benchmark::State &stav)
{
    const QString &text = CeskyText(stav.range(0));
    for (auto _ : stav)
        benchmark::DoNotOptimize(text.toLower());
    NastavZpracovano(stav, text.size());
}

void Cisteni_VycistiText(benchmark::State &stav)
{
    const QString &text = CeskyText(stav.range(0));
    for (auto _ : stav)
        benchmark::DoNotOptimize(VycistiText(text, ZnakyMorseSInterpunkci, NahradaMala));
    NastavZpracovano(stav, text.size());
}

void Morse_MorseSifruj(benchmark::State &stav)
{
    const QString text = VycistiText(CeskyText(stav.range(0)), ZnakyMorseSInterpunkci, NahradaMala);
    for (auto _ : stav)
        benchmark::DoNotOptimize(MorseSifruj(text, MorseSInterpunkci));
    NastavZpracovano(stav, text.size());
}

// Counted per character of the encoded input, which is several times the source.
void Morse_MorseDesifruj(benchmark::State &stav)
{
    const QString zdroj = VycistiText(CeskyText(stav.range(0)), ZnakyMorseSInterpunkci, NahradaMala);
    const QString morse = MorseSifruj(zdroj, MorseSInterpunkci);
    for (auto _ : stav)
        benchmark::DoNotOptimize(MorseDesifruj(morse, MorseSInterpunkci));
    NastavZpracovano(stav, morse.size());
}

void Kolecko_PrevedKoleckem(benchmark::State &stav)
{
    const QString text = VycistiText(CeskyText(stav.range(0)), ZnakyKolecko, NahradaMala);
    for (auto _ : stav)
        benchmark::DoNotOptimize(PrevedKoleckem(text, DruhKolecka::sCh, 1));
    NastavZpracovano(stav, text.size());
}

void Semafor_SemaforSifruj(benchmark::State &stav)
{
    const QString text = VycistiText(CeskyText(stav.range(0)), ZnakySemafor, NahradaMala);
    for (auto _ : stav)
        benchmark::DoNotOptimize(SemaforSifruj(text));
    NastavZpracovano(stav, text.size());
}

// One new question of the Morse trainer at its top level, with every character answered before, some
// wrong (target: well within 20 ms).
void Trenink_DalsiOtazka(benchmark::State &stav)
{
    TMorseTreninkModel model(1);
    model.nastavUroven(TMorseTreninkModel::NejvyssiUroven);
    for (int i = 0; i < 500; ++i) {
        model.dalsiOtazka();
        model.over(i % 3 ? model.znakOtazky() : u"#");
    }
    for (auto _ : stav) {
        model.dalsiOtazka();
        benchmark::DoNotOptimize(model.znakOtazky());
    }
}

// From pressing play to the first buffer the sound output gets: the sound of a long text is made and
// its first 4096 samples read (target: within 100 ms). Counted per character of the source text.
void Zvuk_PrvniVzorky(benchmark::State &stav)
{
    const QString text = VycistiText(CeskyText(stav.range(0)), ZnakyMorseBezInterpunkce, NahradaMala);
    const QString kod = MorseSifruj(text, MorseBezInterpunkce);
    NastaveniZvuku nastaveni;
    nastaveni.slovZaMinutu = 18;
    nastaveni.efektivniSlovZaMinutu = 8;
    qint16 prvni[4096];
    for (auto _ : stav) {
        ZvukMorseovky zvuk(kod, nastaveni);
        benchmark::DoNotOptimize(zvuk.ctiVzorky(prvni, std::size(prvni)));
    }
    NastavZpracovano(stav, text.size());
}

} // namespace

#define TALVO_VELIKOSTI Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)
BENCHMARK(Zaklad_toLower)->TALVO_VELIKOSTI;
BENCHMARK(Cisteni_VycistiText)->TALVO_VELIKOSTI;
BENCHMARK(Morse_MorseSifruj)->TALVO_VELIKOSTI;
BENCHMARK(Morse_MorseDesifruj)->TALVO_VELIKOSTI;
BENCHMARK(Kolecko_PrevedKoleckem)->TALVO_VELIKOSTI;
BENCHMARK(Semafor_SemaforSifruj)->TALVO_VELIKOSTI;
BENCHMARK(Trenink_DalsiOtazka);
BENCHMARK(Zvuk_PrvniVzorky)->TALVO_VELIKOSTI->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
