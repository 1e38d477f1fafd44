#include "ciphers/Semafor.h"
#include "text/Cisteni.h"

#include <QRandomGenerator>
#include <QTest>

#include <climits>

class TestSemaforCteni : public QObject
{
    Q_OBJECT
private slots:
    void desifruj_data();
    void desifruj();
    void zpet_data();
    void zpet();
    void vyznam_data();
    void vyznam();
    void tamAZpet();
};

void TestSemaforCteni::desifruj_data()
{
    QTest::addColumn<QList<int>>("obrazky");
    QTest::addColumn<QString>("text");
    QTest::newRow("prazdny") << QList<int>{} << "";
    QTest::newRow("pismena") << QList<int>{1, 8, 15, 10} << "ahoj";
    QTest::newRow("konec abecedy") << QList<int>{21, 22, 23, 24, 25, 26} << "uvwxyz";
    QTest::newRow("cislice") << QList<int>{27, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10} << "1234567890";
    QTest::newRow("k mezi pismeny") << QList<int>{11} << "k";
    QTest::newRow("j po cislicich se nepise") << QList<int>{27, 1, 10, 10, 1} << "1ja";
    QTest::newRow("cislice bez konce") << QList<int>{27, 5} << "5";
    QTest::newRow("jen znaky rezimu") << QList<int>{27, 10, 27} << "";
    QTest::newRow("opakovany znak cislic") << QList<int>{27, 27, 3} << "3";
    QTest::newRow("mezera rezim nemeni") << QList<int>{27, 1, 28, 2, 10, 28, 1} << "1 2 a";
    QTest::newRow("jen mezery") << QList<int>{28, 28} << "  ";
    QTest::newRow("pismena l az z mezi cislicemi") << QList<int>{27, 12, 26, 1} << "lz1";
    QTest::newRow("mimo rozsah se vynecha") << QList<int>{0, -1, 29, 1000, INT_MIN, INT_MAX, 2} << "b";
    QTest::newRow("mimo rozsah rezim nemeni") << QList<int>{27, 0, 29, 4, -10, 10, 4} << "4d";
}

void TestSemaforCteni::desifruj()
{
    QFETCH(QList<int>, obrazky);
    QFETCH(QString, text);
    QCOMPARE(SemaforDesifruj(obrazky), text);
}

void TestSemaforCteni::zpet_data()
{
    QTest::addColumn<QList<int>>("obrazky");
    QTest::addColumn<int>("zpet");
    QTest::addColumn<QList<int>>("potom");
    QTest::addColumn<QString>("text");
    QTest::newRow("pismeno") << QList<int>{1, 2} << 1 << QList<int>{3} << "ac";
    QTest::newRow("vrati rezim cislic") << QList<int>{27, 1, 10} << 1 << QList<int>{2} << "12";
    QTest::newRow("vrati rezim pismen") << QList<int>{27} << 1 << QList<int>{2} << "b";
    QTest::newRow("mezera") << QList<int>{1, 28} << 1 << QList<int>{2} << "ab";
    QTest::newRow("az na zacatek a dal") << QList<int>{27, 1} << 5 << QList<int>{1} << "a";
    QTest::newRow("ignorovany se nevraci") << QList<int>{1, 2, 99} << 1 << QList<int>{} << "a";
}

void TestSemaforCteni::zpet()
{
    QFETCH(QList<int>, obrazky);
    QFETCH(int, zpet);
    QFETCH(QList<int>, potom);
    QFETCH(QString, text);
    CteniSemaforu cteni;
    for (const int obrazek : obrazky)
        QCOMPARE(cteni.pridej(obrazek), obrazek >= 1 && obrazek <= SemaforPocetObrazku);
    for (int i = 0; i < zpet; ++i)
        cteni.zpet();
    for (const int obrazek : potom)
        cteni.pridej(obrazek);
    QCOMPARE(cteni.text(), text);
    QCOMPARE(SemaforDesifruj(cteni.obrazky()), text);
    cteni.smaz();
    QVERIFY(cteni.text().isEmpty() && cteni.obrazky().isEmpty() && !cteni.cislice());
}

void TestSemaforCteni::vyznam_data()
{
    QTest::addColumn<int>("obrazek");
    QTest::addColumn<QString>("vyznam");
    QTest::addColumn<QString>("cislice");
    QTest::newRow("a") << 1 << "a"
                       << "1";
    QTest::newRow("i") << 9 << "i"
                       << "9";
    QTest::newRow("j") << 10 << "j"
                       << "";
    QTest::newRow("k") << 11 << "k"
                       << "0";
    QTest::newRow("l") << 12 << "l"
                       << "";
    QTest::newRow("z") << 26 << "z"
                       << "";
    QTest::newRow("znak cislic") << 27 << "ČÍSLICE"
                                 << "";
    QTest::newRow("mezera") << 28 << " "
                            << "";
    QTest::newRow("nula") << 0 << ""
                          << "";
    QTest::newRow("za koncem") << 29 << ""
                               << "";
    QTest::newRow("zaporne") << -3 << ""
                             << "";
}

void TestSemaforCteni::vyznam()
{
    QFETCH(int, obrazek);
    QFETCH(QString, vyznam);
    QFETCH(QString, cislice);
    QCOMPARE(semaforVyznam(obrazek), vyznam);
    const QChar c = semaforCislice(obrazek);
    QCOMPARE(c.isNull() ? QString() : QString(c), cislice);
}

// A text of letters, digits and spaces, written as the semaphore window asks ("*" before a run of
// digits, "j" after it), cleaned and encoded, reads back as the text without those marks.
void TestSemaforCteni::tamAZpet()
{
    static constexpr QStringView Znaky = u"0123456789abcdefghijklmnopqrstuvwxyz ";
    QRandomGenerator nahoda(2327);
    for (int kolo = 0; kolo < 2000; ++kolo) {
        QString text;
        for (int i = nahoda.bounded(60); i > 0; --i)
            text += Znaky[nahoda.bounded(nahoda.bounded(4) == 0 ? 10 : int(Znaky.size()))];
        QString zapsany;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool cislice = text[i].isDigit();
            if (cislice && (i == 0 || !text[i - 1].isDigit()))
                zapsany += u'*';
            zapsany += text[i];
            if (cislice && (i + 1 == text.size() || !text[i + 1].isDigit()))
                zapsany += u'j';
        }
        const QString vycisteny = VycistiText(zapsany.toLower(), ZnakySemafor, NahradaMala);
        QCOMPARE(vycisteny, zapsany);
        QCOMPARE(SemaforDesifruj(SemaforSifruj(vycisteny)), text);
    }
}

QTEST_GUILESS_MAIN(TestSemaforCteni)
#include "tst_core_semaforcteni.moc"
