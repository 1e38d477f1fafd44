#include "exercises/Cviceni.h"
#include "support/OdpovidacOken.h"
#include "windows/Morseovkaunit.h"
#include "windows/PrehravacMorseovky.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {
// Reads a 16-bit mono PCM WAV file back as its sample rate, then its tones and silences in ms
// ("44100: t100 s300 ..."), a silence being at least 2 ms of zero samples.
QString zmerWav(const QString &cesta)
{
    QFile f(cesta);
    const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    const auto u32 = [&b](int i) { return qFromLittleEndian<quint32>(b.constData() + i); };
    const auto u16 = [&b](qsizetype i) { return qFromLittleEndian<quint16>(b.constData() + i); };
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data" ||
        u32(4) != b.size() - 8 || u32(40) != b.size() - 44 || u16(20) != 1 || u16(22) != 1 || u16(34) != 16)
        return "not a 16-bit mono PCM WAV file";
    const qsizetype pocet = (b.size() - 44) / 2, ticho = u32(24) / 500;
    QStringList useky{QString::number(u32(24)) + ':'};
    const auto pridej = [&](char druh, qsizetype delka) {
        useky << druh + QString::number(qRound(1000.0 * double(delka) / u32(24)));
    };
    qsizetype zacatek = 0, nul = 0;
    for (qsizetype i = 0; i <= pocet; ++i) {
        if (i < pocet && u16(44 + 2 * i) == 0) {
            ++nul;
            continue;
        }
        if (nul >= ticho || i == pocet) {
            if (i - nul > zacatek)
                pridej('t', i - nul - zacatek);
            if (nul >= ticho)
                pridej('s', nul);
            zacatek = i;
        }
        nul = 0;
    }
    return useky.join(u' ');
}

// Answers the file dialog with a name, then the message box that may follow it with OK.
struct OdpovedUlozeni
{
    explicit OdpovedUlozeni(const QString &soubor)
        : dialog([this, soubor](QWidget *okno) {
              okno->findChild<QLineEdit *>("fileNameEdit")->setText(soubor);
              box.ocekavej();
              OdpovidacOken::prijmi(okno);
          })
    {
        dialog.ocekavej();
    }
    OdpovidacOken box;
    OdpovidacOken dialog;
};

QString stav(const QWidget &okno)
{
    return okno.findChild<QLabel *>("StavZvukuLab")->text();
}
} // namespace

class TestMorseovkaZvukOkno : public QObject
{
    Q_OBJECT
private slots:
    void kod_data();
    void kod();
    void wavZOkna_data();
    void wavZOkna();
    void bezZarizeni();
    void zdrojPrehravace();
};

void TestMorseovkaZvukOkno::kod_data()
{
    // The button pressed before (none when empty), whether punctuation is on, the source, the code.
    QTest::addColumn<QString>("stisk");
    QTest::addColumn<bool>("interpunkce");
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<QString>("kod");
    const auto radek = [](const char *nazev, const char *stisk, bool interpunkce, const char *vstup, const char *kod) {
        QTest::newRow(nazev) << QString(stisk) << interpunkce << QString(vstup) << QString(kod);
    };
    radek("target after encoding", "ZasifrujB", false, "Sos!", ".../---/.../");
    radek("decoded target plays its code", "DesifrujB", false, ".-/-...", ".-/-.../");
    radek("empty target: the cleaned source", "", false, "Ahoj, Čechy!", ".-/..../---/.---//-.-././-.-./..../-.--/");
    radek("empty target with punctuation", "", true, "a!", ".-/-.-.--/");
    radek("nothing to play", "DesifrujB", false, "x", "");
}

void TestMorseovkaZvukOkno::kod()
{
    QFETCH(QString, stisk);
    QFETCH(bool, interpunkce);
    QFETCH(QString, vstup);
    QFETCH(QString, kod);
    TMorseovkaForm okno;
    okno.findChild<QRadioButton *>(interpunkce ? "sInterpunkciRB" : "bezInterpunkceRB")->click();
    okno.findChild<QPlainTextEdit *>("Zdroj")->setPlainText(vstup);
    if (!stisk.isEmpty())
        okno.findChild<QPushButton *>(stisk)->click();
    QCOMPARE(okno.kodKPrehrani(), kod);
}

void TestMorseovkaZvukOkno::wavZOkna_data()
{
    QTest::addColumn<int>("wpm");
    QTest::addColumn<QString>("zvuk");
    QTest::newRow("sos at 12 wpm") << 12
                                   << "44100: s700 t100 s100 t100 s100 t100 s300 t300 s100 t300 s100 t300 s300 "
                                      "t100 s100 t100 s100 t100 s700";
    QTest::newRow("sos at 40 wpm") << 40
                                   << "44100: s210 t30 s30 t30 s30 t30 s90 t90 s30 t90 s30 t90 s90 t30 s30 t30 s30 t30 s210";
}

// "Uložit zvuk…" writes what "Přehrát" plays: measured back from the file, the tones and gaps of
// "sos" follow the chosen speed; a folder that does not exist is reported and writes nothing.
void TestMorseovkaZvukOkno::wavZOkna()
{
    QFETCH(int, wpm);
    QFETCH(QString, zvuk);
    QTemporaryDir slozka;
    TMorseovkaForm okno;
    okno.findChild<QPlainTextEdit *>("Zdroj")->setPlainText("sos");
    okno.findChild<QPushButton *>("ZasifrujB")->click();
    okno.findChild<QSpinBox *>("rychlostE")->setValue(wpm);
    QCOMPARE(okno.findChild<QSpinBox *>("frekvenceE")->value(), 700);
    auto *ulozit = okno.findChild<QPushButton *>("UlozitZvukB");

    {
        OdpovedUlozeni odpoved(slozka.filePath("sos"));
        ulozit->click();
        QVERIFY(odpoved.dialog.odpovezeno() && !odpoved.box.odpovezeno());
    }
    QCOMPARE(zmerWav(slozka.filePath("sos.wav")), zvuk);
    QCOMPARE(stav(okno), "Uloženo: sos.wav");

    OdpovedUlozeni chybne(slozka.filePath("chybi/sos.wav"));
    ulozit->click();
    QVERIFY(chybne.box.text().startsWith("Zvuk nelze uložit do souboru ") &&
            chybne.box.ikona() == QMessageBox::Critical);
    QVERIFY(!QFile::exists(slozka.filePath("chybi")));
}

// Without a sound device playing only says so; with one it plays until "Zastavit".
void TestMorseovkaZvukOkno::bezZarizeni()
{
    const bool zarizeni = TPrehravacMorseovky::maZarizeni();
    TMorseovkaForm okno;
    auto *prehrat = okno.findChild<QPushButton *>("PrehratB");
    auto *zastavit = okno.findChild<QPushButton *>("ZastavitB");
    prehrat->click();
    QCOMPARE(stav(okno), "Není co přehrát.");
    okno.findChild<QPlainTextEdit *>("Zdroj")->setPlainText("sos");
    prehrat->click();
    QCOMPARE(stav(okno), zarizeni ? "Přehrává se…" : "Zvukové zařízení není k dispozici.");
    QCOMPARE(zastavit->isEnabled(), zarizeni);
    zastavit->click();
    QVERIFY(!zastavit->isEnabled());

    TTalvoCviceni cviceni(1);
    cviceni.findChild<QPushButton *>("PismenoCPrehratB")->click();
    QCOMPARE(stav(cviceni), zarizeni ? "Přehrává se písmeno C…" : "Zvukové zařízení není k dispozici.");
}

// The device the output pulls from gives the same samples, in whatever pieces it is read, then ends.
void TestMorseovkaZvukOkno::zdrojPrehravace()
{
    const QList<qint16> vzorky = VzorkyMorseovky(u"-.-/.", {});
    ZdrojZvukuMorseovky zdroj(u"-.-/."_s, {});
    QCOMPARE(zdroj.bytesAvailable(), 2 * vzorky.size());
    QByteArray precteno;
    while (!zdroj.atEnd())
        precteno += zdroj.read(333);
    QCOMPARE(precteno, QByteArray(reinterpret_cast<const char *>(vzorky.constData()), 2 * vzorky.size()));
    QVERIFY(zdroj.read(100).isEmpty() && zdroj.bytesAvailable() == 0);
}

QTEST_MAIN(TestMorseovkaZvukOkno)
#include "tst_ui_morseovkazvuk.moc"
