// Talvo as the start-up benchmark starts it: the same steps as program/main.cpp, in the working folder the
// harness chose (its store), and an exit as soon as the main window is idle, so that the program
// itself reads no variable or option only a benchmark would need.
// With the argument "okna" it then opens every window of the menus one after another and prints
// "okno <name> <milliseconds>" for each: from the menu command to the window painted.
#include "Necinnost.h"

#include "app/Aplikace.h"
#include "app/Main.h"
#include "resources/Pisma.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <cstring>

namespace {
void otevriKazdeOkno(TTalvoMain &hlavni)
{
    QStringList akce{
        QStringLiteral("Morseovka1SD"), QStringLiteral("MrizkaSD"),   QStringLiteral("SifrovaciKolecko1SD"),
        QStringLiteral("Snek1SD"),      QStringLiteral("Semafor1SD"), QStringLiteral("Test"),
        QStringLiteral("Nova")};
    QList<QAction *> polozky;
    for (const QString &jmeno : akce)
        polozky.append(hlavni.findChild<QAction *>(jmeno));
    if (!hlavni.polozkyPrehled().isEmpty())
        polozky.append(hlavni.polozkyPrehled().first());
    for (QAction *polozka : polozky) {
        if (!polozka)
            continue;
        const qsizetype pred = hlavni.mdiArea()->subWindowList().size();
        QElapsedTimer cas;
        cas.start();
        polozka->trigger();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QMdiSubWindow *okno = hlavni.mdiArea()->activeSubWindow();
        // A command that opened nothing (a window this build lacks) is not reported.
        if (!okno || hlavni.mdiArea()->subWindowList().size() == pred)
            continue;
        okno->repaint();
        const double ms = double(cas.nsecsElapsed()) / 1e6;
        std::printf("okno %s %.3f\n", qPrintable(okno->widget()->objectName()), ms);
        okno->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    const bool okna = argc > 1 && std::strcmp(argv[1], "okna") == 0;
    Aplikace aplikace(argc, argv);
    NactiTahomu();
    TTalvoMain hlavni;
    hlavni.show();
    poNecinnosti(&hlavni, [&hlavni, okna] {
        ohlasNecinnost();
        if (okna)
            otevriKazdeOkno(hlavni);
        QCoreApplication::exit(0);
    });
    return aplikace.exec();
}
