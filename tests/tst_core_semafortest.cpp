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
};

void TestSemaforTest::nazev_data()
{
    QTest::addColumn<int>("obrazek");
    QTest::addColumn<QString>("nazev");
    QTest::newRow("A") << 1 << u"A"_s;
    QTest::newRow("picture 10 is J") << 10 << u"J"_s;
    QTest::newRow("Z") << 26 << u"Z"_s;
    QTest::newRow("numerals sign") << 27 << u"ČÍSLICE"_s;
    QTest::newRow("space is not asked") << 28 << QString();
    QTest::newRow("0 is not asked") << 0 << QString();
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
    QTest::addColumn<quint32>("pocatek");
    for (const quint32 pocatek : {1u, 2026u, 0xffffffffu})
        QTest::addRow("pocatek %u", pocatek) << pocatek;
}

// Every question: four different signs that are asked at all, the right one among them, never the
// question before again; over many questions every sign comes up and the right answer takes every place.
void TestSemaforTest::volby()
{
    QFETCH(quint32, pocatek);
    TSemaforTestModel model(pocatek);
    const QList<int> ptane = TSemaforTestModel::ptaneObrazky();
    QCOMPARE(ptane.size(), 27);
    QSet<int> videne;
    QSet<qsizetype> mistaSpravne;
    int predchozi = 0;
    for (int i = 0; i < 2000; ++i) {
        model.dalsiOtazka();
        const int otazka = model.obrazekOtazky();
        const auto &volby = model.volby();
        const QSet<int> ruzne(volby.begin(), volby.end());
        QVERIFY(otazka != predchozi && ruzne.size() == TSemaforTestModel::PocetVoleb && ruzne.contains(otazka));
        QVERIFY(std::all_of(volby.begin(), volby.end(), [&](int v) { return ptane.contains(v); }));
        mistaSpravne.insert(std::find(volby.begin(), volby.end(), otazka) - volby.begin());
        videne.insert(otazka);
        predchozi = otazka;
    }
    QCOMPARE(videne.size(), ptane.size());
    QCOMPARE(mistaSpravne.size(), TSemaforTestModel::PocetVoleb);
}

QTEST_APPLESS_MAIN(TestSemaforTest)
#include "tst_core_semafortest.moc"
