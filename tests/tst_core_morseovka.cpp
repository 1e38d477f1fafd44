#include "ciphers/Morseovka.h"
#include "text/Cisteni.h"

#include <QRandomGenerator>
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
    void chSifruj_data();
    void chSifruj();
    void chDesifruj_data();
    void chDesifruj();
    void chTamAZpet_data();
    void chTamAZpet();
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

void TestMorseovka::chSifruj_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pocet");
    QTest::addColumn<QString>("morse");
    QTest::newRow("chata") << "chata" << 37 << "----/.-/-/.-/";
    QTest::newRow("c pred ch") << "cch" << 37 << "-.-./----/";
    QTest::newRow("c a h oddelene") << "c h" << 37 << "-.-.//..../";
    QTest::newRow("h mimo uzivani") << "ch" << 18 << "-.-./";
    QTest::newRow("h prave v uzivani") << "ch" << 19 << "----/";
    QTest::newRow("velka pismena engine nezna") << "CHata" << 37 << ".-/-/.-/";
}

void TestMorseovka::chSifruj()
{
    QFETCH(QString, text);
    QFETCH(int, pocet);
    QFETCH(QString, morse);
    QCOMPARE(MorseSifruj(text, pocet, ZapisCh::JakoZnak), morse);
}

void TestMorseovka::chDesifruj_data()
{
    QTest::addColumn<QString>("morse");
    QTest::addColumn<int>("pocet");
    QTest::addColumn<QString>("jakoZnak");
    QTest::addColumn<QString>("jakoCaH");
    const auto radek = [](const char *nazev, const char *morse, int pocet, const char *jakoZnak, const char *jakoCaH) {
        QTest::newRow(nazev) << QString(morse) << pocet << QString(jakoZnak) << QString(jakoCaH);
    };
    radek("chata", "----/.-/-/.-/", 37, "chata", "ata");
    radek("slova", "----//----///", 50, "ch ch. ", " . ");
    radek("h mimo uzivani", "----/-.-./", 18, "c", "c");
}

// Off, "----" stays a code no entry has; on, it reads as "ch".
void TestMorseovka::chDesifruj()
{
    QFETCH(QString, morse);
    QFETCH(int, pocet);
    QFETCH(QString, jakoZnak);
    QFETCH(QString, jakoCaH);
    QCOMPARE(MorseDesifruj(morse, pocet, ZapisCh::JakoZnak), jakoZnak);
    QCOMPARE(MorseDesifruj(morse, pocet), jakoCaH);
}

void TestMorseovka::chTamAZpet_data()
{
    QTest::addColumn<bool>("interpunkce");
    QTest::newRow("bez interpunkce") << false;
    QTest::newRow("s interpunkci") << true;
}

// Texts as the Morse window cleans them (typed with capitals, diacritics, "ch" in any case, line
// breaks and marks; lower-cased and cleaned), words joined by single spaces, come back unchanged
// through "----".
void TestMorseovka::chTamAZpet()
{
    QFETCH(bool, interpunkce);
    const QStringView znaky = interpunkce ? ZnakyMorseSInterpunkci : ZnakyMorseBezInterpunkce;
    const int pocet = interpunkce ? MorseSInterpunkci : MorseBezInterpunkce;
    const QStringList kusy = QString::fromUtf16(u"ch Ch CH cH \u010Dh c h a e k o z 0 5 9 \u010C \u0158 \u017D \u00E1 "
                                                u"\u00E9 \u016F \u00FD \u011Ach ? , ! . ; / = - ( ) \" : _ # @ \n")
                                 .split(u' ');
    QRandomGenerator nahoda(22);
    int sCh = 0;
    for (int i = 0; i < 3000; ++i) {
        QStringList slova;
        for (int w = nahoda.bounded(1, 7); w > 0; --w) {
            QString napsane;
            for (int k = nahoda.bounded(1, 6); k > 0; --k)
                napsane += kusy[nahoda.bounded(int(kusy.size()))];
            const QString slovo = VycistiMalymi(napsane, znaky, NahradaMala);
            if (!slovo.isEmpty())
                slova.append(slovo);
        }
        const QString text = slova.join(u' ');
        sCh += text.contains(u"ch");
        const QString morse = MorseSifruj(text, pocet, ZapisCh::JakoZnak);
        QCOMPARE(MorseDesifruj(morse, pocet, ZapisCh::JakoZnak), text);
        QCOMPARE(morse.split(u'/').count(MorseCh.kod), text.count(u"ch"));
    }
    QVERIFY(sCh > 1000);
}

QTEST_GUILESS_MAIN(TestMorseovka)
#include "tst_core_morseovka.moc"
