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

// Adds a named row; text literals become QString.
template <typename... H> void radek(const char *nazev, H... h)
{
    const auto hodnota = [](auto x) {
        if constexpr (std::is_pointer_v<decltype(x)>)
            return QString::fromUtf8(x);
        else
            return x;
    };
    (QTest::newRow(nazev) << ... << hodnota(h));
}

} // namespace

class TestSnek : public QObject
{
    Q_OBJECT
private slots:
    void cesta_data();
    void cesta();
    void sifruj_data();
    void sifruj();
    void chybneKody_data();
    void chybneKody();
};

void TestSnek::cesta_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("roh");
    QTest::addColumn<QString>("poradi");
    radek("N=3 pravy dolni", 3, int(PravyDolni), "5 4 3 / 6 9 2 / 7 8 1");
    radek("N=3 pravy horni", 3, int(PravyHorni), "3 2 1 / 4 9 8 / 5 6 7");
    radek("N=3 levy dolni", 3, int(LevyDolni), "7 6 5 / 8 9 4 / 1 2 3");
    radek("N=3 levy horni", 3, int(LevyHorni), "1 8 7 / 2 9 6 / 3 4 5");
    radek("N=4 pravy dolni", 4, int(PravyDolni), "7 6 5 4 / 8 15 14 3 / 9 16 13 2 / 10 11 12 1");
    radek("N=4 pravy horni", 4, int(PravyHorni), "4 3 2 1 / 5 14 13 12 / 6 15 16 11 / 7 8 9 10");
    radek("N=4 levy dolni", 4, int(LevyDolni), "10 9 8 7 / 11 16 15 6 / 12 13 14 5 / 1 2 3 4");
    radek("N=4 levy horni", 4, int(LevyHorni), "1 12 11 10 / 2 13 16 9 / 3 14 15 8 / 4 5 6 7");
    radek("N=1", 1, int(PravyDolni), "1");
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
    QTest::addColumn<QString>("desifrovano"); // what deciphering sifra, its spaces removed, gives
    const char *abc = "abcdefg";
    radek("pravy dolni dovnitr", abc, 3, int(Dovnitr), int(PravyDolni), "edc fxb gxa ", "abcdefgxx");
    radek("pravy dolni ven", abc, 3, int(Ven), int(PravyDolni), "cde bxf axg ", "xxabcdefg");
    radek("pravy horni dovnitr", abc, 3, int(Dovnitr), int(PravyHorni), "cba dxx efg ", "abcdefgxx");
    radek("pravy horni ven", abc, 3, int(Ven), int(PravyHorni), "efg dxx cba ", "xxabcdefg");
    radek("levy dolni dovnitr", abc, 3, int(Dovnitr), int(LevyDolni), "gfe xxd abc ", "abcdefgxx");
    radek("levy dolni ven", abc, 3, int(Ven), int(LevyDolni), "abc xxd gfe ", "xxabcdefg");
    radek("levy horni dovnitr", abc, 3, int(Dovnitr), int(LevyHorni), "axg bxf cde ", "abcdefgxx");
    radek("levy horni ven", abc, 3, int(Ven), int(LevyHorni), "gxa fxb edc ", "xxabcdefg");
    radek("vychozi N=6", "totojetextkterychcicelyzasifrovat123", 6, int(Dovnitr), int(LevyDolni),
          "cyretk horfit cv32sx iat1ae celyzt totoje ", "totojetextkterychcicelyzasifrovat123");
    radek("N=1 dovnitr", "abc", 1, int(Dovnitr), int(LevyHorni), "a ", "a");
    radek("N=1 ven", "abc", 1, int(Ven), int(LevyHorni), "c ", "c");
    radek("dlouhy dovnitr", "abcdefghijkl", 3, int(Dovnitr), int(LevyHorni), "ahg bif cde ", "abcdefghi");
    radek("dlouhy ven", "abcdefghijkl", 3, int(Ven), int(LevyHorni), "lef kdg jih ", "defghijkl");
    radek("prazdny", "", 2, int(Ven), int(PravyDolni), "xx xx ", "xxxx");
    radek("znaky mimo ASCII", "\u00DF\u20ACab", 2, int(Dovnitr), int(LevyHorni), "\u00DFb \u20ACa ", "\u00DF\u20ACab");
    // Texts that no enciphering produced (no spaces in them): these rows only decipher.
    radek("cizi text dovnitr", "", 3, int(Dovnitr), int(LevyHorni), "abcdefghi", "adghifcbe");
    radek("cizi text ven", "", 3, int(Ven), int(LevyHorni), "abcdefghi", "ebcfihgda");
    radek("kratky dovnitr", "", 3, int(Dovnitr), int(LevyHorni), "abcdefg", "adgxxfcbe");
    radek("kratky ven", "", 3, int(Ven), int(LevyHorni), "abcdefg", "ebcfxxgda");
    radek("prilis dlouhy", "", 3, int(Dovnitr), int(LevyHorni), "abcdefghiZZZ", "adghifcbe");
}

void TestSnek::sifruj()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(int, smer);
    QFETCH(int, roh);
    QFETCH(QString, sifra);
    QFETCH(QString, desifrovano);
    QString chyba = "beze zmeny";
    if (sifra.endsWith(u' '))
        QCOMPARE(SnekSifruj(text, n, smer, roh, &chyba), sifra);
    QCOMPARE(SnekDesifruj(QString(sifra).remove(u' '), n, smer, roh, &chyba), desifrovano);
    QCOMPARE(chyba, QStringLiteral("beze zmeny"));
}

void TestSnek::chybneKody_data()
{
    QTest::addColumn<int>("smer");
    QTest::addColumn<int>("roh");
    QTest::addColumn<QString>("zprava");
    radek("roh 4", int(Dovnitr), 4, "Zadali jste 4. Neexistujici roh");
    radek("roh -1", int(Ven), -1, "Zadali jste -1. Neexistujici roh");
    radek("smer 2", 2, int(LevyHorni), "Zadali jste 2. Neexistujici smer");
    radek("smer -5", -5, int(PravyDolni), "Zadali jste -5. Neexistujici smer");
    radek("oba spatne", 7, 9, "Zadali jste 9. Neexistujici roh");
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
    // Without a place for the message the bad code is still refused.
    QCOMPARE(SnekSifruj(u"abc", 3, smer, roh), QString());
}

QTEST_GUILESS_MAIN(TestSnek)
#include "tst_core_snek.moc"
