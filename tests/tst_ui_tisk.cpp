#include "support/ListyPdf.h"
#include "support/OdpovidacOken.h"
#include "windows/Morseovkaunit.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Zprava.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
QStringList cislovaneRadky(int od, int pocet)
{
    QStringList radky;
    for (int i = od; i < od + pocet; ++i)
        radky.append(QStringLiteral("radek%1").arg(i));
    return radky;
}

void nastavPdf(QPrinter &tiskarna, const QString &cesta)
{
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setOutputFileName(cesta);
}
} // namespace

class TestTisk : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_slozka.isValid()); }
    void zobrazeni_data();
    void zobrazeni();
    void dlouhyRadekSeLame();
    void listy_data();
    void listy();
    void tiskarnaNelzeOtevrit();
    void tiskPresDialog();
    void selhaniPresDialog();

private:
    QTemporaryDir m_slozka;
};

void TestTisk::zobrazeni_data()
{
    QTest::addColumn<QStringList>("radky");
    QTest::newRow("empty line stays one line") << QStringList{QString()};
    QTest::newRow("short lines unchanged") << QStringList{"Zdrojovy text:", "", "ahoj"};
    QTest::newRow("no lines") << QStringList{};
}

void TestTisk::zobrazeni()
{
    QFETCH(QStringList, radky);
    QCOMPARE(radkyZobrazeni(radky, 792, pismoZpravy()), radky);
}

// A very long line breaks into pieces that fit the box and join back into the line.
void TestTisk::dlouhyRadekSeLame()
{
    const QFont pismo = pismoZpravy();
    QCOMPARE(pismo.pixelSize(), 11);
    const QFontMetricsF metriky(pismo);
    QString slova;
    for (int i = 0; i < 120; ++i)
        slova += QStringLiteral("slovo%1 ").arg(i);
    const QString dlouheSlovo(1500, u'm');
    for (const QString &radek : {slova, dlouheSlovo, "kratke " + dlouheSlovo}) {
        for (int sirka : {792, 772, 200}) {
            const QStringList kusy = radkyZobrazeni({radek}, sirka, pismo);
            QVERIFY(kusy.size() > 1);
            QCOMPARE(kusy.join(QString()), radek);
            for (qsizetype i = 0; i < kusy.size(); ++i) {
                QVERIFY(!kusy[i].isEmpty());
                QVERIFY2(metriky.horizontalAdvance(kusy[i].trimmed()) <= sirka, qPrintable(kusy[i]));
                // A line of words breaks only between words.
                QVERIFY(radek != slova || i + 1 == kusy.size() || kusy[i].endsWith(u' '));
            }
        }
    }
    QVERIFY(radkyZobrazeni({slova}, 200, pismo).size() > radkyZobrazeni({slova}, 792, pismo).size());
}

void TestTisk::listy_data()
{
    QTest::addColumn<int>("pridatKL"); // display lines = L + this (L = lines per page), -1 for none
    QTest::addColumn<int>("kopie");
    QTest::addColumn<bool>("kompletovat");
    QTest::addColumn<QList<int>>("strany"); // the page on each sheet, 0 for an empty sheet
    QTest::newRow("L lines, one sheet") << 0 << 1 << true << QList<int>{1};
    QTest::newRow("L+1 lines, two sheets") << 1 << 1 << true << QList<int>{1, 2};
    QTest::newRow("empty report, one empty sheet") << -1 << 1 << true << QList<int>{0};
    QTest::newRow("empty report, three copies") << -1 << 3 << false << QList<int>{0, 0, 0};
    QTest::newRow("two pages, three copies collated") << 1 << 3 << true << QList<int>{1, 2, 1, 2, 1, 2};
    QTest::newRow("two pages, three copies not collated") << 1 << 3 << false << QList<int>{1, 1, 1, 2, 2, 2};
}

// Each sheet holds its page's lines, first to last, in the order copies and collation ask for.
void TestTisk::listy()
{
    QFETCH(int, pridatKL);
    QFETCH(int, kopie);
    QFETCH(bool, kompletovat);
    QFETCH(QList<int>, strany);
    const QString cesta = m_slozka.filePath("listy.pdf");
    QPrinter tiskarna(QPrinter::HighResolution);
    nastavPdf(tiskarna, cesta);
    tiskarna.setCopyCount(kopie);
    tiskarna.setCollateCopies(kompletovat);
    const int naStranu = radkuNaStranu(tiskarna, pismoTisku(tiskarna, 792));
    QVERIFY(naStranu > 10);
    const QStringList radky = pridatKL < 0 ? QStringList{} : cislovaneRadky(1, naStranu + pridatKL);
    QString chyba;
    QVERIFY2(TiskniZpravu(tiskarna, radky, 792, &chyba), qPrintable(chyba));

    const QList<QStringList> stranky{{}, cislovaneRadky(1, naStranu), cislovaneRadky(naStranu + 1, 1)};
    QList<QStringList> ocekavane;
    for (int strana : strany)
        ocekavane.append(stranky[strana]);
    QCOMPARE(listyPdf(cesta), ocekavane);
    QCOMPARE(tiskarna.docName(), "talvo");
    // The dialog shows the same copies and collation next time.
    QCOMPARE(tiskarna.copyCount(), kopie);
    QCOMPARE(tiskarna.collateCopies(), kompletovat);
}

void TestTisk::tiskarnaNelzeOtevrit()
{
    QFile obycejny(m_slozka.filePath("obycejny"));
    QVERIFY(obycejny.open(QIODevice::WriteOnly));
    obycejny.close();
    const QString cesta = obycejny.fileName() + "/tisk.pdf";
    QPrinter tiskarna(QPrinter::HighResolution);
    nastavPdf(tiskarna, cesta);
    tiskarna.setCopyCount(2);
    QString chyba;
    QVERIFY(!TiskniZpravu(tiskarna, cislovaneRadky(1, 3), 792, &chyba));
    QVERIFY2(chyba.contains(cesta), qPrintable(chyba));
    QCOMPARE(tiskarna.copyCount(), 2);
}

// The user first cancels the dialog, then prints a Morse report with a long source to a PDF file.
void TestTisk::tiskPresDialog()
{
    QWidget rodic;
    TTiskZprav tisk(&rodic);
    QCOMPARE(tisk.PrintDialog1()->objectName(), "PrintDialog1");
    const QString cesta = m_slozka.filePath("dialog.pdf");
    nastavPdf(*tisk.tiskarna(), cesta);
    TMorseovkaForm form;
    OdpovidacOken zruseni;
    zruseni.ocekavej();
    QVERIFY(!tisk.TiskClick(&form));
    QVERIFY(zruseni.odpovezeno() && !QFile::exists(cesta));
    // The report box was sized for printing before the dialog opened.
    QCOMPARE(form.memoTisk()->size(), QSize(800, 800));

    form.findChild<QPlainTextEdit *>("Zdroj")->setPlainText(QString("ahoj ").repeated(200));
    OdpovidacOken odpovidac([&cesta](QWidget *okno) {
        if (auto *soubor = okno->findChild<QLineEdit *>("filename"))
            soubor->setText(cesta);
        OdpovidacOken::prijmi(okno);
    });
    // Answers an error box too, so a failed print fails the test instead of waiting forever.
    OdpovidacOken chyba;
    odpovidac.ocekavej();
    QTimer::singleShot(0, &chyba, [&chyba] { chyba.ocekavej(3000); });
    QVERIFY(tisk.TiskClick(&form));
    QVERIFY(odpovidac.odpovezeno());
    QVERIFY2(!chyba.odpovezeno(), qPrintable(chyba.text()));
    QCOMPARE(odpovidac.trida(), "QPrintDialog");
    const QList<QStringList> listy = listyPdf(cesta);
    QCOMPARE(listy.size(), 1);
    // The long source is printed as several lines, while the report keeps it as one.
    QCOMPARE(listy[0].first(), "Zdrojovy text:");
    QCOMPARE(listy[0].last(), "Cilovy text:");
    QVERIFY(listy[0].size() > 4);
    QCOMPARE(radkyZpravy(form).size(), 5);
}

// A print that fails after the dialog: the busy pointer of printing is gone before the error box opens.
void TestTisk::selhaniPresDialog()
{
    QWidget rodic;
    TTiskZprav tisk(&rodic);
    // A folder cannot be written as a file.
    nastavPdf(*tisk.tiskarna(), m_slozka.path());
    TMorseovkaForm form;
    OdpovidacOken dialog([](QWidget *okno) { OdpovidacOken::prijmi(okno); });
    bool kurzorUChyby = true;
    OdpovidacOken chyba([&kurzorUChyby](QWidget *okno) {
        kurzorUChyby = QGuiApplication::overrideCursor() != nullptr;
        OdpovidacOken::zavri(okno);
    });
    dialog.ocekavej();
    QTimer::singleShot(0, &chyba, [&chyba] { chyba.ocekavej(3000); });
    QVERIFY(!tisk.TiskClick(&form));
    QVERIFY(chyba.odpovezeno() && !kurzorUChyby && !QGuiApplication::overrideCursor());
}

QTEST_MAIN(TestTisk)
#include "tst_ui_tisk.moc"
