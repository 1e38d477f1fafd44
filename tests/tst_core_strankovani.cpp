#include "text/Strankovani.h"

#include <QTest>

using Listy = QList<ListTisku>;
using Bloky = QList<UmisteniBloku>;
Q_DECLARE_METATYPE(Listy)
Q_DECLARE_METATYPE(Bloky)

class TestStrankovani : public QObject
{
    Q_OBJECT
private slots:
    void poradi_data();
    void poradi();
    void rozsahyPokryjiVsechnyRadky();
    void bloky_data();
    void bloky();
};

void TestStrankovani::poradi_data()
{
    QTest::addColumn<int>("radku");
    QTest::addColumn<int>("naStranu");
    QTest::addColumn<int>("kopie");
    QTest::addColumn<bool>("kompletovat");
    QTest::addColumn<Listy>("ocekavane");

    QTest::newRow("L lines fill one sheet") << 50 << 50 << 1 << true << Listy{{1, 0, 50}};
    QTest::newRow("L+1 lines need a second sheet with one line")
        << 51 << 50 << 1 << true << Listy{{1, 0, 50}, {2, 50, 51}};
    QTest::newRow("three copies of two pages collated")
        << 7 << 4 << 3 << true << Listy{{1, 0, 4}, {2, 4, 7}, {1, 0, 4}, {2, 4, 7}, {1, 0, 4}, {2, 4, 7}};
    QTest::newRow("three copies of two pages not collated")
        << 7 << 4 << 3 << false << Listy{{1, 0, 4}, {1, 0, 4}, {1, 0, 4}, {2, 4, 7}, {2, 4, 7}, {2, 4, 7}};
    QTest::newRow("empty report gives one empty sheet") << 0 << 50 << 1 << true << Listy{{1, 0, 0}};
    QTest::newRow("empty report, two copies, one empty sheet each")
        << 0 << 50 << 2 << false << Listy{{1, 0, 0}, {1, 0, 0}};
    QTest::newRow("page that holds no line still prints one per sheet")
        << 3 << 0 << 1 << true << Listy{{1, 0, 1}, {2, 1, 2}, {3, 2, 3}};
    QTest::newRow("negative lines per page treated as one") << 2 << -5 << 1 << false << Listy{{1, 0, 1}, {2, 1, 2}};
    QTest::newRow("zero copies print one") << 5 << 10 << 0 << true << Listy{{1, 0, 5}};
    QTest::newRow("single copy ignores collation") << 5 << 2 << 1 << false << Listy{{1, 0, 2}, {2, 2, 4}, {3, 4, 5}};
}

void TestStrankovani::poradi()
{
    QFETCH(int, radku);
    QFETCH(int, naStranu);
    QFETCH(int, kopie);
    QFETCH(bool, kompletovat);
    QFETCH(Listy, ocekavane);
    const Listy skutecne = PoradiListu(radku, naStranu, kopie, kompletovat);
    QCOMPARE(skutecne.size(), ocekavane.size());
    for (int i = 0; i < skutecne.size(); ++i) {
        QVERIFY2(skutecne.at(i) == ocekavane.at(i), qPrintable(QStringLiteral("sheet %1: page %2 [%3, %4)")
                                                                   .arg(i)
                                                                   .arg(skutecne.at(i).strana)
                                                                   .arg(skutecne.at(i).od)
                                                                   .arg(skutecne.at(i).po)));
    }
}

// Over many sizes every copy covers each line exactly once, in order, and no sheet overflows.
void TestStrankovani::rozsahyPokryjiVsechnyRadky()
{
    for (int radku = 0; radku <= 40; ++radku) {
        for (int naStranu = 1; naStranu <= 12; ++naStranu) {
            for (int kopie = 1; kopie <= 3; ++kopie) {
                for (bool kompletovat : {true, false}) {
                    const Listy listy = PoradiListu(radku, naStranu, kopie, kompletovat);
                    const int stran = PocetStran(radku, naStranu);
                    QCOMPARE(listy.size(), stran * kopie);
                    QList<int> pokryti(radku, 0);
                    for (const ListTisku &list : listy) {
                        QVERIFY(list.po - list.od <= naStranu);
                        QCOMPARE(list.od, std::min((list.strana - 1) * naStranu, radku));
                        for (int r = list.od; r < list.po; ++r)
                            ++pokryti[r];
                    }
                    for (int r = 0; r < radku; ++r)
                        QCOMPARE(pokryti.at(r), kopie);
                }
            }
        }
    }
}

void TestStrankovani::bloky_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<QList<int>>("vysky");
    QTest::addColumn<Bloky>("ocekavane");
    QTest::newRow("both fit, the second below the first, never inside it")
        << 1000 << QList<int>{1200, 660} << Bloky{{false, 1000}, {false, 2200}};
    QTest::newRow("block that exactly fits stays") << 6000 << QList<int>{4000} << Bloky{{false, 6000}};
    QTest::newRow("first block does not fit below the lines")
        << 9500 << QList<int>{1200, 660} << Bloky{{true, 0}, {false, 1200}};
    QTest::newRow("second block goes to a new sheet")
        << 5000 << QList<int>{4000, 1500} << Bloky{{false, 5000}, {true, 0}};
    QTest::newRow("taller than a sheet at the top stays") << 0 << QList<int>{15000} << Bloky{{false, 0}};
    QTest::newRow("no blocks") << 500 << QList<int>{} << Bloky{};
}

// Sheets 10000 units high.
void TestStrankovani::bloky()
{
    QFETCH(int, y);
    QFETCH(QList<int>, vysky);
    QFETCH(Bloky, ocekavane);
    QCOMPARE(UmistiBloky(y, vysky, 10000), ocekavane);
}

QTEST_GUILESS_MAIN(TestStrankovani)
#include "tst_core_strankovani.moc"
