// Time per character of cleaning and of the engines that take texts of any length,
// beside QString::toLower of the same text as a baseline.

#include "bench/CeskyText.h"
#include "ciphers/Kolecko.h"
#include "ciphers/Morseovka.h"
#include "ciphers/Semafor.h"
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

} // namespace

#define TALVO_VELIKOSTI Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)
BENCHMARK(Zaklad_toLower)->TALVO_VELIKOSTI;
BENCHMARK(Cisteni_VycistiText)->TALVO_VELIKOSTI;
BENCHMARK(Morse_MorseSifruj)->TALVO_VELIKOSTI;
BENCHMARK(Morse_MorseDesifruj)->TALVO_VELIKOSTI;
BENCHMARK(Kolecko_PrevedKoleckem)->TALVO_VELIKOSTI;
BENCHMARK(Semafor_SemaforSifruj)->TALVO_VELIKOSTI;

BENCHMARK_MAIN();
