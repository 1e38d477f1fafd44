#include "ciphers/Klicovani.h"
#include "ciphers/Morseovka.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The key timing of a Morse code: a dot one unit, a dash three, one unit inside a letter, three
// after "/" and seven after "//". Each length is multiplied by its factor from kolisani (or 1), as
// an uneven hand would send it. With konecnaPauza the code's closing gap is sent too.
QList<int> odesli(QStringView kod, double jednotka, bool konecnaPauza, QRandomGenerator *kolisani = nullptr,
                  double rozptyl = 0)
{
    const auto ms = [&](int jednotek) {
        const double faktor = kolisani ? 1 + rozptyl * (2 * kolisani->generateDouble() - 1) : 1;
        return int(std::lround(jednotek * jednotka * faktor));
    };
    QList<int> delky;
    int pauza = 0;
    for (const QChar c : kod) {
        if (c == u'/') {
            pauza = pauza == 0 ? 3 : 7;
            continue;
        }
        if (!delky.isEmpty())
            delky.append(ms(pauza == 0 ? 1 : pauza));
        delky.append(ms(c == u'.' ? 1 : 3));
        pauza = 0;
    }
    if (konecnaPauza && pauza > 0 && !delky.isEmpty())
        delky.append(ms(pauza));
    return delky;
}

QString nahodnyText(QRandomGenerator &nahoda, int nejvicSlov)
{
    static constexpr QStringView Znaky = u"abcdefghijklmnopqrstuvwxyz0123456789";
    QString text;
    const int slov = 1 + nahoda.bounded(nejvicSlov);
    for (int s = 0; s < slov; ++s) {
        if (s > 0)
            text += u' ';
        for (int z = 1 + nahoda.bounded(7); z > 0; --z)
            text += Znaky[nahoda.bounded(int(Znaky.size()))];
    }
    return text;
}

} // namespace

class TestKlicovani : public QObject
{
    Q_OBJECT
private slots:
    void klicovani_data();
    void klicovani();
    void detskeVysilani_data();
    void detskeVysilani();
    void dokonciZnak();
    void nahodneDelky();
    void presneVysilani();
};

void TestKlicovani::klicovani_data()
{
    QTest::addColumn<QList<int>>("delky");
    QTest::addColumn<int>("slov");
    QTest::addColumn<QString>("kod");
    // At 12 words per minute a unit is 100 ms: dot below 200 ms, letter gap from 200, word gap from 500.
    QTest::newRow("prazdny") << QList<int>{} << 12 << "";
    QTest::newRow("tecka pod prahem") << QList<int>{199} << 12 << ".";
    QTest::newRow("carka na prahu") << QList<int>{200} << 12 << "-";
    QTest::newRow("pauza uvnitr znaku") << QList<int>{100, 199} << 12 << ".";
    QTest::newRow("konec znaku na hranici") << QList<int>{100, 200} << 12 << "./";
    QTest::newRow("konec znaku pod slovem") << QList<int>{100, 499} << 12 << "./";
    QTest::newRow("konec slova na hranici") << QList<int>{100, 500} << 12 << ".//";
    QTest::newRow("konci stiskem") << QList<int>{100, 100, 300, 300, 100} << 12 << ".-/.";
    QTest::newRow("konci kratkou pauzou") << QList<int>{100, 100, 300, 100} << 12 << ".-";
    QTest::newRow("konci dlouhou pauzou") << QList<int>{100, 100, 300, 300} << 12 << ".-/";
    QTest::newRow("nulovy stisk pauzu nedeli") << QList<int>{100, 150, 0, 150, 100} << 12 << "./.";
    QTest::newRow("zaporny stisk pauzu nedeli") << QList<int>{100, 150, -40, 150, 100} << 12 << "./.";
    QTest::newRow("nulova pauza ve znaku") << QList<int>{100, 0, 100} << 12 << "..";
    QTest::newRow("zaporna pauza ve znaku") << QList<int>{100, -7, 300} << 12 << ".-";
    QTest::newRow("pauza pred prvnim stiskem") << QList<int>{0, 5000, 100} << 12 << ".";
    QTest::newRow("obri stisk") << QList<int>{INT_MAX, INT_MIN, 100} << 12 << "-.";
    QTest::newRow("obri pauza") << QList<int>{100, INT_MAX, 100} << 12 << ".//.";
    QTest::newRow("rychlost pod rozsahem jako 5") << QList<int>{479} << 0 << ".";
    QTest::newRow("rychlost nad rozsahem jako 40") << QList<int>{60} << 1000 << "-";
    // Clean sending: each row's code, sent exactly, with its closing gap.
    const QString ahoj = MorseSifruj(u"ahoj svete", MorseBezInterpunkce);
    QTest::newRow("cisto 5") << odesli(ahoj, 240, true) << 5 << ahoj;
    QTest::newRow("cisto 12") << odesli(ahoj, 100, true) << 12 << ahoj;
    QTest::newRow("cisto 40") << odesli(ahoj, 30, true) << 40 << ahoj;
    const QString tma = MorseSifruj(u"tma 0", MorseBezInterpunkce);
    QTest::newRow("carky napred") << odesli(tma, 100, true) << 12 << tma;
    const QString eis = MorseSifruj(u"eis 5", MorseBezInterpunkce);
    QTest::newRow("jen tecky pomaleji") << odesli(eis, 190, true) << 12 << eis;
    QTest::newRow("jen tecky rychleji") << odesli(eis, 55, true) << 12 << eis;
    // A sender nearly twice as slow or fast as the given speed is followed from the first press.
    QTest::newRow("pomalejsi odesilatel") << odesli(ahoj, 190, true) << 12 << ahoj;
    QTest::newRow("rychlejsi odesilatel") << odesli(ahoj, 55, true) << 12 << ahoj;
}

void TestKlicovani::klicovani()
{
    QFETCH(QList<int>, delky);
    QFETCH(int, slov);
    QFETCH(QString, kod);
    QCOMPARE(KlicovaniNaMorse(delky, slov), kod);
}

void TestKlicovani::detskeVysilani_data()
{
    QTest::addColumn<int>("slov");
    QTest::addColumn<double>("jednotka");
    QTest::addColumn<double>("rozptyl");
    QTest::addColumn<double>("zpomaleni");
    // A child told 8 words per minute (150 ms) keeps a unit of its own, every length off by up to the spread.
    QTest::newRow("pomalu a nerovne") << 8 << 240.0 << 0.25 << 0.0;
    QTest::newRow("podle zadani nerovne") << 8 << 150.0 << 0.25 << 0.0;
    QTest::newRow("rychleji nerovne") << 8 << 120.0 << 0.2 << 0.0;
    // ... or tires, ending at twice the unit it began with.
    QTest::newRow("unavuje se") << 8 << 150.0 << 0.25 << 1.0;
}

void TestKlicovani::detskeVysilani()
{
    QFETCH(int, slov);
    QFETCH(double, jednotka);
    QFETCH(double, rozptyl);
    QFETCH(double, zpomaleni);
    const QString text = QStringLiteral("ahoj svete jsme na tabore u reky a posilame zpravu 2026");
    const QStringList slova = text.split(u' ');
    QRandomGenerator kolisani(20261210);
    DekoderKlicovani dekoder(slov);
    for (qsizetype i = 0; i < slova.size(); ++i) {
        const double u = jednotka * (1 + zpomaleni * double(i) / double(slova.size() - 1));
        for (const int delka : odesli(MorseSifruj(slova[i], MorseBezInterpunkce), u, false, &kolisani, rozptyl))
            dekoder.pridej(delka);
        dekoder.pridej(int(7 * u));
    }
    QCOMPARE(MorseDesifruj(dekoder.kod(), MorseBezInterpunkce), text + u' ');
    const int konecna = qRound(1200 / (jednotka * (1 + zpomaleni)));
    QVERIFY2(std::abs(dekoder.odhadSlovZaMinutu() - konecna) <= 1,
             qPrintable(QString::number(dekoder.odhadSlovZaMinutu())));
}

void TestKlicovani::dokonciZnak()
{
    DekoderKlicovani dekoder(12);
    dekoder.dokonciZnak();
    QCOMPARE(dekoder.kod(), QString());
    for (const int delka : {100, 100, 300})
        dekoder.pridej(delka);
    QVERIFY(dekoder.znakOtevreny());
    QVERIFY(dekoder.cekaStisk() == false);
    dekoder.dokonciZnak();
    dekoder.dokonciZnak();
    QCOMPARE(dekoder.kod(), QStringLiteral(".-/"));
    QVERIFY(!dekoder.znakOtevreny());
    // The pause that was already ending the letter adds only a word gap, when it is one.
    dekoder.pridej(300);
    QCOMPARE(dekoder.kod(), QStringLiteral(".-/"));
    dekoder.pridej(100);
    dekoder.pridej(800);
    dekoder.dokonciZnak();
    QCOMPARE(dekoder.kod(), QStringLiteral(".-/.//"));
    QCOMPARE(dekoder.odhadSlovZaMinutu(), 12);
}

// Any durations at any speed: the decoder ends, writes only the code's three characters, never more
// than two "/" in a row nor one first, ends on a press when the list does, keeps its estimate in range.
void TestKlicovani::nahodneDelky()
{
    QRandomGenerator nahoda(4242);
    for (int kolo = 0; kolo < 300; ++kolo) {
        const int pocet = kolo == 0 ? 100000 : nahoda.bounded(3000);
        QList<int> delky;
        delky.reserve(pocet);
        for (int i = 0; i < pocet; ++i) {
            switch (nahoda.bounded(6)) {
            case 0:
                delky.append(int(nahoda.generate()));
                break;
            case 1:
                delky.append(-nahoda.bounded(1000));
                break;
            case 2:
                delky.append(nahoda.bounded(20));
                break;
            default:
                delky.append(nahoda.bounded(2000));
                break;
            }
        }
        const int slov = nahoda.bounded(3) == 0 ? int(nahoda.generate()) : nahoda.bounded(60);
        DekoderKlicovani dekoder(slov);
        for (const int delka : delky)
            dekoder.pridej(delka);
        const QString &kod = dekoder.kod();
        QCOMPARE(KlicovaniNaMorse(delky, slov), kod);
        QVERIFY(std::all_of(kod.begin(), kod.end(), [](QChar c) { return c == u'.' || c == u'-' || c == u'/'; }));
        QVERIFY(!kod.contains(QStringLiteral("///")));
        QVERIFY(!kod.startsWith(u'/'));
        if (pocet % 2 == 1 && delky.last() > 0)
            QVERIFY(!kod.endsWith(u'/'));
        QVERIFY(dekoder.odhadSlovZaMinutu() >= DekoderKlicovani::NejmeneSlovOdhad);
        QVERIFY(dekoder.odhadSlovZaMinutu() <= DekoderKlicovani::NejviceSlovOdhad);
    }
}

// Exact sending of random codes, at a speed between two thirds and twice the one the decoder is
// given, decodes to the code itself; without the closing gap the last letter stays open.
void TestKlicovani::presneVysilani()
{
    QRandomGenerator nahoda(777);
    for (int kolo = 0; kolo < 500; ++kolo) {
        const QString kod = MorseSifruj(nahodnyText(nahoda, 12), MorseBezInterpunkce);
        const int odesilatel = 5 + nahoda.bounded(36);
        const int nejmene = std::max(DekoderKlicovani::NejmeneSlov, 2 * odesilatel / 3 + 1);
        const int nejvice = std::min(DekoderKlicovani::NejviceSlov, 2 * odesilatel - 1);
        const int zadano = nejmene + nahoda.bounded(nejvice - nejmene + 1);
        const double jednotka = 1200.0 / odesilatel;
        const QString popis = QStringLiteral("%1 slov/min, zadano %2: %3").arg(odesilatel).arg(zadano).arg(kod);
        QVERIFY2(KlicovaniNaMorse(odesli(kod, jednotka, true), zadano) == kod, qPrintable(popis));
        QVERIFY2(KlicovaniNaMorse(odesli(kod, jednotka, false), zadano) == kod.chopped(1), qPrintable(popis));
    }
}

QTEST_GUILESS_MAIN(TestKlicovani)
#include "tst_core_klicovani.moc"
