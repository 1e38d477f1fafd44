#include "ciphers/Semafor.h"

#include <QTest>

class TestSemafor : public QObject
{
    Q_OBJECT
private slots:
    void sifruj_data();
    void sifruj();
    void popisy_data();
    void popisy();
};

void TestSemafor::sifruj_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("obrazky");
    QTest::newRow("ahoj") << "ahoj" << QList<int>{1, 8, 15, 10};
    QTest::newRow("a1") << "a1" << QList<int>{1, 1};
    QTest::newRow("znak cislic") << "*12j" << QList<int>{27, 1, 2, 10};
    QTest::newRow("nula") << "0" << QList<int>{11};
    QTest::newRow("k a nula") << "k0" << QList<int>{11, 11};
    QTest::newRow("mezera") << "a b" << QList<int>{1, 28, 2};
    QTest::newRow("dvojtecka") << "a:b" << QList<int>{1, 2};
    QTest::newRow("zbytky") << "a;\t\u00DF\u20ACB-b" << QList<int>{1, 2};
    QTest::newRow("prazdny") << "" << QList<int>{};
    QTest::newRow("cislice") << "1234567890" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    QTest::newRow("konec abecedy") << "uvwxyz" << QList<int>{21, 22, 23, 24, 25, 26};
    QTest::newRow("jen mezery") << "  " << QList<int>{28, 28};
}

void TestSemafor::sifruj()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, obrazky);
    QCOMPARE(SemaforSifruj(text), obrazky);
    // A screen reader's description for each picture, none for what shows nothing.
    QCOMPARE(SemaforPopisy(text).size(), obrazky.size());
}

void TestSemafor::popisy_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("popisy");
    QTest::newRow("cislice a pismena") << "*12j a0"
                                       << "číslice; číslice 1; číslice 2; písmeno J; mezera; písmeno A; číslice 0";
    QTest::newRow("k a nula") << "k:0z"
                              << "písmeno K; číslice 0; písmeno Z";
}

// Each picture is described by the character it was made from: a typed digit as that digit,
// although it shares its picture with a letter.
void TestSemafor::popisy()
{
    QFETCH(QString, text);
    QFETCH(QString, popisy);
    QCOMPARE(SemaforPopisy(text).join(u"; ").remove(QStringLiteral("Semafor: ")), popisy);
    QVERIFY(semaforPopis(0).isEmpty() && semaforPopis(SemaforPocetObrazku + 1).isEmpty());
}

QTEST_GUILESS_MAIN(TestSemafor)
#include "tst_core_semafor.moc"
