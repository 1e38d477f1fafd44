// How late the lamp switches: the real lamp window, offscreen, flashes a sentence at several speeds
// and every switch is compared with its place in the schedule (the lamp's own prepnuto signal gives
// both). Prints, per speed, the number of switches and the mean, median, 99th percentile and largest
// lateness in microseconds. Run: talvo_mereni_svetla [seconds per speed, default 8].

#include "ciphers/Morseovka.h"
#include "windows/Svetlo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QList>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication aplikace(argc, argv);
    const int sekund = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 8;
    const QString kod = MorseSifruj(u"ahoj svete posilame zpravu z tabora 2026", MorseBezInterpunkce);
    std::printf("%-12s %9s %10s %10s %10s %10s\n", "speed", "switches", "mean us", "median us", "p99 us", "max us");
    for (const auto &[rychlost, efektivni] : {std::pair(8, 0), std::pair(18, 5), std::pair(25, 0), std::pair(40, 0)}) {
        NastaveniZvuku nastaveni;
        nastaveni.slovZaMinutu = rychlost;
        nastaveni.efektivniSlovZaMinutu = efektivni;
        QList<qint64> zpozdeni;
        TSvetlo svetlo(kod, nastaveni);
        QObject::connect(&svetlo, &TSvetlo::prepnuto,
                         [&zpozdeni](bool, qint64 plan, qint64 skutecne) { zpozdeni.append(skutecne - plan); });
        QObject::connect(&svetlo, &TSvetlo::skonceno, &svetlo, &TSvetlo::spust);
        svetlo.show();
        svetlo.spust();
        QTimer::singleShot(sekund * 1000, &aplikace, &QApplication::quit);
        aplikace.exec();
        std::sort(zpozdeni.begin(), zpozdeni.end());
        qint64 soucet = 0;
        for (qint64 z : zpozdeni)
            soucet += z;
        const qsizetype n = zpozdeni.size();
        const QByteArray nazev =
            QStringLiteral("%1/%2 wpm").arg(rychlost).arg(efektivni ? efektivni : rychlost).toLatin1();
        std::printf("%-12s %9lld %10lld %10lld %10lld %10lld\n", nazev.constData(), qint64(n), n ? soucet / n : 0,
                    n ? zpozdeni[n / 2] : 0, n ? zpozdeni[std::min(n - 1, n * 99 / 100)] : 0, n ? zpozdeni.last() : 0);
    }
    return 0;
}
