// The two readers of signals: key timings to Morse code, semaphore pictures to text.
#include "ciphers/Klicovani.h"
#include "ciphers/Morseovka.h"
#include "ciphers/Semafor.h"
#include "text/Cisteni.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The key timing of a Morse code: a dot one unit, a dash three, one unit inside a letter, three
// after "/" and seven after "//", with the closing gap when konecnaPauza. The unit grows evenly
// from jednotka to konecna (a tiring hand); with kolisani each length is off by up to rozptyl.
QList<int> odesli(QStringView kod, double jednotka, bool konecnaPauza, double konecna = 0,
                  QRandomGenerator *kolisani = nullptr, double rozptyl = 0)
{
    QList<int> delky;
    const auto pridej = [&](int jednotek, qsizetype kde) {
        const double u = konecna > 0 ? jednotka + (konecna - jednotka) * double(kde) / double(kod.size()) : jednotka;
        const double faktor = kolisani ? 1 + rozptyl * (2 * kolisani->generateDouble() - 1) : 1;
        delky.append(int(std::lround(jednotek * u * faktor)));
    };
    int pauza = 0;
    for (qsizetype i = 0; i < kod.size(); ++i) {
        if (kod[i] == u'/') {
            pauza = pauza == 0 ? 3 : 7;
            continue;
        }
        if (!delky.isEmpty())
            pridej(pauza == 0 ? 1 : pauza, i);
        pridej(kod[i] == u'.' ? 1 : 3, i);
        pauza = 0;
    }
    if (konecnaPauza && pauza > 0 && !delky.isEmpty())
        pridej(pauza, kod.size());
    return delky;
}

void radek(const char *nazev, const QList<int> &delky, int slov, const QString &kod, int odhad = 0)
{
    QTest::newRow(nazev) << delky << slov << kod << odhad;
}

} // namespace

class TestSignaly : public QObject
{
    Q_OBJECT
private slots:
    void klicovani_data();
    void klicovani();
    void dokonciZnak();
    void nahodneDelky();
    void presneVysilani();
    void desifruj_data();
    void desifruj();
    void vyznam_data();
    void vyznam();
    void tamAZpet();
};

void TestSignaly::klicovani_data()
{
    QTest::addColumn<QList<int>>("delky");
    QTest::addColumn<int>("slov");
    QTest::addColumn<QString>("kod");
    QTest::addColumn<int>("odhad"); // the speed estimate at the end, 0 where unchecked
    // At 12 words per minute a unit is 100 ms: dot below 200 ms, letter gap from 200, word gap from 500.
    radek("prazdny", {}, 12, "");
    radek("tecka pod prahem", {199}, 12, ".");
    radek("carka na prahu", {200}, 12, "-");
    radek("pauza uvnitr znaku", {100, 199}, 12, ".", 12);
    radek("konec znaku na hranici", {100, 200}, 12, "./");
    radek("konec znaku pod slovem", {100, 499}, 12, "./");
    radek("konec slova na hranici", {100, 500}, 12, ".//");
    radek("konci stiskem", {100, 100, 300, 300, 100}, 12, ".-/.");
    radek("konci kratkou pauzou", {100, 100, 300, 100}, 12, ".-");
    radek("konci dlouhou pauzou", {100, 100, 300, 300}, 12, ".-/");
    radek("nulovy stisk pauzu nedeli", {100, 150, 0, 150, 100}, 12, "./.");
    radek("zaporny stisk pauzu nedeli", {100, 150, -40, 150, 100}, 12, "./.");
    radek("zaporna pauza ve znaku", {100, -7, 300}, 12, ".-");
    radek("pauza pred prvnim stiskem", {0, 5000, 100}, 12, ".");
    radek("obri stisk a pauza", {INT_MAX, INT_MIN, 100, INT_MAX, 100}, 12, "-.//.");
    radek("rychlost pod rozsahem jako 5", {479}, 0, ".");
    radek("rychlost nad rozsahem jako 40", {60}, 1000, "-");
    // Clean sending at several speeds, and a sender far from the given speed followed from the first press.
    const QString ahoj = MorseSifruj(u"ahoj svete 2026", MorseBezInterpunkce);
    radek("cisto 5", odesli(ahoj, 240, true), 5, ahoj, 5);
    radek("cisto 40", odesli(ahoj, 30, true), 40, ahoj, 40);
    radek("carky napred", odesli(MorseSifruj(u"tma 0", 37), 100, true), 12, MorseSifruj(u"tma 0", 37));
    radek("jen tecky", odesli(MorseSifruj(u"eis 5", 37), 190, true), 12, MorseSifruj(u"eis 5", 37), 6);
    radek("pomalejsi odesilatel", odesli(ahoj, 190, true), 12, ahoj, 6);
    radek("rychlejsi odesilatel", odesli(ahoj, 55, true), 12, ahoj, 22);
    // A child told 8 words per minute (150 ms) keeps a unit of its own, every length off by up to
    // a quarter; or tires, ending at twice the unit it began with.
    const QString tabor = MorseSifruj(u"jsme na tabore u reky a posilame zpravu 2026", MorseBezInterpunkce);
    QRandomGenerator kolisani(20261210);
    radek("dite pomalu nerovne", odesli(tabor, 240, true, 0, &kolisani, 0.25), 8, tabor, 5);
    radek("dite se unavuje", odesli(tabor, 150, true, 300, &kolisani, 0.2), 8, tabor, 4);
}

void TestSignaly::klicovani()
{
    QFETCH(QList<int>, delky);
    QFETCH(int, slov);
    QFETCH(QString, kod);
    QFETCH(int, odhad);
    QCOMPARE(KlicovaniNaMorse(delky, slov), kod);
    DekoderKlicovani dekoder(slov);
    for (const int delka : delky)
        dekoder.pridej(delka);
    QVERIFY(odhad == 0 || std::abs(dekoder.odhadSlovZaMinutu() - odhad) <= 1);
}

void TestSignaly::dokonciZnak()
{
    DekoderKlicovani dekoder(12);
    dekoder.dokonciZnak();
    QCOMPARE(dekoder.kod(), QString());
    for (const int delka : {100, 100, 300})
        dekoder.pridej(delka);
    QVERIFY(dekoder.znakOtevreny() && !dekoder.cekaStisk());
    dekoder.dokonciZnak();
    dekoder.dokonciZnak();
    QCOMPARE(dekoder.kod(), QStringLiteral(".-/"));
    // The pause that was already ending the letter adds only a word gap, when it is one.
    dekoder.pridej(300);
    QCOMPARE(dekoder.kod(), QStringLiteral(".-/"));
    dekoder.pridej(100);
    dekoder.pridej(800);
    QCOMPARE(dekoder.kod(), QStringLiteral(".-/.//"));
}

// Any durations at any speed: the decoder ends, writes only the code's three characters, never more
// than two "/" in a row nor one first, ends on a press when the list does, keeps its estimate in range.
void TestSignaly::nahodneDelky()
{
    QRandomGenerator nahoda(4242);
    for (int kolo = 0; kolo < 300; ++kolo) {
        QList<int> delky(kolo == 0 ? 100000 : nahoda.bounded(3000));
        for (int &d : delky) // of either sign, from a few ms (or 0) to the largest int
            d = int(nahoda.generate()) >> nahoda.bounded(32);
        const int slov = nahoda.bounded(3) == 0 ? int(nahoda.generate()) : nahoda.bounded(60);
        DekoderKlicovani dekoder(slov);
        for (const int delka : delky)
            dekoder.pridej(delka);
        const QString &kod = dekoder.kod();
        QVERIFY(std::all_of(kod.begin(), kod.end(), [](QChar c) { return c == u'.' || c == u'-' || c == u'/'; }));
        QVERIFY(!kod.contains(QStringLiteral("///")) && !kod.startsWith(u'/'));
        if (delky.size() % 2 == 1 && delky.last() > 0)
            QVERIFY(!kod.endsWith(u'/'));
        QVERIFY(dekoder.odhadSlovZaMinutu() >= DekoderKlicovani::NejmeneSlovOdhad);
        QVERIFY(dekoder.odhadSlovZaMinutu() <= DekoderKlicovani::NejviceSlovOdhad);
    }
}

// Exact sending of random codes, at a speed above two thirds and below twice the one the decoder is
// given, decodes to the code itself; without the closing gap the last letter stays open.
void TestSignaly::presneVysilani()
{
    static constexpr QStringView Znaky = u"abcdefghijklmnopqrstuvwxyz0123456789    ";
    QRandomGenerator nahoda(777);
    for (int kolo = 0; kolo < 500; ++kolo) {
        QString text(1, Znaky[nahoda.bounded(26)]);
        for (int i = nahoda.bounded(60); i > 0; --i)
            text += text.back() == u' ' ? u'e' : Znaky[nahoda.bounded(int(Znaky.size()))];
        const QString kod = MorseSifruj(text.trimmed(), MorseBezInterpunkce);
        const int odesilatel = 5 + nahoda.bounded(36);
        const int nejmene = std::max(DekoderKlicovani::NejmeneSlov, 2 * odesilatel / 3 + 1);
        const int zadano =
            nejmene + nahoda.bounded(std::min(DekoderKlicovani::NejviceSlov, 2 * odesilatel - 1) - nejmene + 1);
        QCOMPARE(KlicovaniNaMorse(odesli(kod, 1200.0 / odesilatel, true), zadano), kod);
        QCOMPARE(KlicovaniNaMorse(odesli(kod, 1200.0 / odesilatel, false), zadano), kod.chopped(1));
    }
}

void TestSignaly::desifruj_data()
{
    QTest::addColumn<QList<int>>("obrazky");
    QTest::addColumn<QString>("text");
    QTest::newRow("pismena") << QList<int>{1, 8, 15, 10} << "ahoj";
    QTest::newRow("cislice") << QList<int>{27, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10} << "1234567890";
    QTest::newRow("j po cislicich se nepise") << QList<int>{27, 1, 10, 10, 1} << "1ja";
    QTest::newRow("jen znaky rezimu") << QList<int>{27, 27, 10, 27} << "";
    QTest::newRow("mezera rezim nemeni") << QList<int>{27, 1, 28, 2, 10, 28, 1} << "1 2 a";
    QTest::newRow("pismena l az z mezi cislicemi") << QList<int>{27, 12, 26, 1} << "lz1";
    QTest::newRow("mimo rozsah se vynecha") << QList<int>{0, -1, 29, 1000, INT_MIN, INT_MAX, 2} << "b";
    QTest::newRow("mimo rozsah rezim nemeni") << QList<int>{27, 0, 29, 4, -10, 10, 4} << "4d";
}

// The reader given the pictures one by one reads the same; taking each picture back right after
// it restores the text and the mode before it.
void TestSignaly::desifruj()
{
    QFETCH(QList<int>, obrazky);
    QFETCH(QString, text);
    QCOMPARE(SemaforDesifruj(obrazky), text);
    CteniSemaforu cteni;
    for (const int obrazek : obrazky) {
        const QString predtim = cteni.text();
        const bool cislice = cteni.cislice();
        if (!cteni.pridej(obrazek))
            continue;
        cteni.zpet();
        QVERIFY(cteni.text() == predtim && cteni.cislice() == cislice);
        cteni.pridej(obrazek);
    }
    QCOMPARE(cteni.text(), text);
    QCOMPARE(SemaforDesifruj(cteni.obrazky()), text);
    QVERIFY(std::all_of(cteni.obrazky().begin(), cteni.obrazky().end(), [](int o) { return o >= 1 && o <= 28; }));
    cteni.smaz();
    cteni.zpet();
    QVERIFY(cteni.text().isEmpty() && cteni.obrazky().isEmpty() && !cteni.cislice());
}

void TestSignaly::vyznam_data()
{
    QTest::addColumn<int>("obrazek");
    QTest::addColumn<QString>("vyznam");
    QTest::addColumn<QChar>("cislice");
    const auto radek = [](const char *nazev, int obrazek, const QString &vyznam, QChar cislice = QChar()) {
        QTest::newRow(nazev) << obrazek << vyznam << cislice;
    };
    radek("a", 1, "a", u'1');
    radek("j", 10, "j");
    radek("k", 11, "k", u'0');
    radek("znak cislic", 27, "ČÍSLICE");
    radek("mezera", 28, " ");
    radek("za koncem", 29, "");
}

void TestSignaly::vyznam()
{
    QFETCH(int, obrazek);
    QFETCH(QString, vyznam);
    QFETCH(QChar, cislice);
    QCOMPARE(semaforVyznam(obrazek), vyznam);
    QCOMPARE(semaforCislice(obrazek), cislice);
}

// A text of letters, digits and spaces, written as the semaphore window asks ("*" before a run of
// digits, "j" after it), cleaned and encoded, reads back as the text without those marks.
void TestSignaly::tamAZpet()
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

QTEST_GUILESS_MAIN(TestSignaly)
#include "tst_core_signaly.moc"
