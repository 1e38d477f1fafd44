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
    QCOMPARE(VzorkyMorseovky(kod, nastaveni).size(), qsizetype(ms) * 441 / 10);
    // Linear in the code: each further copy of it adds the same number of samples.
    const auto kopie = [&](int n) { return ZvukMorseovky(kod.repeated(n), nastaveni).pocetVzorku(); };
    QCOMPARE(kopie(1000) - kopie(1), 999 * (kopie(2) - kopie(1)));
}

// A dot at 700 Hz: silent at both ends, rising and falling over 5 ms, then at the full level,
// with 70 periods in its 100 ms.
void TestMorseovkaZvuk::ton()
{
    const QList<qint16> v = VzorkyMorseovky(u".", {});
    QCOMPARE(v.size(), 4410);
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

// The file of ".." at 8000 samples a second: three units of 800 samples after a 44-byte header; a
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
             QList<quint32>({36 + 4800, 16, 8000, 16000, 4800}));
    QCOMPARE(QList<quint16>({u16(20), u16(22), u16(32), u16(34)}), QList<quint16>({1, 1, 2, 16}));
    QList<qint16> vzorky = VzorkyMorseovky(u"..", {12, 700, 8000});
    qToLittleEndian<qint16>(vzorky.constData(), vzorky.size(), vzorky.data());
    QCOMPARE(b.mid(44), QByteArray(reinterpret_cast<const char *>(vzorky.constData()), 4800));

    QVERIFY(HlavickaWav(0x7FFFFFED, 44100).size() == 44 && HlavickaWav(0x7FFFFFEE, 44100).isEmpty());
    QVERIFY(!ZapisWav(jenProCteni, zvuk, &chyba) && !chyba.isEmpty());
}

QTEST_APPLESS_MAIN(TestMorseovkaZvuk)
#include "tst_core_morseovkazvuk.moc"
