#include "app/Main.h"
#include "resources/kresby/KresbaKolecko.h"
#include "support/OdpovidacOken.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Vystrihovanky.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
// Previews are painted at 5 pixels a millimetre. Printable areas with 10 mm margins, in sheet units:
constexpr double PxNaJednotku = 5 / JednotekNaMm;
const QSizeF A4(1900, 2770), A4NaSirku(2770, 1900), A5(1280, 1900), Letter(1959, 2594);

QImage nahled(const Vystrihovanka &v, const QList<DilListu> &dily, QSizeF velikost, int strana)
{
    QImage obraz((velikost * PxNaJednotku).toSize(), QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malir(&obraz);
    malir.scale(PxNaJednotku, PxNaJednotku);
    KresliStranu(malir, v, dily, strana);
    return obraz;
}

DilListu dil(const QList<DilListu> &dily, DilListu::Druh druh)
{
    return *std::find_if(dily.begin(), dily.end(), [druh](const DilListu &d) { return d.druh == druh; });
}

// The middles of the dark runs met along a path of n points bod(i) that starts and ends on light.
QList<double> tmaveUseky(const QImage &obraz, int n, const std::function<QPointF(double)> &bod)
{
    QList<double> useky;
    for (int i = 0, od = -1; i < n; ++i) {
        const QPoint p = bod(i).toPoint();
        const bool tmavy = obraz.valid(p) && qGray(obraz.pixel(p)) < 110;
        if (tmavy && od < 0)
            od = i;
        else if (!tmavy && od >= 0)
            useky.append((od + i - 1) / 2.0), od = -1;
    }
    return useky;
}

QString pdftotext(const QStringList &argumenty)
{
    QProcess proces;
    proces.start("pdftotext", argumenty);
    proces.waitForFinished(20000);
    return QString::fromUtf8(proces.readAllStandardOutput());
}
} // namespace

class TestVystrihovanky : public QObject
{
    Q_OBJECT
private slots:
    void kolecko_data();
    void kolecko();
    void koleckoSifruje();
    void mrizka_data();
    void mrizka();
    void tisk_data();
    void tisk();
};

void TestVystrihovanky::kolecko_data()
{
    QTest::addColumn<bool>("sCh");
    QTest::addColumn<QSizeF>("velikost");
    QTest::newRow("with CH, A4") << true << A4;
    QTest::newRow("without CH, Letter") << false << Letter;
    QTest::newRow("with CH, A4 landscape") << true << A4NaSirku;
}

// Both discs on one page, 14 and 10 cm across, with one sector border per ring character at the
// table's angles.
void TestVystrihovanky::kolecko()
{
    QFETCH(bool, sCh);
    QFETCH(QSizeF, velikost);
    const DruhKolecka druh = sCh ? DruhKolecka::sCh : DruhKolecka::bezCh;
    const Vystrihovanka v = Vystrihovanka::zKolecka(druh);
    const QList<DilListu> dily = RozvrhniVystrihovanku(v, velikost);
    QCOMPARE(PocetStranVystrihovanky(dily), 1);
    QVERIFY(dil(dily, DilListu::Druh::nadpis).radky.join(' ').contains(sCh ? "se znakem CH" : "bez znaku CH"));
    const QImage obraz = nahled(v, dily, velikost, 0);
    const auto &g = geometrieKolecka;
    const int delka = delkaKruhu(druh);
    for (const auto &[druhDisku, prumerMm, hranice] :
         {std::tuple(DilListu::Druh::vnejsiDisk, 140, g.okraj - 3),
          std::tuple(DilListu::Druh::vnitrniDisk, 100, g.vnitrniOkraj + 3)}) {
        const QRectF disk = dil(dily, druhDisku).misto;
        QVERIFY(QRectF(QPointF(), velikost).contains(disk));
        const QPointF stred = disk.center() * PxNaJednotku;
        const QList<double> napric = tmaveUseky(obraz, int(disk.width() * PxNaJednotku) + 20, [&](double i) {
            return QPointF(disk.left() * PxNaJednotku - 10 + i, stred.y());
        });
        QVERIFY(qAbs((napric.last() - napric.first()) / 5 - prumerMm) < 1);
        const double polomer = hranice * meritkoKolecka() * PxNaJednotku;
        const QList<double> uhly = tmaveUseky(obraz, 7200, [&](double i) {
            return stred + polomer * QPointF(std::sin(i * M_PI / 3600), -std::cos(i * M_PI / 3600));
        });
        QCOMPARE(uhly.size(), delka);
        for (int p = 0; p < delka; ++p)
            QVERIFY(qAbs(std::remainder(uhly[p] / 20 - uhelSektoru(p, delka) - 180.0 / delka, 360)) < 0.5);
    }
}

// The discs as labelled, with the turning disc's "A" set against any key, pair every character of
// the fixed ring with the one the engine turns it into.
void TestVystrihovanky::koleckoSifruje()
{
    for (const DruhKolecka druh : {DruhKolecka::sCh, DruhKolecka::bezCh}) {
        const int delka = delkaKruhu(druh);
        const QList<PopisekSektoru> popisky = popiskyKolecka(druh);
        for (int klic = 0; klic < delka; ++klic) {
            QString naPapire;
            for (int p = 0; p < delka; ++p)
                for (int q = delka; q < 2 * delka; ++q)
                    if (qAbs(std::remainder(popisky[q].uhel + uhelSektoru(klic, delka) - popisky[p].uhel, 360)) < 1e-6)
                        naPapire += popisky[q].text == "CH" ? QString("-") : popisky[q].text.toLower();
            QCOMPARE(naPapire, PrevedKoleckem(vnejsiKruh(druh), druh, klic));
        }
    }
}

void TestVystrihovanky::mrizka_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QSizeF>("velikost");
    for (int n : {1, 4, 5, 10})
        QTest::addRow("N=%d, A4", n) << n << A4;
    QTest::newRow("N=10, A5") << 10 << A5;
}

// A random card: on its page the card's grid and the writing square have lines every 1 cm, the
// holes are shaded, and the middle cell of an odd card is explained. Only A5 needs more pages.
void TestVystrihovanky::mrizka()
{
    QFETCH(int, n);
    QFETCH(QSizeF, velikost);
    QRandomGenerator nahoda(n);
    const Okenka okenka = NahodnaOkenka(n, nahoda);
    const Vystrihovanka v = Vystrihovanka::zMrizky(okenka, n);
    const QList<DilListu> dily = RozvrhniVystrihovanku(v, velikost);
    QCOMPARE(PocetStranVystrihovanky(dily) > 1, velikost.height() < 2000);
    QCOMPARE(dil(dily, DilListu::Druh::text).radky.join(' ').contains("Prostřední políčko"), n % 2 == 1);
    for (const DilListu::Druh druh : {DilListu::Druh::karta, DilListu::Druh::ctverec}) {
        const DilListu d = dil(dily, druh);
        QVERIFY(QRectF(QPointF(), velikost).contains(d.misto));
        const QImage obraz = nahled(v, dily, velikost, d.strana);
        const double okraj = druh == DilListu::Druh::karta ? OkrajKarty : 0;
        const QPointF roh = (d.misto.topLeft() + QPointF(okraj, okraj)) * PxNaJednotku;
        const double bunka = StranaPolicka * PxNaJednotku;
        const QList<double> cary = tmaveUseky(obraz, int((n + 0.2) * bunka),
                                              [&](double i) { return roh + QPointF(i - 0.1 * bunka, bunka / 2); });
        QCOMPARE(cary.size(), n + 1);
        for (int i = 0; i <= n; ++i)
            QVERIFY(qAbs(cary[i] - (i + 0.1) * bunka) < 1.5);
        for (int c = 0; c < n && okraj > 0; ++c)
            for (int r = 0; r < n; ++r)
                QCOMPARE(qGray(obraz.pixel((roh + QPointF(c + 0.5, r + 0.5) * bunka).toPoint())),
                         okenka[c][r] ? 180 : 255);
    }
}

void TestVystrihovanky::tisk_data()
{
    QTest::addColumn<QStringList>("okno"); // menu item, button, heading
    QTest::newRow("grille") << QStringList{"MrizkaSD", "VytiskniMrizkuB", "Otočná mřížka 6 × 6 k vystřižení"};
    QTest::newRow("wheel") << QStringList{"SifrovaciKolecko1SD", "VytiskniKoleckoB", "kolečko se znakem CH (37 znaků)"};
}

// A window's button prints its sheet through the main window's print dialog, to one PDF page at real
// size: the grille's writing square numbers its cells 1 cm apart.
void TestVystrihovanky::tisk()
{
    QFETCH(QStringList, okno);
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    hlavni.findChild<QAction *>(okno[0])->trigger();
    QCOMPARE(TTiskZprav::proOkno(hlavni.aktivniOkno()), hlavni.tisk());
    hlavni.tisk()->tiskarna()->setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = slozka.filePath("list.pdf");
    OdpovidacOken odpovidac([&pdf](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("filename")->setText(pdf);
        OdpovidacOken::prijmi(dialog);
    });
    odpovidac.ocekavej();
    QTest::mouseClick(hlavni.aktivniOkno()->findChild<QPushButton *>(okno[1]), Qt::LeftButton);
    QCOMPARE(odpovidac.trida(), "QPrintDialog");
    const QString text = pdftotext({pdf, "-"});
    QVERIFY(text.count(u'\f') == 1 && text.contains(okno[2]));
    const QString slova = pdftotext({"-bbox", pdf, "-"});
    const auto roh = [&slova](const char *slovo) { // in millimetres, from 72 points to the inch
        const auto nalez =
            QRegularExpression(QString("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1<").arg(slovo)).match(slova);
        return QPointF(nalez.captured(1).toDouble(), nalez.captured(2).toDouble()) * 25.4 / 72;
    };
    if (okno[0] == "MrizkaSD")
        QVERIFY(qAbs(roh("13").x() - roh("7").x() - 10) < 0.05 && qAbs(roh("8").y() - roh("7").y() - 10) < 0.05);
}

QTEST_MAIN(TestVystrihovanky)
#include "tst_ui_vystrihovanky.moc"
