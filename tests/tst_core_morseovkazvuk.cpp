#include "ciphers/Morseovka.h"
#include "ciphers/MorseovkaZvuk.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

#include <algorithm>

class TestMorseovkaZvuk : public QObject
{
    Q_OBJECT
private slots:
    void useky_data();
    void useky();
    void ton();
    void wav();
    void farnsworth_data();
    void farnsworth();
    void stejneRychlosti_data();
    void stejneRychlosti();
};

void TestMorseovkaZvuk::useky_data()
{
    // The code, the speed, its stretches ("t" tone, "s" silence, in dot units) and its length in ms.
    QTest::addColumn<QString>("kod");
    QTest::addColumn<int>("wpm");
    QTest::addColumn<QString>("useky");
    QTest::addColumn<int>("ms");
    QTest::newRow("one dot at 12 wpm is 100 ms") << "." << 12 << "t1" << 100;
    QTest::newRow("dash, then a gap inside the character") << "-." << 12 << "t3 s1 t1" << 500;
    QTest::newRow("letter gap") << "./-" << 20 << "t1 s3 t3" << 420;
    QTest::newRow("word gap") << ".//." << 12 << "t1 s7 t1" << 900;
    QTest::newRow("sentence end") << ".///." << 12 << "t1 s10 t1" << 1200;
    QTest::newRow("more than three slashes") << ".//////." << 12 << "t1 s10 t1" << 1200;
    QTest::newRow("no gap at either end") << "//.-///" << 12 << "t1 s1 t3" << 500;
    QTest::newRow("other characters passed over") << "x.\r\n- ?/." << 12 << "t1 s1 t3 s3 t1" << 900;
    QTest::newRow("nothing to sound") << "/ //" << 12 << "" << 0;
    QTest::newRow("sos at 5 wpm") << ".../---/.../" << 5 << "t1 s1 t1 s1 t1 s3 t3 s1 t3 s1 t3 s3 t1 s1 t1 s1 t1"
                                  << 27 * 240;
    QTest::newRow("speed above the range plays at 40") << "." << 90 << "t1" << 30;
}

void TestMorseovkaZvuk::useky()
{
    QFETCH(QString, kod);
    QFETCH(int, wpm);
    QFETCH(QString, useky);
    QFETCH(int, ms);
    QStringList popis;
    for (const UsekZvuku &u : UsekyMorseovky(kod))
        popis << (u.ton ? "t" : "s") + QString::number(u.jednotky);
    QCOMPARE(popis.join(u' '), useky);
    const NastaveniZvuku nastaveni{wpm, 700, 44100};
    // Every sound starts with 7 units of silence and ends with a word gap of 7 more.
    const int ticho = ms > 0 ? 14 * 1200 / std::clamp(wpm, 5, 40) : 0;
    QCOMPARE(VzorkyMorseovky(kod, nastaveni).size(), qsizetype(ms + ticho) * 441 / 10);
    // Linear in the code: each further copy of it adds the same number of samples.
    const auto kopie = [&](int n) { return ZvukMorseovky(kod.repeated(n), nastaveni).pocetVzorku(); };
    QCOMPARE(kopie(1000) - kopie(1), 999 * (kopie(2) - kopie(1)));
}

// A dot at 700 Hz between 7 units of silence before and 7 after: silent at both ends, rising and
// falling over 5 ms, then at the full level, with 70 periods in its 100 ms.
void TestMorseovkaZvuk::ton()
{
    const QList<qint16> cely = VzorkyMorseovky(u".", {});
    QCOMPARE(cely.size(), 15 * 4410);
    const QList<qint16> v = cely.mid(7 * 4410, 4410);
    const auto vrchol = [&v](qsizetype od, qsizetype pocet) {
        qint16 nejvic = 0;
        for (qsizetype i = od; i < od + pocet; ++i)
            nejvic = std::max<qint16>(nejvic, qAbs(v[i]));
        return nejvic;
    };
    QVERIFY(qAbs(v.first()) < 50 && qAbs(v.last()) < 50);
    QVERIFY(vrchol(0, 44) < 2500 && vrchol(4410 - 44, 44) < 2500);       // the first and last 1 ms
    QVERIFY(vrchol(88, 44) > 5000 && vrchol(88, 44) < vrchol(220, 441)); // still rising at 2-3 ms
    QVERIFY(qAbs(vrchol(220, 3970) - 0.6 * 32767) < 100);
    int pruchody = 0;
    for (qsizetype i = 1; i < v.size(); ++i)
        pruchody += (v[i - 1] < 0) != (v[i] < 0);
    QVERIFY2(qAbs(pruchody - 140) <= 2, qPrintable(QString::number(pruchody)));
}

// The file of ".." at 8000 samples a second: 7 silent units, three units of 800 samples and 7 silent
// units again (27 200 bytes) after a 44-byte header; a
// second write of the same sound starts again from its beginning.
void TestMorseovkaZvuk::wav()
{
    ZvukMorseovky zvuk(u"..", {12, 700, 8000});
    QBuffer prvni, druhy, jenProCteni;
    prvni.open(QIODevice::WriteOnly);
    druhy.open(QIODevice::WriteOnly);
    jenProCteni.open(QIODevice::ReadOnly);
    QString chyba;
    QVERIFY(ZapisWav(prvni, zvuk, &chyba) && ZapisWav(druhy, zvuk, &chyba));
    const QByteArray b = prvni.data();
    QCOMPARE(druhy.data(), b);
    const auto u32 = [&b](int i) { return qFromLittleEndian<quint32>(b.constData() + i); };
    const auto u16 = [&b](int i) { return qFromLittleEndian<quint16>(b.constData() + i); };
    QVERIFY(b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt " && b.mid(36, 4) == "data");
    QCOMPARE(QList<quint32>({u32(4), u32(16), u32(24), u32(28), u32(40)}),
             QList<quint32>({36 + 27200, 16, 8000, 16000, 27200}));
    QCOMPARE(QList<quint16>({u16(20), u16(22), u16(32), u16(34)}), QList<quint16>({1, 1, 2, 16}));
    QList<qint16> vzorky = VzorkyMorseovky(u"..", {12, 700, 8000});
    qToLittleEndian<qint16>(vzorky.constData(), vzorky.size(), vzorky.data());
    QCOMPARE(b.mid(44), QByteArray(reinterpret_cast<const char *>(vzorky.constData()), 27200));

    QVERIFY(HlavickaWav(0x7FFFFFED, 44100).size() == 44 && HlavickaWav(0x7FFFFFEE, 44100).isEmpty());
    QVERIFY(!ZapisWav(jenProCteni, zvuk, &chyba) && !chyba.isEmpty());
}

void TestMorseovkaZvuk::farnsworth_data()
{
    QTest::addColumn<int>("znaku");
    QTest::addColumn<int>("efektivne");
    QTest::addColumn<int>("vzorkovani");
    QTest::newRow("18 over 8, the trainer's default") << 18 << 8 << 44100;
    QTest::newRow("20 over 5") << 20 << 5 << 44100;
    QTest::newRow("25 over 15 at 22050") << 25 << 15 << 22050;
    QTest::newRow("refused: effective 2 plays at 5") << 12 << 2 << 44100;
}

// Characters keep the character speed; the gaps between characters, words and sentences are 3, 7
// and 10 times t_a / 19, t_a = (60 c - 37.2 s) / (s c) seconds; so PARIS with its word gap lasts
// 60 / s seconds. The sound starts with seven dot units of silence and ends with a word gap.
void TestMorseovkaZvuk::farnsworth()
{
    QFETCH(int, znaku);
    QFETCH(int, efektivne);
    QFETCH(int, vzorkovani);
    const NastaveniZvuku nastaveni{znaku, 700, vzorkovani, efektivne};
    const int s = std::max(efektivne, 5);
    const double ta = (60.0 * znaku - 37.2 * s) / (s * znaku);
    const double tecka = 1.2 / znaku * vzorkovani;
    const double mezera = ta / 19 * vzorkovani;

    const QList<UsekCasovani> u = CasovaniMorseovky(u".-/-//-///.", nastaveni);
    QCOMPARE(u.size(), 11);
    const auto blizko = [](qint64 vzorku, double ocekavano) { return qAbs(double(vzorku) - ocekavano) <= 6; };
    for (int i = 0; i < u.size(); ++i)
        QCOMPARE(u[i].ton, i % 2 == 1);
    QVERIFY(blizko(u[0].vzorku, 7 * tecka) && blizko(u[10].vzorku, 7 * mezera));
    QVERIFY(blizko(u[1].vzorku, tecka) && blizko(u[2].vzorku, tecka) && blizko(u[3].vzorku, 3 * tecka));
    QVERIFY2(blizko(u[4].vzorku, 3 * mezera), qPrintable(QString::number(u[4].vzorku)));
    QVERIFY2(blizko(u[6].vzorku, 7 * mezera), qPrintable(QString::number(u[6].vzorku)));
    QVERIFY2(blizko(u[8].vzorku, 10 * mezera), qPrintable(QString::number(u[8].vzorku)));
    QCOMPARE(vzorkuNaJednotkuMezery(nastaveni) * 3, u[4].vzorku);

    // Ten words of PARIS: from the first tone to the end of the last word's gap, 600 / s seconds.
    const QList<UsekCasovani> paris = CasovaniMorseovky(MorseSifruj(u"paris ", 50).repeated(10), nastaveni);
    qint64 vzorku = 0;
    for (const UsekCasovani &usek : paris)
        vzorku += usek.vzorku;
    vzorku -= paris.first().vzorku;
    QVERIFY2(qAbs(double(vzorku) / vzorkovani - 600.0 / s) < 0.01, qPrintable(QString::number(vzorku)));
    // Read in pieces, the sound is the same as at once, and as long as its stretches.
    QCOMPARE(ZvukMorseovky(MorseSifruj(u"paris ", 50).repeated(10), nastaveni).pocetVzorku(),
             vzorku + paris.first().vzorku);
    const QString kod = MorseSifruj(u"paris ", 50);
    ZvukMorseovky zvuk(kod, nastaveni);
    QList<qint16> poKusech(zvuk.pocetVzorku() + 1000);
    qint64 precteno = 0;
    while (const qint64 n = zvuk.ctiVzorky(poKusech.data() + precteno, 777))
        precteno += n;
    poKusech.resize(precteno);
    QCOMPARE(poKusech, VzorkyMorseovky(kod, nastaveni));
}

void TestMorseovkaZvuk::stejneRychlosti_data()
{
    QTest::addColumn<int>("efektivne");
    QTest::newRow("not set") << 0;
    QTest::newRow("equal") << 12;
    QTest::newRow("above the character speed") << 30;
}

// Without stretching every stretch is today's, in whole dot units, with seven units of silence
// before the first tone and after the last; a code without a tone stays silent and empty.
void TestMorseovkaZvuk::stejneRychlosti()
{
    QFETCH(int, efektivne);
    const NastaveniZvuku nastaveni{12, 700, 44100, efektivne};
    const qint64 jednotka = vzorkuNaJednotku(nastaveni);
    QCOMPARE(jednotka, 4410);
    QCOMPARE(vzorkuNaJednotkuMezery(nastaveni), jednotka);
    const QString kod = u".../---///.-//-"_qs;
    QList<UsekCasovani> ocekavane{{false, 7 * jednotka}};
    for (const UsekZvuku &usek : UsekyMorseovky(kod))
        ocekavane.append({usek.ton, usek.jednotky * jednotka});
    ocekavane.append({false, 7 * jednotka});
    QCOMPARE(CasovaniMorseovky(kod, nastaveni), ocekavane);

    const QList<qint16> vzorky = VzorkyMorseovky(kod, nastaveni);
    QVERIFY(std::all_of(vzorky.begin(), vzorky.begin() + 7 * jednotka, [](qint16 v) { return v == 0; }));
    QVERIFY(std::all_of(vzorky.end() - 7 * jednotka, vzorky.end(), [](qint16 v) { return v == 0; }));
    QVERIFY(vzorky[7 * jednotka + 220] != 0 && vzorky[vzorky.size() - 7 * jednotka - 220] != 0);
    QVERIFY(CasovaniMorseovky(u"//", nastaveni).isEmpty() && VzorkyMorseovky(u"/ /", nastaveni).isEmpty());
}

QTEST_APPLESS_MAIN(TestMorseovkaZvuk)
#include "tst_core_morseovkazvuk.moc"
