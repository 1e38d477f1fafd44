// A long text through the real Morse window, offscreen: from setting the source to an idle window
// after "Zašifruj" (and after "Dešifruj" of its Morse code), one keystroke into the long source,
// "Obnovit zdrojový text", Save to a file and Print to a PDF file (through the functions the
// commands call once their dialogs are accepted), beside the engine alone on the same text. Each
// benchmark reports the process's peak resident memory while it ran (VmHWM, MiB). Last, the Morse
// trainer's next question from the press of "Další" to the idle window.

#include "app/Pamet.h"
#include "bench/AplikaceBenche.h"
#include "bench/CeskyText.h"
#include "ciphers/Morseovka.h"
#include "exercises/MorseTrenink.h"
#include "text/Cisteni.h"
#include "windows/Morseovkaunit.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Ukladani.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void zajistiAplikaci()
{
    // As the program sets it up.
    bench::zajistiAplikaci("talvo_bench_okna", [] { nastavPametProDlouheTexty(); });
}

// Runs the event loop until nothing is left to do: posted events (layout, repaints) first, then
// a zero timer, twice, so that whatever the first round posted is done too.
void cekejNaKlid()
{
    for (int kolo = 0; kolo < 2; ++kolo) {
        QEventLoop smycka;
        QTimer::singleShot(0, &smycka, &QEventLoop::quit);
        smycka.exec();
    }
}

// The peak resident memory is reset before a benchmark (where the kernel allows it) and read after.
void vynulujSpicku()
{
    QFile zadost(QStringLiteral("/proc/self/clear_refs"));
    if (zadost.open(QIODevice::WriteOnly))
        zadost.write("5");
}

void zapisSpicku(benchmark::State &stav)
{
    QFile soubor(QStringLiteral("/proc/self/status"));
    if (!soubor.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray &radek : soubor.readAll().split('\n')) {
        if (radek.startsWith("VmHWM:"))
            stav.counters["VmHWM_MiB"] = radek.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
}

struct Okno
{
    Okno()
    {
        form->show();
        cekejNaKlid();
    }
    void zasifrujText(const QString &text)
    {
        zdroj->setPlainText(text);
        zasifruj->click();
        cekejNaKlid();
    }

    std::unique_ptr<TMorseovkaForm> form = std::make_unique<TMorseovkaForm>();
    QPlainTextEdit *zdroj = form->findChild<QPlainTextEdit *>("Zdroj");
    QPushButton *zasifruj = form->findChild<QPushButton *>("ZasifrujB");
    QPushButton *desifruj = form->findChild<QPushButton *>("DesifrujB");
    QPushButton *obnov = form->findChild<QPushButton *>("Button1");
};

// A window that has enciphered the benchmark's text, for the steps that follow "Zašifruj".
Okno zasifrovaneOkno(const benchmark::State &stav)
{
    zajistiAplikaci();
    Okno okno;
    okno.zasifrujText(CeskyText(stav.range(0)));
    return okno;
}

void Motor_VycistiAZasifruj(benchmark::State &stav)
{
    vynulujSpicku();
    const QString &text = CeskyText(stav.range(0));
    for (auto _ : stav)
        benchmark::DoNotOptimize(
            MorseSifruj(VycistiMalymi(text, ZnakyMorseBezInterpunkce, NahradaMala), MorseBezInterpunkce));
    zapisSpicku(stav);
}

// Times krok in a new window each round, so the first long result in a memo is measured as a user
// meets it; making and closing the window are not timed.
template <typename Krok> void vNovemOkne(benchmark::State &stav, Krok krok)
{
    zajistiAplikaci();
    vynulujSpicku();
    for (auto _ : stav) {
        stav.PauseTiming();
        auto okno = std::make_unique<Okno>();
        stav.ResumeTiming();
        krok(*okno);
        cekejNaKlid();
        stav.PauseTiming();
        okno.reset();
        cekejNaKlid();
        stav.ResumeTiming();
    }
    zapisSpicku(stav);
}

void Okno_Zasifruj(benchmark::State &stav)
{
    const QString &text = CeskyText(stav.range(0));
    vNovemOkne(stav, [&text](Okno &okno) { okno.zasifrujText(text); });
}

// The source is the Morse code of the Czech text, about 3.3 times as long.
void Okno_Desifruj(benchmark::State &stav)
{
    const QString morse = MorseSifruj(VycistiMalymi(CeskyText(stav.range(0)), ZnakyMorseBezInterpunkce, NahradaMala),
                                      MorseBezInterpunkce);
    vNovemOkne(stav, [&morse](Okno &okno) {
        okno.zdroj->setPlainText(morse);
        okno.desifruj->click();
    });
}

// One key typed at the end of the cleaned source, until the window is idle again.
void Okno_Uhoz(benchmark::State &stav)
{
    Okno okno = zasifrovaneOkno(stav);
    okno.zdroj->moveCursor(QTextCursor::End);
    vynulujSpicku();
    for (auto _ : stav) {
        QKeyEvent stisk(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent uvolneni(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(okno.zdroj, &stisk);
        QCoreApplication::sendEvent(okno.zdroj, &uvolneni);
        cekejNaKlid();
    }
    zapisSpicku(stav);
}

void Okno_Obnov(benchmark::State &stav)
{
    Okno okno = zasifrovaneOkno(stav);
    vynulujSpicku();
    for (auto _ : stav) {
        okno.obnov->click();
        cekejNaKlid();
        // Cleaned again for the next round, so that every round brings back a changed text.
        stav.PauseTiming();
        okno.zasifruj->click();
        cekejNaKlid();
        stav.ResumeTiming();
    }
    zapisSpicku(stav);
}

void Okno_Uloz(benchmark::State &stav)
{
    Okno okno = zasifrovaneOkno(stav);
    QTemporaryDir slozka;
    const QString cesta = slozka.filePath(QStringLiteral("zprava.txt"));
    vynulujSpicku();
    for (auto _ : stav) {
        QString chyba;
        if (!UlozZpravu(*okno.form, cesta, &chyba))
            stav.SkipWithError(qPrintable(chyba));
    }
    zapisSpicku(stav);
}

void Okno_TiskDoPdf(benchmark::State &stav)
{
    Okno okno = zasifrovaneOkno(stav);
    QTemporaryDir slozka;
    QPrinter tiskarna(QPrinter::HighResolution);
    tiskarna.setResolution(RozliseniTisku);
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setOutputFileName(slozka.filePath(QStringLiteral("zprava.pdf")));
    vynulujSpicku();
    for (auto _ : stav) {
        const TiskovaZprava zprava = pripravTisk(*okno.form);
        const QStringList radky =
            zalomZpravu(zprava.text.value_or(QString()), zprava.sirka, pismoZpravy()).value_or(QStringList());
        QString chyba;
        if (!TiskniZpravu(tiskarna, radky, zprava.sirka, &chyba))
            stav.SkipWithError(qPrintable(chyba));
        stav.counters["radku"] = double(radky.size());
    }
    zapisSpicku(stav);
}

} // namespace

#define TALVO_VELIKOSTI Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond)
// The Morse trainer at its top level (all 37 characters): an answer checked, then "Další" pressed
// until the window is idle again with the new question shown and its statistics table filled.
void Okno_TreninkDalsiOtazka(benchmark::State &stav)
{
    zajistiAplikaci();
    TMorseTrenink trenink(20261210u);
    trenink.findChild<QSpinBox *>("urovenSB")->setValue(TMorseTreninkModel::NejvyssiUroven);
    trenink.show();
    cekejNaKlid();
    auto *odpoved = trenink.findChild<QLineEdit *>("odpovedE");
    auto *overit = trenink.findChild<QPushButton *>("overitB");
    auto *dalsi = trenink.findChild<QPushButton *>("dalsiB");
    for (auto _ : stav) {
        stav.PauseTiming();
        odpoved->setText(QStringLiteral("e"));
        overit->click();
        cekejNaKlid();
        stav.ResumeTiming();
        dalsi->click();
        cekejNaKlid();
    }
}

BENCHMARK(Motor_VycistiAZasifruj)->TALVO_VELIKOSTI;
BENCHMARK(Okno_Zasifruj)->TALVO_VELIKOSTI;
BENCHMARK(Okno_Desifruj)->TALVO_VELIKOSTI;
BENCHMARK(Okno_Uhoz)->TALVO_VELIKOSTI;
BENCHMARK(Okno_Obnov)->TALVO_VELIKOSTI;
BENCHMARK(Okno_Uloz)->TALVO_VELIKOSTI;
BENCHMARK(Okno_TiskDoPdf)->TALVO_VELIKOSTI;

BENCHMARK(Okno_TreninkDalsiOtazka)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
