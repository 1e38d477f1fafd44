// The cost of one key tap in the key decoder after 10, 1000 and 100000 taps (it must not grow with
// the code already read), and the semaphore reader over rows of pictures of those lengths.

#include "ciphers/Klicovani.h"
#include "ciphers/Morseovka.h"
#include "ciphers/Semafor.h"

#include <QList>
#include <QString>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

constexpr int MerenychKlepnuti = 1000;

// Key timing of a sentence sent evenly at 12 words per minute (100 ms a unit), repeated to the length.
QList<int> Delky(qsizetype pocet)
{
    const QString kod = MorseSifruj(u"ahoj svete posilame zpravu z tabora 2026 ", MorseBezInterpunkce);
    QList<int> vzor;
    int pauza = 0;
    for (const QChar c : kod) {
        if (c == u'/') {
            pauza = pauza == 0 ? 300 : 700;
            continue;
        }
        if (!vzor.isEmpty())
            vzor.append(pauza == 0 ? 100 : pauza);
        vzor.append(c == u'.' ? 100 : 300);
        pauza = 0;
    }
    vzor.append(pauza);
    QList<int> delky;
    delky.reserve(pocet);
    while (delky.size() < pocet)
        delky.append(vzor.at(delky.size() % vzor.size()));
    return delky;
}

// Each iteration builds a decoder that has read the first range(0) durations (not timed) and times
// the next MerenychKlepnuti of them. ns_na_klepnuti is one tap's time in the median iteration, which
// a busy machine's preemptions do not shift as they shift the mean.
void Klicovani_KlepnutiPo(benchmark::State &stav)
{
    const qsizetype predtim = qsizetype(stav.range(0));
    const QList<int> delky = Delky(predtim + MerenychKlepnuti);
    std::vector<double> casy;
    for (auto _ : stav) {
        DekoderKlicovani dekoder(12);
        for (qsizetype i = 0; i < predtim; ++i)
            dekoder.pridej(delky[i]);
        const auto zacatek = std::chrono::steady_clock::now();
        for (qsizetype i = predtim; i < predtim + MerenychKlepnuti; ++i)
            dekoder.pridej(delky[i]);
        const double sekund = std::chrono::duration<double>(std::chrono::steady_clock::now() - zacatek).count();
        benchmark::DoNotOptimize(dekoder.kod().size());
        stav.SetIterationTime(sekund);
        casy.push_back(sekund);
    }
    const double klepnuti = double(stav.iterations()) * MerenychKlepnuti;
    stav.SetItemsProcessed(int64_t(klepnuti));
    std::nth_element(casy.begin(), casy.begin() + qsizetype(casy.size() / 2), casy.end());
    stav.counters["ns_na_klepnuti"] = casy[casy.size() / 2] / MerenychKlepnuti * 1e9;
}

void Semafor_SemaforDesifruj(benchmark::State &stav)
{
    QList<int> obrazky;
    for (int i = 0; i < stav.range(0); ++i)
        obrazky.append(1 + i % SemaforPocetObrazku);
    for (auto _ : stav)
        benchmark::DoNotOptimize(SemaforDesifruj(obrazky));
    stav.SetItemsProcessed(int64_t(stav.iterations()) * stav.range(0));
}

} // namespace

BENCHMARK(Klicovani_KlepnutiPo)->Arg(10)->Arg(1000)->Arg(100000)->UseManualTime()->Iterations(200);
BENCHMARK(Semafor_SemaforDesifruj)->Arg(10)->Arg(1000)->Arg(100000);

BENCHMARK_MAIN();
