// The longest time the event loop waits while the Morse window's report of a 1 MiB text prints to PDF
// through Print: the report is filled before the print dialog in one step (timed up to the dialog's
// own event loop); from the dialog's acceptance on, a zero-delay timer notes when it fires, and the
// widest gap between two firings is how long a repaint could wait.
#include "bench/CeskyText.h"
#include "windows/Morseovkaunit.h"
#include "windows/zpravy/TiskListu.h"
#include "windows/zpravy/TiskZpravy.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication aplikace(argc, argv);
    TMorseovkaForm form;
    form.show();
    form.findChild<QPlainTextEdit *>("Zdroj")->setPlainText(CeskyText(1024 * 1024));
    form.findChild<QPushButton *>("ZasifrujB")->click();
    QCoreApplication::processEvents();
    QTemporaryDir slozka;
    const QString cesta = slozka.filePath("dlouhy.pdf");
    TTiskZprav tisk(&form);
    tisk.tiskarna()->setOutputFormat(QPrinter::PdfFormat);
    tisk.tiskarna()->setOutputFileName(cesta);

    QElapsedTimer hodiny;
    qint64 posledni = -1;
    qint64 nejdele = 0;
    int otocek = 0;
    QTimer mereni;
    mereni.setInterval(0);
    QObject::connect(&mereni, &QTimer::timeout, [&] {
        const qint64 ted = hodiny.nsecsElapsed();
        if (posledni >= 0)
            nejdele = std::max(nejdele, ted - posledni);
        posledni = ted;
        ++otocek;
    });
    QElapsedTimer celkem;
    qint64 predDialogem = 0;
    QTimer::singleShot(0, [&] {
        // The dialog's own event loop runs: everything before it (filling the report) was one step.
        predDialogem = celkem.nsecsElapsed();
        QPrintDialog *dialog = tisk.PrintDialog1();
        if (auto *soubor = dialog->findChild<QLineEdit *>("filename"))
            soubor->setText(cesta);
        dialog->accept();
        // From here on the print runs; the first gap counts from the acceptance.
        hodiny.start();
        posledni = 0;
        mereni.start();
    });
    celkem.start();
    const bool vytisteno = tisk.TiskClick(&form);
    const qint64 konec = hodiny.nsecsElapsed();
    nejdele = std::max(nejdele, konec - posledni);
    std::printf("%s: before the dialog %.1f ms, then %d event-loop turns, longest gap %.1f ms, print after the "
                "dialog %.0f ms, Print in all %lld ms\n",
                vytisteno ? "printed" : "FAILED", predDialogem / 1e6, otocek, nejdele / 1e6, konec / 1e6,
                static_cast<long long>(celkem.elapsed()));
    return vytisteno ? 0 : 1;
}
