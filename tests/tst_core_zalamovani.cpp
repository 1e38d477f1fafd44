#include "ciphers/Morseovka.h"
#include "text/Zalamovani.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
// Every character one unit wide, combining marks none.
qreal jednotky(QStringView text)
{
    qreal sirka = 0;
    for (const char32_t kod : text.toUcs4())
        sirka += QChar::isMark(kod) ? 0 : 1;
    return sirka;
}

bool jeVisiciMezera(QChar znak)
{
    return znak == u' ';
}
} // namespace

class TestZalamovani : public QObject
{
    Q_OBJECT
private slots:
    void kusy_data();
    void kusy();
    void nahodneRadkySeSlozi();
    void dlouhyRadek_data();
    void dlouhyRadek();
};

void TestZalamovani::kusy_data()
{
    QTest::addColumn<QString>("radek");
    QTest::addColumn<qreal>("sirka");
    QTest::addColumn<QStringList>("ocekavane");
    QTest::newRow("empty line stays one piece") << "" << 10.0 << QStringList{""};
    QTest::newRow("line as wide as the box stays whole") << "ahoj svete" << 10.0 << QStringList{"ahoj svete"};
    QTest::newRow("next word moves to the next line")
        << "ahoj svete jak se mas" << 10.0 << QStringList{"ahoj svete ", "jak se mas"};
    QTest::newRow("trailing spaces hang past the width") << "ab      cd" << 3.0 << QStringList{"ab      ", "cd"};
    QTest::newRow("word wider than the box breaks inside") << "abcdefghij" << 4.0 << QStringList{"abcd", "efgh", "ij"};
    QTest::newRow("long word starts a line of its own") << "ab cdefghij" << 4.0 << QStringList{"ab ", "cdef", "ghij"};
    QTest::newRow("Morse breaks after a slash") << ".-/-.../-.-./" << 8.0 << QStringList{".-/-.../", "-.-./"};
    QTest::newRow("Morse word gap stays whole") << ".-/-//.-" << 5.0 << QStringList{".-/", "-//.-"};
    QTest::newRow("Morse without a slash still fits") << "......----" << 4.0 << QStringList{"....", "..--", "--"};
    QTest::newRow("character wider than the box gets a piece") << "abc" << 0.5 << QStringList{"a", "b", "c"};
    QTest::newRow("surrogate pairs and combining marks stay whole")
        << QString::fromUtf8("\U0001F600e\u0301\U0001F600") << 1.0
        << QStringList{QString::fromUtf8("\U0001F600"), QString::fromUtf8("e\u0301"), QString::fromUtf8("\U0001F600")};
}

void TestZalamovani::kusy()
{
    QFETCH(QString, radek);
    QFETCH(qreal, sirka);
    QFETCH(QStringList, ocekavane);
    QCOMPARE(ZalomRadek(radek, sirka, jednotky), ocekavane);
}

// Morse results and Czech sentences of random length at random widths: the pieces give the line
// back, each fits (or is a single character), and a Morse piece ends after a whole code.
void TestZalamovani::nahodneRadkySeSlozi()
{
    QRandomGenerator nahoda(7);
    const QStringList slova{"ahoj", "skaut", "tabor", "sifra", "v", "morseovka", "hlidka", "123", "a"};
    for (int pokus = 0; pokus < 300; ++pokus) {
        QString veta;
        for (int i = nahoda.bounded(1, 60); i > 0; --i)
            veta += slova[nahoda.bounded(int(slova.size()))] + QString(nahoda.bounded(1, 3), u' ');
        const bool morse = pokus % 2 == 0;
        const QString radek = morse ? MorseSifruj(veta, MorseBezInterpunkce) : veta;
        const qreal sirka = nahoda.bounded(morse ? 8 : 1, 40);
        const QStringList kusy = ZalomRadek(radek, sirka, jednotky);
        QCOMPARE(kusy.join(QString()), radek);
        for (qsizetype k = 0; k < kusy.size(); ++k) {
            QString obsah = kusy[k];
            while (obsah.size() > 1 && jeVisiciMezera(obsah.back()))
                obsah.chop(1);
            QVERIFY2(!obsah.isEmpty() && (jednotky(obsah) <= sirka || obsah.size() == 1), qPrintable(kusy[k]));
            if (morse && k + 1 < kusy.size())
                QVERIFY2(kusy[k].endsWith(u'/') && !kusy[k + 1].startsWith(u'/'), qPrintable(kusy[k]));
        }
    }
}

void TestZalamovani::dlouhyRadek_data()
{
    QTest::addColumn<QString>("vzor"); // two of it fill a piece exactly
    QTest::addColumn<qreal>("sirka");
    QTest::newRow("words") << "ab cd " << 11.0;
    QTest::newRow("Morse") << ".-/-.../" << 16.0;
    QTest::newRow("Morse word gaps") << ".-/-//" << 12.0;
}

// A line many times longer than the stretch whose break opportunities are looked at once: every piece
// is two patterns, so nothing is lost where one stretch meets the next; the caller is asked along the
// way, and stopping it gives no pieces.
void TestZalamovani::dlouhyRadek()
{
    QFETCH(QString, vzor);
    QFETCH(qreal, sirka);
    const QString kus = vzor.repeated(2);
    const QString radek = kus.repeated(100000 / kus.size());
    int dotazu = 0;
    const std::optional<QStringList> kusy = ZalomRadek(radek, sirka, jednotky, [&dotazu] { return ++dotazu > 0; });
    QVERIFY(kusy);
    QCOMPARE(*kusy, QStringList(radek.size() / kus.size(), kus));
    QVERIFY2(std::abs(dotazu - radek.size() / PocetZnakuMeziDotazy) <= 1, qPrintable(QString::number(dotazu)));
    dotazu = 0;
    QVERIFY(!ZalomRadek(radek, sirka, jednotky, [&dotazu] { return ++dotazu < 3; }));
    QCOMPARE(dotazu, 3);
}

QTEST_APPLESS_MAIN(TestZalamovani)
#include "tst_core_zalamovani.moc"
