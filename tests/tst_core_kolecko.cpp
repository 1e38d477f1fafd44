#include "ciphers/Kolecko.h"

#include <QTest>

Q_DECLARE_METATYPE(DruhKolecka)

class TestKolecko : public QObject
{
    Q_OBJECT
private slots:
    void kruhy();
    void poziceKlice_data();
    void poziceKlice();
    void odmitnutyKlic_data();
    void odmitnutyKlic();
    void preved_data();
    void preved();
};

void TestKolecko::kruhy()
{
    for (const DruhKolecka druh : {DruhKolecka::sCh, DruhKolecka::bezCh}) {
        const int delka = delkaKruhu(druh);
        QCOMPARE(vnitrniKruh(druh).size(), delka);
        // The inner ring is the outer one read backwards from "a".
        for (int j = 0; j < delka; ++j)
            QCOMPARE(vnitrniKruh(druh)[j], vnejsiKruh(druh)[(delka - j) % delka]);
    }
    QCOMPARE(delkaKruhu(DruhKolecka::sCh), 37);
    QCOMPARE(delkaKruhu(DruhKolecka::bezCh), 36);
}

void TestKolecko::poziceKlice_data()
{
    QTest::addColumn<QString>("klic");
    QTest::addColumn<int>("sCh");
    QTest::addColumn<int>("bezCh");
    QTest::newRow("a") << "a" << 0 << 0;
    QTest::newRow("b") << "b" << 1 << 1;
    QTest::newRow("h") << "h" << 7 << 7;
    QTest::newRow("i") << "i" << 9 << 8;
    QTest::newRow("z") << "z" << 26 << 25;
    QTest::newRow("1") << "1" << 27 << 26;
    QTest::newRow("9") << "9" << 35 << 34;
    QTest::newRow("0") << "0" << 36 << 35;
    QTest::newRow("B") << "B" << 1 << 1;
    QTest::newRow("a s carkou") << "\u00E1" << 0 << 0;
    QTest::newRow("C s hackem") << "\u010C" << 2 << 2;
    QTest::newRow("s koncem radku") << "k\r\n" << 11 << 10;
}

void TestKolecko::poziceKlice()
{
    QFETCH(QString, klic);
    QFETCH(int, sCh);
    QFETCH(int, bezCh);
    const PoziceKliceVysledek s = PoziceKlice(klic, DruhKolecka::sCh);
    const PoziceKliceVysledek bez = PoziceKlice(klic, DruhKolecka::bezCh);
    QCOMPARE(s.otoceniKolecka, sCh);
    QCOMPARE(bez.otoceniKolecka, bezCh);
    QVERIFY(s.chyba.isEmpty());
    QVERIFY(bez.chyba.isEmpty());
}

void TestKolecko::odmitnutyKlic_data()
{
    QTest::addColumn<QString>("klic");
    QTest::addColumn<QString>("zprava");
    const QString konec = "\". Zadavejte  jen JEDEN znak nebo cislici!";
    QTest::newRow("prazdny") << ""
                             << "Zadali jste \"" + konec;
    QTest::newRow("ab") << "ab"
                        << "Zadali jste \"ab" + konec;
    QTest::newRow("AB") << "AB"
                        << "Zadali jste \"ab" + konec;
    QTest::newRow("ch") << "ch"
                        << "Zadali jste \"ch" + konec;
    QTest::newRow("pomlcka") << "-"
                             << "Zadali jste \"-" + konec;
    QTest::newRow("tecka") << "."
                           << "Zadali jste \"" + konec;
    QTest::newRow("mezera") << " "
                            << "Zadali jste \" " + konec;
    QTest::newRow("strednik") << ";"
                              << "Zadali jste \";" + konec;
    QTest::newRow("dvojtecka") << ":"
                               << "Zadali jste \":" + konec;
    QTest::newRow("ostre s") << "\u00DF"
                             << "Zadali jste \"\u00DF" + konec;
    QTest::newRow("znak mimo zakladni rovinu") << "\U0001F600"
                                               << "Zadali jste \"\U0001F600" + konec;
}

void TestKolecko::odmitnutyKlic()
{
    QFETCH(QString, klic);
    QFETCH(QString, zprava);
    for (const DruhKolecka druh : {DruhKolecka::sCh, DruhKolecka::bezCh}) {
        const PoziceKliceVysledek vysledek = PoziceKlice(klic, druh);
        QCOMPARE(vysledek.otoceniKolecka, 1);
        QCOMPARE(vysledek.chyba, zprava);
    }
}

void TestKolecko::preved_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DruhKolecka>("druh");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("vysledek");
    const auto s = DruhKolecka::sCh;
    const auto bez = DruhKolecka::bezCh;
    QTest::newRow("cely kruh s CH") << "abcdefgh-ijklmnopqrstuvwxyz1234567890" << s << 1
                                    << "ba0987654321zyxwvutsrqponmlkji-hgfedc";
    QTest::newRow("cely kruh bez CH") << "abcdefghijklmnopqrstuvwxyz1234567890" << bez << 1
                                      << "ba0987654321zyxwvutsrqponmlkjihgfedc";
    QTest::newRow("K=0 s CH abc") << "abc" << s << 0 << "a09";
    QTest::newRow("K=0 bez CH abc") << "abc" << bez << 0 << "a09";
    QTest::newRow("K=0 s CH ahoj") << "ahoj" << s << 0 << "a4v1";
    QTest::newRow("K=0 bez CH ahoj") << "ahoj" << bez << 0 << "a4w2";
    QTest::newRow("veta s CH") << "toto je text ktery chci zasifrovat" << s << 1
                               << "rwrw 28 r8nr 1r8tm 0503 lbs37twpbr";
    QTest::newRow("veta zpet s CH") << "rwrw 28 r8nr 1r8tm 0503 lbs37twpbr" << s << 1
                                    << "toto je text ktery chci zasifrovat";
    QTest::newRow("veta bez CH") << "toto je text ktery chci zasifrovat" << bez << 1
                                 << "sxsx 38 s8os 2s8un 0504 mbt47uxqbs";
    QTest::newRow("chata s CH") << "chata 4-x" << s << 1 << "05brb -4n";
    QTest::newRow("chata bez CH") << "chata 4-x" << bez << 1 << "05bsb io";
    QTest::newRow("mezery") << "a  b" << s << 1 << "b  a";
    QTest::newRow("mizi") << "a;b:\u00DFc\t" << s << 1 << "ba0";
    QTest::newRow("sektor CH") << "abc-" << s << 9 << "i-hb";
    QTest::newRow("pevny bod") << "s" << s << 1 << "s";
    QTest::newRow("prazdny") << "" << s << 5 << "";
    QTest::newRow("K za kruhem s CH") << "abc" << s << 38 << "ba0";
    QTest::newRow("K za kruhem bez CH") << "abc" << bez << 37 << "ba0";
    QTest::newRow("zaporne K") << "abc" << bez << -35 << "ba0";
}

void TestKolecko::preved()
{
    QFETCH(QString, text);
    QFETCH(DruhKolecka, druh);
    QFETCH(int, k);
    QFETCH(QString, vysledek);
    QCOMPARE(PrevedKoleckem(text, druh, k), vysledek);
}

QTEST_GUILESS_MAIN(TestKolecko)
#include "tst_core_kolecko.moc"
