#include "ciphers/Semafor.h"
#include "exercises/model/SemaforTest.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestSemaforTest : public QObject
{
    Q_OBJECT
private slots:
    void nazev_data();
    void nazev();
    void volby_data();
    void volby();
    void odpoved_data();
    void odpoved();
};

void TestSemaforTest::nazev_data()
{
    QTest::addColumn<int>("obrazek");
    QTest::addColumn<QString>("nazev");
    QTest::newRow("A") << 1 << u"A"_s;
    QTest::newRow("picture 10 is J") << 10 << u"J"_s;
    QTest::newRow("K") << 11 << u"K"_s;
    QTest::newRow("Z") << 26 << u"Z"_s;
    QTest::newRow("numerals sign") << 27 << u"ČÍSLICE"_s;
    QTest::newRow("space is not asked") << 28 << QString();
    QTest::newRow("0 refused") << 0 << QString();
    QTest::newRow("29 refused") << 29 << QString();
}

void TestSemaforTest::nazev()
{
    QFETCH(int, obrazek);
    QFETCH(QString, nazev);
    QCOMPARE(TSemaforTestModel::nazev(obrazek), nazev);
    QCOMPARE(TSemaforTestModel::ptaneObrazky().contains(obrazek), !nazev.isEmpty());
}

void TestSemaforTest::volby_data()
{
    QTest::addColumn<quint32>("semeno");
    for (const quint32 semeno : {1u, 7u, 2026u, 0xffffffffu})
        QTest::addRow("seed %u", semeno) << semeno;
}

// Every question: four different signs that are asked at all, the right one among them, never the
// question before again; over a session every sign comes up and the right answer takes every place.
void TestSemaforTest::volby()
{
    QFETCH(quint32, semeno);
    TSemaforTestModel model(semeno);
    QCOMPARE(model.obrazekOtazky(), 0);
    QVERIFY(!model.over(0));
    const QList<int> ptane = TSemaforTestModel::ptaneObrazky();
    QCOMPARE(ptane.size(), 27);
    QSet<int> videne;
    QSet<int> mistaSpravne;
    int predchozi = 0;
    for (int i = 0; i < 2000; ++i) {
        model.dalsiOtazka();
        const int otazka = model.obrazekOtazky();
        QVERIFY2(otazka != predchozi, qPrintable(QString::number(i)));
        QVERIFY(ptane.contains(otazka));
        const auto &volby = model.volby();
        QSet<int> ruzne(volby.begin(), volby.end());
        QCOMPARE(ruzne.size(), TSemaforTestModel::PocetVoleb);
        QVERIFY(ruzne.contains(otazka));
        for (int v : volby)
            QVERIFY(ptane.contains(v));
        mistaSpravne.insert(int(std::find(volby.begin(), volby.end(), otazka) - volby.begin()));
        videne.insert(otazka);
        predchozi = otazka;
    }
    QCOMPARE(videne.size(), ptane.size());
    QCOMPARE(mistaSpravne.size(), TSemaforTestModel::PocetVoleb);
}

void TestSemaforTest::odpoved_data()
{
    QTest::addColumn<bool>("spravne");
    QTest::addColumn<int>("index"); // -1: the right choice, -2: a wrong one, else this index
    QTest::addColumn<bool>("prijato");
    QTest::newRow("right") << true << -1 << true;
    QTest::newRow("wrong") << false << -2 << true;
    QTest::newRow("index -1 refused") << false << -100 << false;
    QTest::newRow("index 4 refused") << false << 4 << false;
}

// A right or a wrong choice is counted once and named; an index out of range changes nothing.
void TestSemaforTest::odpoved()
{
    QFETCH(bool, spravne);
    QFETCH(int, index);
    QFETCH(bool, prijato);
    for (const auto rezim : {RezimSemaforTestu::ObrazekNaPismeno, RezimSemaforTestu::PismenoNaObrazek}) {
        TSemaforTestModel model(5u);
        model.nastavRezim(rezim);
        model.dalsiOtazka();
        const auto &volby = model.volby();
        const int otazka = model.obrazekOtazky();
        const int spravny = int(std::find(volby.begin(), volby.end(), otazka) - volby.begin());
        const int volba = index == -1 ? spravny : index == -2 ? (spravny + 1) % 4 : index == -100 ? -1 : index;
        const std::optional<VysledekSemaforu> vysledek = model.over(volba);
        QCOMPARE(vysledek.has_value(), prijato);
        if (!prijato) {
            QVERIFY(model.cekaNaOdpoved());
            QCOMPARE(model.textSkore(), u"Správně: 0 z 0"_s);
            continue;
        }
        QCOMPARE(vysledek->spravne, spravne);
        QCOMPARE(vysledek->text, spravne ? u"Správně"_s : u"Špatně: "_s + TSemaforTestModel::nazev(otazka));
        QCOMPARE(model.textSkore(), QStringLiteral("Správně: %1 z 1").arg(spravne ? 1 : 0));
        // The same question is not counted twice.
        QVERIFY(!model.over(spravny));
        QCOMPARE(model.pocetOdpovedi(), 1);
        model.dalsiOtazka();
        QVERIFY(model.over(0));
        QCOMPARE(model.pocetOdpovedi(), 2);
    }
}

QTEST_APPLESS_MAIN(TestSemaforTest)
#include "tst_core_semafortest.moc"
