// Exported Morse sound read back by an independent decoder, multimon-ng's MORSE_CW, which takes raw
// 16-bit mono samples at 22050 Hz. It finds the speed on the first word, so the decoded text must end
// with the text from the second word on. It cannot tell stretched gaps between characters from gaps
// between words by itself, so with Farnsworth timing it is given the timing, as an operator would set
// it: the dot of the character speed and the gap unit t_a / 19 of the ARRL formula.

#include "ciphers/Morseovka.h"
#include "ciphers/MorseovkaZvuk.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>

class TestMorseovkaDekoder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void multimon_data();
    void multimon();

private:
    QString m_multimon;
};

namespace {
constexpr int VzorkovaniDekoderu = 22050;

QString odDruhehoSlova(const QString &text)
{
    return text.sliced(text.indexOf(u' '));
}

// One unit of the stretched gaps in milliseconds: (60 c - 37.2 s) / (19 s c) seconds.
int jednotkaMezeryMs(int znaku, int efektivne)
{
    return qRound((60.0 * znaku - 37.2 * efektivne) / (19.0 * efektivne * znaku) * 1000);
}
} // namespace

void TestMorseovkaDekoder::initTestCase()
{
    m_multimon = QStandardPaths::findExecutable(QStringLiteral("multimon-ng"));
    if (m_multimon.isEmpty())
        QSKIP("multimon-ng is not installed (scripts/install-deps installs it); the decoder test needs it");
}

void TestMorseovkaDekoder::multimon_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("znaku");
    QTest::addColumn<int>("efektivne");
    QTest::newRow("the lost last letter, 12 wpm") << "ahoj svete toto je zkouska morseovky" << 12 << 0;
    QTest::newRow("digits at 15 wpm") << "paris 1234 567 890" << 15 << 0;
    QTest::newRow("farnsworth 18 over 8") << "vitejte na taboru u reky" << 18 << 8;
    QTest::newRow("farnsworth 25 over 15") << "hledejte poklad pod starym dubem" << 25 << 15;
}

void TestMorseovkaDekoder::multimon()
{
    QFETCH(QString, text);
    QFETCH(int, znaku);
    QFETCH(int, efektivne);
    NastaveniZvuku nastaveni;
    nastaveni.slovZaMinutu = znaku;
    nastaveni.efektivniSlovZaMinutu = efektivne;
    nastaveni.vzorkovani = VzorkovaniDekoderu;

    // The WAV export at the decoder's rate; its samples after the 44-byte header are what it reads.
    ZvukMorseovky zvuk(MorseSifruj(text, MorseBezInterpunkce), nastaveni);
    QBuffer wav;
    wav.open(QIODevice::WriteOnly);
    QString chyba;
    QVERIFY2(ZapisWav(wav, zvuk, &chyba), qPrintable(chyba));
    QTemporaryFile surove;
    QVERIFY(surove.open());
    surove.write(wav.data().mid(44));
    surove.close();

    QStringList argumenty{QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-a"),
                          QStringLiteral("MORSE_CW")};
    if (efektivne > 0)
        argumenty << QStringLiteral("-d") << QString::number(1200 / znaku) << QStringLiteral("-g")
                  << QString::number(jednotkaMezeryMs(znaku, efektivne)) << QStringLiteral("-y");
    QProcess dekoder;
    dekoder.start(m_multimon, argumenty << surove.fileName());
    QVERIFY2(dekoder.waitForFinished(60000), qPrintable(dekoder.errorString()));
    QCOMPARE(dekoder.exitStatus(), QProcess::NormalExit);
    QCOMPARE(dekoder.exitCode(), 0);
    const QString precteno = QString::fromUtf8(dekoder.readAllStandardOutput()).simplified().toLower();
    QVERIFY2(precteno.endsWith(odDruhehoSlova(text)), qPrintable(precteno));
}

QTEST_GUILESS_MAIN(TestMorseovkaDekoder)
#include "tst_core_morseovkadekoder.moc"
