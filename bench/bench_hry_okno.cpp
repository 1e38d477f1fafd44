// The game window, offscreen: twelve patrols with their tools printed to a PDF file (the function
// Print calls once its dialog is accepted), the preview from "Náhled" to its first pages painted,
// and one edited cell of a game whose patrols were all enciphered. Each case counts how many
// patrols were enciphered per iteration ("sifrovani"): an edit must cost one.

#include "bench/AplikaceBenche.h"
#include "game/PripravaHry.h"
#include "game/TiskHry.h"
#include "windows/zpravy/TiskZpravy.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void zajistiAplikaci()
{
    bench::zajistiAplikaci("talvo_bench_hry_okno");
}

// Twelve patrols of the cipher of index sifra, each its own key and a message of some sixty
// letters, the tools on.
void pripravHru(TPripravaHryForm &okno, int sifra)
{
    okno.nastavPocatek(42);
    okno.findChild<QComboBox *>(QStringLiteral("sifraCB"))->setCurrentIndex(sifra);
    okno.findChild<QSpinBox *>(QStringLiteral("pocetHlidekSB"))->setValue(12);
    okno.RuzneKliceBClick();
    okno.findChild<QCheckBox *>(QStringLiteral("pomuckaCB"))->setChecked(true);
    auto *tabulka = okno.findChild<QTableWidget *>(QStringLiteral("hlidkyT"));
    for (int r = 0; r < 12; ++r)
        tabulka->item(r, TPripravaHryForm::SloupecZprava)
            ->setText(
                QStringLiteral("Hlídka %1 najde poklad u staré hájovny za potokem, heslo je %2").arg(r).arg(r * 7));
}

void Okno_TiskDvanactiHlidekDoPdf(benchmark::State &stav)
{
    zajistiAplikaci();
    QTemporaryDir slozka;
    TPripravaHryForm okno;
    pripravHru(okno, int(stav.range(0)));
    QPrinter tiskarna(QPrinter::HighResolution);
    tiskarna.setResolution(RozliseniTisku);
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setOutputFileName(slozka.filePath(QStringLiteral("hra.pdf")));
    const qsizetype predtim = okno.sifrovani().pocetSifrovani();
    for (auto _ : stav) {
        // Every iteration enciphers the game afresh, as after a change of the cipher.
        okno.sifrovani().zapomen();
        if (!TiskniHru(tiskarna, okno.hra(), okno.sifrovani()))
            stav.SkipWithError("tisk selhal");
    }
    stav.counters["sifrovani"] =
        benchmark::Counter(double(okno.sifrovani().pocetSifrovani() - predtim), benchmark::Counter::kAvgIterations);
    stav.SetLabel(okno.findChild<QComboBox *>(QStringLiteral("sifraCB"))->currentText().toStdString());
}

void Okno_NahledOtevren(benchmark::State &stav)
{
    zajistiAplikaci();
    TPripravaHryForm okno;
    pripravHru(okno, int(stav.range(0)));
    TTiskZprav::proOkno(&okno)->tiskarna()->setResolution(RozliseniTisku);
    for (auto _ : stav) {
        okno.sifrovani().zapomen();
        // The preview paints its pages before it shows; it is closed as soon as its loop runs.
        QTimer::singleShot(0, &okno, [] {
            if (auto *nahled = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget()))
                nahled->reject();
        });
        okno.NahledBClick();
    }
    stav.SetLabel(okno.findChild<QComboBox *>(QStringLiteral("sifraCB"))->currentText().toStdString());
}

void Okno_UpravaBunky(benchmark::State &stav)
{
    zajistiAplikaci();
    TPripravaHryForm okno;
    pripravHru(okno, int(stav.range(0)));
    auto *tabulka = okno.findChild<QTableWidget *>(QStringLiteral("hlidkyT"));
    if (!okno.radkyKUlozeni())
        stav.SkipWithError("hra neprošla");
    const qsizetype predtim = okno.sifrovani().pocetSifrovani();
    int k = 0;
    for (auto _ : stav) {
        // The edit and the answer sheet after it: what the next print needs.
        tabulka->item(5, TPripravaHryForm::SloupecZprava)->setText(QStringLiteral("nova zprava %1").arg(++k));
        benchmark::DoNotOptimize(okno.radkyKUlozeni());
    }
    stav.counters["sifrovani"] =
        benchmark::Counter(double(okno.sifrovani().pocetSifrovani() - predtim), benchmark::Counter::kAvgIterations);
}

} // namespace

// The argument is the cipher's index in the window's list: Morseovka, Mřížka, kolečko, Šnek, Semafor.
BENCHMARK(Okno_TiskDvanactiHlidekDoPdf)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(Okno_NahledOtevren)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(Okno_UpravaBunky)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
