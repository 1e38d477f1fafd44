#include "ciphers/Snek.h"

#include <QTest>

namespace {

// The path drawn as the place of each cell, rows top to bottom separated by " / ".
QString PoradiBunek(int n, int roh)
{
    QList<QStringList> radky(n, QStringList(n));
    const QList<BunkaSneka> cesta = CestaSneka(n, roh);
    for (qsizetype k = 0; k < cesta.size(); ++k)
        radky[cesta[k].radek][cesta[k].sloupec] = QString::number(k + 1);
    QStringList vysledek;
    for (const QStringList &radek : radky)
        vysledek.append(radek.join(u' '));
    return vysledek.join(QStringLiteral(" / "));
}

const QString VychoziText = "totojetextkterychcicelyzasifrovat123";

} // namespace

class TestSnek : public QObject
{
    Q_OBJECT
private slots:
    void cesta_data();
    void cesta();
    void sifruj_data();
    void sifruj();
    void desifruj_data();
    void desifruj();
    void chybneKody_data();
    void chybneKody();
};

void TestSnek::cesta_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("roh");
    QTest::addColumn<QString>("poradi");
    QTest::newRow("N=3 pravy dolni") << 3 << int(PravyDolni) << "5 4 3 / 6 9 2 / 7 8 1";
    QTest::newRow("N=3 pravy horni") << 3 << int(PravyHorni) << "3 2 1 / 4 9 8 / 5 6 7";
    QTest::newRow("N=3 levy dolni") << 3 << int(LevyDolni) << "7 6 5 / 8 9 4 / 1 2 3";
    QTest::newRow("N=3 levy horni") << 3 << int(LevyHorni) << "1 8 7 / 2 9 6 / 3 4 5";
    QTest::newRow("N=4 pravy dolni") << 4 << int(PravyDolni) << "7 6 5 4 / 8 15 14 3 / 9 16 13 2 / 10 11 12 1";
    QTest::newRow("N=4 pravy horni") << 4 << int(PravyHorni) << "4 3 2 1 / 5 14 13 12 / 6 15 16 11 / 7 8 9 10";
    QTest::newRow("N=4 levy dolni") << 4 << int(LevyDolni) << "10 9 8 7 / 11 16 15 6 / 12 13 14 5 / 1 2 3 4";
    QTest::newRow("N=4 levy horni") << 4 << int(LevyHorni) << "1 12 11 10 / 2 13 16 9 / 3 14 15 8 / 4 5 6 7";
    QTest::newRow("N=1") << 1 << int(PravyDolni) << "1";
    QTest::newRow("N=2 levy horni") << 2 << int(LevyHorni) << "1 4 / 2 3";
}

void TestSnek::cesta()
{
    QFETCH(int, n);
    QFETCH(int, roh);
    QFETCH(QString, poradi);
    QCOMPARE(PoradiBunek(n, roh), poradi);
}

void TestSnek::sifruj_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("smer");
    QTest::addColumn<int>("roh");
    QTest::addColumn<QString>("sifra");
    const QString abc = "abcdefg";
    QTest::newRow("pravy dolni dovnitr") << abc << 3 << int(Dovnitr) << int(PravyDolni) << "edc fxb gxa ";
    QTest::newRow("pravy dolni ven") << abc << 3 << int(Ven) << int(PravyDolni) << "cde bxf axg ";
    QTest::newRow("pravy horni dovnitr") << abc << 3 << int(Dovnitr) << int(PravyHorni) << "cba dxx efg ";
    QTest::newRow("pravy horni ven") << abc << 3 << int(Ven) << int(PravyHorni) << "efg dxx cba ";
    QTest::newRow("levy dolni dovnitr") << abc << 3 << int(Dovnitr) << int(LevyDolni) << "gfe xxd abc ";
    QTest::newRow("levy dolni ven") << abc << 3 << int(Ven) << int(LevyDolni) << "abc xxd gfe ";
    QTest::newRow("levy horni dovnitr") << abc << 3 << int(Dovnitr) << int(LevyHorni) << "axg bxf cde ";
    QTest::newRow("levy horni ven") << abc << 3 << int(Ven) << int(LevyHorni) << "gxa fxb edc ";
    QTest::newRow("vychozi N=6") << VychoziText << 6 << int(Dovnitr) << int(LevyDolni)
                                 << "cyretk horfit cv32sx iat1ae celyzt totoje ";
    QTest::newRow("N=1 dovnitr") << "abc" << 1 << int(Dovnitr) << int(LevyHorni) << "a ";
    QTest::newRow("N=1 ven") << "abc" << 1 << int(Ven) << int(LevyHorni) << "c ";
    QTest::newRow("dlouhy dovnitr") << "abcdefghijkl" << 3 << int(Dovnitr) << int(LevyHorni) << "ahg bif cde ";
    QTest::newRow("dlouhy ven") << "abcdefghijkl" << 3 << int(Ven) << int(LevyHorni) << "lef kdg jih ";
    QTest::newRow("prazdny") << "" << 2 << int(Ven) << int(PravyDolni) << "xx xx ";
    QTest::newRow("znaky mimo ASCII") << "\u00DF\u20ACab" << 2 << int(Dovnitr) << int(LevyHorni) << "\u00DFb \u20ACa ";
}

void TestSnek::sifruj()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(int, smer);
    QFETCH(int, roh);
    QFETCH(QString, sifra);
    QString chyba = "beze zmeny";
    QCOMPARE(SnekSifruj(text, n, smer, roh, &chyba), sifra);
    QCOMPARE(chyba, QStringLiteral("beze zmeny"));
}

void TestSnek::desifruj_data()
{
    QTest::addColumn<QString>("sifra");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("smer");
    QTest::addColumn<int>("roh");
    QTest::addColumn<QString>("text");
    QTest::newRow("pravy dolni dovnitr") << "edcfxbgxa" << 3 << int(Dovnitr) << int(PravyDolni) << "abcdefgxx";
    QTest::newRow("pravy dolni ven") << "cdebxfaxg" << 3 << int(Ven) << int(PravyDolni) << "xxabcdefg";
    QTest::newRow("pravy horni dovnitr") << "cbadxxefg" << 3 << int(Dovnitr) << int(PravyHorni) << "abcdefgxx";
    QTest::newRow("pravy horni ven") << "efgdxxcba" << 3 << int(Ven) << int(PravyHorni) << "xxabcdefg";
    QTest::newRow("levy dolni dovnitr") << "gfexxdabc" << 3 << int(Dovnitr) << int(LevyDolni) << "abcdefgxx";
    QTest::newRow("levy dolni ven") << "abcxxdgfe" << 3 << int(Ven) << int(LevyDolni) << "xxabcdefg";
    QTest::newRow("levy horni dovnitr") << "axgbxfcde" << 3 << int(Dovnitr) << int(LevyHorni) << "abcdefgxx";
    QTest::newRow("levy horni ven") << "gxafxbedc" << 3 << int(Ven) << int(LevyHorni) << "xxabcdefg";
    QTest::newRow("vychozi N=6") << "cyretkhorfitcv32sxiat1aecelyzttotoje" << 6 << int(Dovnitr) << int(LevyDolni)
                                 << VychoziText;
    QTest::newRow("N=1 dovnitr") << "a" << 1 << int(Dovnitr) << int(PravyHorni) << "a";
    QTest::newRow("N=1 ven") << "a" << 1 << int(Ven) << int(PravyHorni) << "a";
    QTest::newRow("dlouhy dovnitr") << "ahgbifcde" << 3 << int(Dovnitr) << int(LevyHorni) << "abcdefghi";
    QTest::newRow("dlouhy ven") << "lefkdgjih" << 3 << int(Ven) << int(LevyHorni) << "defghijkl";
    QTest::newRow("cizi text dovnitr") << "abcdefghi" << 3 << int(Dovnitr) << int(LevyHorni) << "adghifcbe";
    QTest::newRow("cizi text ven") << "abcdefghi" << 3 << int(Ven) << int(LevyHorni) << "ebcfihgda";
    QTest::newRow("kratky dovnitr") << "abcdefg" << 3 << int(Dovnitr) << int(LevyHorni) << "adgxxfcbe";
    QTest::newRow("kratky ven") << "abcdefg" << 3 << int(Ven) << int(LevyHorni) << "ebcfxxgda";
    QTest::newRow("prilis dlouhy") << "abcdefghiZZZ" << 3 << int(Dovnitr) << int(LevyHorni) << "adghifcbe";
    QTest::newRow("prazdny") << "" << 2 << int(Dovnitr) << int(LevyDolni) << "xxxx";
}

void TestSnek::desifruj()
{
    QFETCH(QString, sifra);
    QFETCH(int, n);
    QFETCH(int, smer);
    QFETCH(int, roh);
    QFETCH(QString, text);
    QString chyba = "beze zmeny";
    QCOMPARE(SnekDesifruj(sifra, n, smer, roh, &chyba), text);
    QCOMPARE(chyba, QStringLiteral("beze zmeny"));
}

void TestSnek::chybneKody_data()
{
    QTest::addColumn<int>("smer");
    QTest::addColumn<int>("roh");
    QTest::addColumn<QString>("zprava");
    QTest::newRow("roh 4") << int(Dovnitr) << 4 << "Zadali jste 4. Neexistujici roh";
    QTest::newRow("roh -1") << int(Ven) << -1 << "Zadali jste -1. Neexistujici roh";
    QTest::newRow("smer 2") << 2 << int(LevyHorni) << "Zadali jste 2. Neexistujici smer";
    QTest::newRow("smer -5") << -5 << int(PravyDolni) << "Zadali jste -5. Neexistujici smer";
    QTest::newRow("oba spatne") << 7 << 9 << "Zadali jste 9. Neexistujici roh";
}

void TestSnek::chybneKody()
{
    QFETCH(int, smer);
    QFETCH(int, roh);
    QFETCH(QString, zprava);
    QString chyba;
    QCOMPARE(SnekSifruj(u"abcdefg", 3, smer, roh, &chyba), QString());
    QCOMPARE(chyba, zprava);
    chyba.clear();
    QCOMPARE(SnekDesifruj(u"abcdefg", 3, smer, roh, &chyba), QString());
    QCOMPARE(chyba, zprava);
    QCOMPARE(SnekSifruj(u"abc", 3, smer, roh), QString());
}

QTEST_GUILESS_MAIN(TestSnek)
#include "tst_core_snek.moc"
