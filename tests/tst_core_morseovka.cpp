#include "ciphers/Morseovka.h"

#include <QSet>
#include <QTest>

class TestMorseovka : public QObject
{
    Q_OBJECT
private slots:
    void tabulka();
    void sifruj_data();
    void sifruj();
    void desifruj_data();
    void desifruj();
    void interpunkceTamAZpet_data();
    void interpunkceTamAZpet();
    void oddelovace_data();
    void oddelovace();
};

void TestMorseovka::tabulka()
{
    QVERIFY(MorseTabulka[0].znak.isEmpty());
    QVERIFY(MorseTabulka[0].kod.isEmpty());
    QSet<QString> znaky, kody;
    for (int i = 1; i < MorseSInterpunkci; ++i) {
        const MorseZnak &z = MorseTabulka[i];
        QCOMPARE(z.znak.size(), 1);
        QVERIFY2(!z.kod.isEmpty() && z.kod.size() <= 6, qPrintable(z.znak.toString()));
        for (const QChar s : z.kod)
            QVERIFY(s == u'.' || s == u'-');
        znaky.insert(z.znak.toString());
        kody.insert(z.kod.toString());
    }
    // Every character and, with the international punctuation codes, every code occurs once.
    QCOMPARE(znaky.size(), 49);
    QCOMPARE(kody.size(), 49);
    QCOMPARE(MorseTabulka[1].znak, u"0");
    QCOMPARE(MorseTabulka[11].znak, u"a");
    QCOMPARE(MorseTabulka[36].znak, u"z");
    QCOMPARE(MorseTabulka[37].znak, u"?");
    QCOMPARE(MorseTabulka[49].znak, u"_");
}

void TestMorseovka::sifruj_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pocet");
    QTest::addColumn<QString>("morse");
    QTest::newRow("ahoj svete") << "ahoj svete" << 37 << ".-/..../---/.---//.../...-/./-/./";
    QTest::newRow("vykricnik mezinarodne") << "sos!" << 50 << ".../---/.../-.-.--/";
    QTest::newRow("vykricnik bez interpunkce") << "sos!" << 37 << ".../---/.../";
    QTest::newRow("ch jako c h") << "chata" << 37 << "-.-./..../.-/-/.-/";
    QTest::newRow("dve mezery") << "a  b" << 37 << ".-///-.../";
    QTest::newRow("mezera na zacatku") << " a" << 37 << "/.-/";
    QTest::newRow("prazdny") << "" << 50 << "";
    QTest::newRow("leva zavorka") << "(" << 50 << "-.--./";
    QTest::newRow("uvozovky") << "\"" << 50 << ".-..-./";
    QTest::newRow("veta") << "ahoj, svete!" << 50 << ".-/..../---/.---/--..--//.../...-/./-/./-.-.--/";
    QTest::newRow("cislice") << "0 9" << 37 << "-----//----./";
    QTest::newRow("jen cislice v uzivani") << "a0" << 11 << "-----/";
    QTest::newRow("zadny zaznam v uzivani") << "a 0" << 1 << "/";
    QTest::newRow("zaporny pocet") << "ab c" << -5 << "/";
    QTest::newRow("pocet nad tabulkou") << "a?" << 1000 << ".-/..--../";
    QTest::newRow("nezname znaky") << "\u00DF\u20AC\tA" << 50 << "";
}

void TestMorseovka::sifruj()
{
    QFETCH(QString, text);
    QFETCH(int, pocet);
    QFETCH(QString, morse);
    QCOMPARE(MorseSifruj(text, pocet), morse);
}

void TestMorseovka::desifruj_data()
{
    QTest::addColumn<QString>("morse");
    QTest::addColumn<int>("pocet");
    QTest::addColumn<QString>("text");
    QTest::newRow("ahoj svete") << ".-/..../---/.---//.../...-/./-/./" << 37 << "ahoj svete";
    QTest::newRow("tri lomitka") << ".-///-.../" << 37 << "a. b";
    QTest::newRow("lomitko na zacatku") << "/.-/" << 37 << "a";
    QTest::newRow("tecka s interpunkci") << ".-/.-.-.-//-.../" << 50 << "a. b";
    QTest::newRow("tecka bez interpunkce") << ".-/.-.-.-//-.../" << 37 << "a b";
    QTest::newRow("carka") << ".../---/.../--..--/" << 50 << "sos,";
    QTest::newRow("vykricnik") << ".../---/.../-.-.--/" << 50 << "sos!";
    QTest::newRow("zavorky") << "-.--./-.--.-/" << 50 << "()";
    QTest::newRow("uvozovky") << ".-..-./" << 50 << "\"";
    QTest::newRow("neznamy kod") << "...---.../" << 50 << "";
    QTest::newRow("jedno lomitko") << "/" << 50 << "";
    QTest::newRow("dve lomitka") << "//" << 37 << "";
    QTest::newRow("mezera na konci") << ".-//" << 50 << "a ";
    QTest::newRow("konec vety") << ".-///" << 50 << "a. ";
    QTest::newRow("ctyri lomitka") << ".-////" << 50 << "a.. ";
    QTest::newRow("zbytek za poslednim") << ".-/-..." << 50 << "a";
    QTest::newRow("bez lomitka") << ".-" << 50 << "";
    QTest::newRow("cizi znaky v kodu") << ".-?/:/-/" << 50 << "t";
    QTest::newRow("otaznik v uzivani") << "..--../" << 50 << "?";
    QTest::newRow("otaznik mimo uzivani") << "..--../" << 37 << "";
    QTest::newRow("nula mimo uzivani") << "-----/.-/" << 1 << "";
    QTest::newRow("nula v uzivani") << "-----/.-/" << 2 << "0";
    QTest::newRow("prilis dlouhy kod") << "-------/.-/" << 50 << "a";
    QTest::newRow("prazdny") << "" << 50 << "";
}

void TestMorseovka::desifruj()
{
    QFETCH(QString, morse);
    QFETCH(int, pocet);
    QFETCH(QString, text);
    QCOMPARE(MorseDesifruj(morse, pocet), text);
}

void TestMorseovka::interpunkceTamAZpet_data()
{
    QTest::addColumn<QString>("znak");
    for (const QChar z : QStringView(u"?,!.;/=-()\":_"))
        QTest::newRow(qPrintable(QString(z))) << QString(z);
}

void TestMorseovka::interpunkceTamAZpet()
{
    QFETCH(QString, znak);
    const QString text = "a" + znak + "b";
    QCOMPARE(MorseDesifruj(MorseSifruj(text, MorseSInterpunkci), MorseSInterpunkci), text);
}

void TestMorseovka::oddelovace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("pozice");
    QTest::newRow("a/b//") << "a/b//" << QList<int>{2, 4, 5};
    QTest::newRow("bez lomitka") << "abc" << QList<int>{};
    QTest::newRow("prazdny") << "" << QList<int>{};
    QTest::newRow("jen lomitko") << "/" << QList<int>{1};
    QTest::newRow("osamele nahradni znaky") << QString::fromUtf16(u"\xD800/\xDFFF/") << QList<int>{2, 4};
    QTest::newRow("vysoke hodnoty") << QString::fromUtf16(u"\xFFFF\xFFFE/\xFFFF") << QList<int>{3};
}

void TestMorseovka::oddelovace()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, pozice);
    QCOMPARE(NajdiOddelovace(text), pozice);
}

QTEST_GUILESS_MAIN(TestMorseovka)
#include "tst_core_morseovka.moc"
