#include "resources/kresby/KresbaKolecko.h"
#include "windows/zpravy/Vystrihovanky.h"

#include <QImage>
#include <QLineF>
#include <QPageLayout>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

namespace {
// Previews are painted at 5 pixels a millimetre.
constexpr double PxNaJednotku = 5 / JednotekNaMm;

// The printable area of a page with 10 mm margins, in sheet units.
QSizeF plocha(QPageSize::PageSizeId papir, QPageLayout::Orientation otoceni = QPageLayout::Portrait)
{
    const QPageLayout stranka(QPageSize(papir), otoceni, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    return stranka.paintRect(QPageLayout::Millimeter).size() * JednotekNaMm;
}

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
    for (const DilListu &d : dily)
        if (d.druh == druh)
            return d;
    return {};
}

// The middles of the dark runs met along a path of n points, from a light point on.
template <typename Cesta> QList<double> tmaveUseky(const QImage &obraz, int n, Cesta bod)
{
    const auto tmavy = [&](int i) {
        const QPoint p = bod(i).toPoint();
        return obraz.valid(p) && qGray(obraz.pixel(p)) < 110;
    };
    int zacatek = 0;
    while (zacatek < n && tmavy(zacatek))
        ++zacatek;
    QList<double> useky;
    for (int i = zacatek, od = -1; i <= zacatek + n; ++i) {
        if (tmavy(i % n) && od < 0)
            od = i;
        else if (!tmavy(i % n) && od >= 0)
            useky.append((od + i - 1) / 2.0), od = -1;
    }
    return useky;
}

// Angles in degrees clockwise from the top of the dark runs round a circle.
QList<double> tmaveUhly(const QImage &obraz, QPointF stred, double polomer)
{
    constexpr int Kroku = 7200;
    QList<double> uhly = tmaveUseky(obraz, Kroku, [&](int i) {
        const double u = 2 * M_PI * i / Kroku;
        return stred + polomer * QPointF(std::sin(u), -std::cos(u));
    });
    for (double &uhel : uhly)
        uhel = std::fmod(uhel * 360 / Kroku, 360);
    return uhly;
}

// Every piece fits the width and, unless it alone starts a page, the height; the discs keep apart.
void vPlose(const QList<DilListu> &dily, QSizeF velikost)
{
    for (const DilListu &d : dily) {
        QVERIFY(d.misto.left() >= 0 && d.misto.right() <= velikost.width());
        QVERIFY(d.misto.bottom() <= velikost.height() || d.misto.top() == 0);
    }
    const DilListu vnejsi = dil(dily, DilListu::Druh::vnejsiDisk);
    const DilListu vnitrni = dil(dily, DilListu::Druh::vnitrniDisk);
    if (!vnejsi.misto.isEmpty() && vnejsi.strana == vnitrni.strana)
        QVERIFY(QLineF(vnejsi.misto.center(), vnitrni.misto.center()).length() >=
                (PrumerVnejsihoDisku + PrumerVnitrnihoDisku) / 2);
}
} // namespace

class TestVystrihovanky : public QObject
{
    Q_OBJECT
private slots:
    void kolecko_data();
    void kolecko();
    void koleckoSifruje_data();
    void koleckoSifruje();
    void mrizka_data();
    void mrizka();
};

void TestVystrihovanky::kolecko_data()
{
    QTest::addColumn<bool>("sCh");
    QTest::addColumn<QSizeF>("velikost");
    QTest::newRow("with CH, A4") << true << plocha(QPageSize::A4);
    QTest::newRow("without CH, A4") << false << plocha(QPageSize::A4);
    QTest::newRow("with CH, Letter") << true << plocha(QPageSize::Letter);
    QTest::newRow("without CH, A4 landscape") << false << plocha(QPageSize::A4, QPageLayout::Landscape);
}

// Both discs on one page at 14 and 10 cm across, one sector border per ring character where the
// table's angles put it, and the key mark over the turning disc's "A".
void TestVystrihovanky::kolecko()
{
    QFETCH(bool, sCh);
    QFETCH(QSizeF, velikost);
    const DruhKolecka druh = sCh ? DruhKolecka::sCh : DruhKolecka::bezCh;
    const Vystrihovanka v = Vystrihovanka::zKolecka(druh);
    const QList<DilListu> dily = RozvrhniVystrihovanku(v, velikost);
    QCOMPARE(PocetStranVystrihovanky(dily), 1);
    vPlose(dily, velikost);
    QVERIFY(dil(dily, DilListu::Druh::nadpis).radky.join(' ').contains(sCh ? "se znakem CH" : "bez znaku CH"));
    const QImage obraz = nahled(v, dily, velikost, 0);
    const auto &g = geometrieKolecka;
    const int delka = delkaKruhu(druh);
    for (const auto &[druhDisku, prumerMm, hranice] :
         {std::tuple(DilListu::Druh::vnejsiDisk, 140.0, g.okraj - 3),
          std::tuple(DilListu::Druh::vnitrniDisk, 100.0, g.vnitrniOkraj + 3)}) {
        const QRectF disk = dil(dily, druhDisku).misto;
        const QPointF stred = disk.center() * PxNaJednotku;
        const double od = disk.left() * PxNaJednotku - 10;
        const QList<double> napric =
            tmaveUseky(obraz, int(disk.width() * PxNaJednotku) + 20, [&](int i) { return QPointF(od + i, stred.y()); });
        QVERIFY(napric.size() > 2);
        QVERIFY(qAbs((napric.last() - napric.first()) / 5 - prumerMm) < 1);
        const QList<double> uhly = tmaveUhly(obraz, stred, hranice * meritkoKolecka() * PxNaJednotku);
        QCOMPARE(uhly.size(), delka);
        for (int p = 0; p < delka; ++p)
            QVERIFY2(qAbs(uhly[p] - uhelSektoru(p, delka) - 180.0 / delka) < 0.5, qPrintable(QString::number(p)));
    }
    const QPointF znacka =
        dil(dily, DilListu::Druh::vnitrniDisk).misto.center() - QPointF(0, (g.deliciKruh - 3) * meritkoKolecka());
    QCOMPARE(QColor(obraz.pixel((znacka * PxNaJednotku).toPoint())).hue() % 359, 0);
}

void TestVystrihovanky::koleckoSifruje_data()
{
    QTest::addColumn<bool>("sCh");
    QTest::newRow("with CH") << true;
    QTest::newRow("without CH") << false;
}

// The discs as labelled, with the turning disc's "A" set against any key, pair every character of
// the fixed ring with the one the engine turns it into.
void TestVystrihovanky::koleckoSifruje()
{
    QFETCH(bool, sCh);
    const DruhKolecka druh = sCh ? DruhKolecka::sCh : DruhKolecka::bezCh;
    const int delka = delkaKruhu(druh);
    const QList<PopisekSektoru> popisky = popiskyKolecka(druh);
    const auto znak = [](const QString &popisek) { return popisek == "CH" ? QString("-") : popisek.toLower(); };
    for (int klic = 0; klic < delka; ++klic) {
        QString naPapire;
        for (int p = 0; p < delka; ++p)
            for (int q = 0; q < delka; ++q)
                if (qAbs(std::remainder(popisky[delka + q].uhel + uhelSektoru(klic, delka) - popisky[p].uhel, 360)) <
                    1e-6)
                    naPapire += znak(popisky[delka + q].text);
        QCOMPARE(naPapire, PrevedKoleckem(vnejsiKruh(druh), druh, klic));
    }
}

void TestVystrihovanky::mrizka_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QSizeF>("velikost");
    for (int n : {1, 4, 5, 10})
        QTest::addRow("N=%d, A4", n) << n << plocha(QPageSize::A4);
    QTest::newRow("N=10, A5") << 10 << plocha(QPageSize::A5);
}

// A random card: its grid and the writing square have 1 cm cells, the holes are shaded, and the
// middle cell of an odd card is explained.
void TestVystrihovanky::mrizka()
{
    QFETCH(int, n);
    QFETCH(QSizeF, velikost);
    QRandomGenerator nahoda(n);
    const Okenka okenka = NahodnaOkenka(n, nahoda);
    const Vystrihovanka v = Vystrihovanka::zMrizky(okenka, n);
    const QList<DilListu> dily = RozvrhniVystrihovanku(v, velikost);
    vPlose(dily, velikost);
    QCOMPARE(PocetStranVystrihovanky(dily) > 1, velikost.height() < 2000);
    QCOMPARE(dil(dily, DilListu::Druh::text).radky.join(' ').contains("Prostřední políčko"), n % 2 == 1);
    for (const DilListu::Druh druh : {DilListu::Druh::karta, DilListu::Druh::ctverec}) {
        const DilListu d = dil(dily, druh);
        const QImage obraz = nahled(v, dily, velikost, d.strana);
        const QPointF roh =
            (d.misto.topLeft() + QPointF(1, 1) * (druh == DilListu::Druh::karta ? OkrajKarty : 0)) * PxNaJednotku;
        const double bunka = StranaPolicka * PxNaJednotku;
        const QList<double> cary =
            tmaveUseky(obraz, int((n + 0.4) * bunka), [&](int i) { return roh + QPointF(i - 0.2 * bunka, bunka / 2); });
        QCOMPARE(cary.size(), n + 1);
        for (int i = 0; i <= n; ++i)
            QVERIFY(qAbs(cary[i] - (i + 0.2) * bunka) <= 1);
        if (druh == DilListu::Druh::karta)
            for (int c = 0; c < n; ++c)
                for (int r = 0; r < n; ++r)
                    QCOMPARE(qGray(obraz.pixel((roh + QPointF(c + 0.5, r + 0.5) * bunka).toPoint())),
                             okenka[c][r] ? 180 : 255);
    }
}

QTEST_MAIN(TestVystrihovanky)
#include "tst_ui_vystrihovanky.moc"
