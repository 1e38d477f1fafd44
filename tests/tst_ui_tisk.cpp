#include "app/TiskZpravy.h"
#include "app/Zprava.h"
#include "support/OdpovidacOken.h"
#include "windows/Morseovkaunit.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
int pocetStranPdf(const QString &cesta)
{
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression strana(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(soubor.readAll()).count(strana));
}

QString textPdf(const QString &cesta)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), cesta, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000))
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QStringList cislovaneRadky(int pocet)
{
    QStringList radky;
    for (int i = 1; i <= pocet; ++i)
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
    void initTestCase();
    void zobrazeni_data();
    void zobrazeni();
    void dlouhyRadekSeLame();
    void stranyPdf_data();
    void stranyPdf();
    void prvniAPosledniRadekVytisteny();
    void tiskarnaNelzeOtevrit();
    void tiskPresDialog();
    void zruseniNetiskne();
    void netisknutelneOkno_data();
    void netisknutelneOkno();

private:
    QTemporaryDir m_slozka;
};

void TestTisk::initTestCase()
{
    QVERIFY(m_slozka.isValid());
}

void TestTisk::zobrazeni_data()
{
    QTest::addColumn<QStringList>("radky");
    QTest::addColumn<QStringList>("ocekavane");
    QTest::newRow("empty line stays one line") << QStringList{QString()} << QStringList{QString()};
    QTest::newRow("short lines unchanged")
        << QStringList{QStringLiteral("Zdrojovy text:"), QString(), QStringLiteral("ahoj")}
        << QStringList{QStringLiteral("Zdrojovy text:"), QString(), QStringLiteral("ahoj")};
    QTest::newRow("no lines") << QStringList{} << QStringList{};
}

void TestTisk::zobrazeni()
{
    QFETCH(QStringList, radky);
    QFETCH(QStringList, ocekavane);
    QCOMPARE(radkyZobrazeni(radky, 792, pismoZpravy()), ocekavane);
}

void TestTisk::dlouhyRadekSeLame()
{
    const QFont pismo = pismoZpravy();
    QCOMPARE(pismo.pixelSize(), 11);
    const QFontMetricsF metriky(pismo);
    QString slova;
    for (int i = 0; i < 120; ++i)
        slova += QStringLiteral("slovo%1 ").arg(i);
    const QString dlouheSlovo(1500, QLatin1Char('m'));

    for (const QString &radek : {slova, dlouheSlovo, QStringLiteral("kratke ") + dlouheSlovo}) {
        for (int sirka : {792, 772, 200}) {
            const QStringList kusy = radkyZobrazeni({radek}, sirka, pismo);
            QVERIFY2(kusy.size() > 1, qPrintable(QString::number(sirka)));
            QCOMPARE(kusy.join(QString()), radek);
            for (const QString &kus : kusy) {
                QVERIFY(!kus.isEmpty());
                QVERIFY2(metriky.horizontalAdvance(kus.trimmed()) <= sirka,
                         qPrintable(QStringLiteral("%1 px: %2").arg(sirka).arg(kus)));
            }
            // A line of words breaks only between words.
            if (radek == slova) {
                for (int i = 0; i + 1 < kusy.size(); ++i)
                    QVERIFY2(kusy.at(i).endsWith(QLatin1Char(' ')), qPrintable(kusy.at(i)));
            }
        }
    }
    // A narrower box never gives fewer lines.
    QVERIFY(radkyZobrazeni({slova}, 772, pismo).size() >= radkyZobrazeni({slova}, 792, pismo).size());
    QVERIFY(radkyZobrazeni({slova}, 200, pismo).size() > radkyZobrazeni({slova}, 792, pismo).size());
}

void TestTisk::stranyPdf_data()
{
    QTest::addColumn<int>("pridatKL"); // display lines = L + this (L = lines per page)
    QTest::addColumn<bool>("prazdna");
    QTest::addColumn<int>("kopie");
    QTest::addColumn<bool>("kompletovat");
    QTest::addColumn<int>("stran");
    QTest::newRow("L lines, one sheet") << 0 << false << 1 << true << 1;
    QTest::newRow("L+1 lines, two sheets") << 1 << false << 1 << true << 2;
    QTest::newRow("empty report, one empty sheet") << 0 << true << 1 << true << 1;
    QTest::newRow("empty report, three copies") << 0 << true << 3 << false << 3;
    QTest::newRow("two pages, three copies collated") << 1 << false << 3 << true << 6;
    QTest::newRow("two pages, three copies not collated") << 1 << false << 3 << false << 6;
}

void TestTisk::stranyPdf()
{
    QFETCH(int, pridatKL);
    QFETCH(bool, prazdna);
    QFETCH(int, kopie);
    QFETCH(bool, kompletovat);
    QFETCH(int, stran);

    const QString cesta = m_slozka.filePath(QStringLiteral("strany.pdf"));
    QPrinter tiskarna(QPrinter::HighResolution);
    nastavPdf(tiskarna, cesta);
    tiskarna.setCopyCount(kopie);
    tiskarna.setCollateCopies(kompletovat);
    const int naStranu = radkuNaStranu(tiskarna, pismoTisku(tiskarna, 792));
    QVERIFY(naStranu > 10);
    const QStringList radky = prazdna ? QStringList{} : cislovaneRadky(naStranu + pridatKL);

    QString chyba;
    QVERIFY2(TiskniZpravu(tiskarna, radky, 792, &chyba), qPrintable(chyba));
    QCOMPARE(pocetStranPdf(cesta), stran);
    QCOMPARE(tiskarna.docName(), QStringLiteral("talvo"));
    // The dialog shows the same copies and collation next time.
    QCOMPARE(tiskarna.copyCount(), kopie);
    QCOMPARE(tiskarna.collateCopies(), kompletovat);
}

void TestTisk::prvniAPosledniRadekVytisteny()
{
    const QString cesta = m_slozka.filePath(QStringLiteral("text.pdf"));
    QPrinter tiskarna(QPrinter::HighResolution);
    nastavPdf(tiskarna, cesta);
    const int naStranu = radkuNaStranu(tiskarna, pismoTisku(tiskarna, 792));
    QStringList radky = cislovaneRadky(naStranu + 1);
    QVERIFY(TiskniZpravu(tiskarna, radky, 792));
    const QStringList stranky = textPdf(cesta).split(QLatin1Char('\f'));
    QVERIFY2(stranky.size() >= 2, qPrintable(stranky.join(QStringLiteral("|"))));
    QVERIFY(stranky.at(0).contains(QStringLiteral("radek1\n")));
    QVERIFY(stranky.at(0).contains(QStringLiteral("radek%1\n").arg(naStranu)));
    QVERIFY(!stranky.at(0).contains(QStringLiteral("radek%1\n").arg(naStranu + 1)));
    QCOMPARE(stranky.at(1).trimmed(), QStringLiteral("radek%1").arg(naStranu + 1));
}

void TestTisk::tiskarnaNelzeOtevrit()
{
    QFile obycejny(m_slozka.filePath(QStringLiteral("obycejny")));
    QVERIFY(obycejny.open(QIODevice::WriteOnly));
    obycejny.close();
    const QString cesta = obycejny.fileName() + QStringLiteral("/tisk.pdf");
    QPrinter tiskarna(QPrinter::HighResolution);
    nastavPdf(tiskarna, cesta);
    tiskarna.setCopyCount(2);
    QString chyba;
    QVERIFY(!TiskniZpravu(tiskarna, cislovaneRadky(3), 792, &chyba));
    QVERIFY2(chyba.contains(cesta), qPrintable(chyba));
    QCOMPARE(tiskarna.copyCount(), 2);
}

void TestTisk::tiskPresDialog()
{
    QWidget rodic;
    TTiskZprav tisk(&rodic);
    QCOMPARE(tisk.PrintDialog1()->objectName(), QStringLiteral("PrintDialog1"));
    const QString cesta = m_slozka.filePath(QStringLiteral("dialog.pdf"));

    TMorseovkaForm form;
    QString dlouhy;
    for (int i = 0; i < 200; ++i)
        dlouhy += QStringLiteral("ahoj ");
    form.findChild<QPlainTextEdit *>(QStringLiteral("Zdroj"))->setPlainText(dlouhy);

    // The user prints to a PDF file, typing its name into the dialog.
    OdpovidacOken odpovidac([&cesta](QWidget *okno) {
        if (auto *soubor = okno->findChild<QLineEdit *>(QStringLiteral("filename")))
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
    QCOMPARE(odpovidac.trida(), QStringLiteral("QPrintDialog"));
    QCOMPARE(form.memoTisk()->size(), QSize(800, 800));
    QCOMPARE(pocetStranPdf(cesta), 1);
    const QString text = textPdf(cesta);
    QVERIFY(text.contains(QStringLiteral("Zdrojovy text:")));
    QVERIFY(text.contains(QStringLiteral("Cilovy text:")));
    // The long source is printed as several lines, while the report keeps it as one.
    QVERIFY(text.count(QStringLiteral("ahoj ahoj")) > 1);
    QCOMPARE(radkyZpravy(form).size(), 5);
}

void TestTisk::zruseniNetiskne()
{
    QWidget rodic;
    TTiskZprav tisk(&rodic);
    const QString cesta = m_slozka.filePath(QStringLiteral("zruseno.pdf"));
    nastavPdf(*tisk.tiskarna(), cesta);
    TMorseovkaForm form;
    OdpovidacOken zruseni;
    zruseni.ocekavej();
    QVERIFY(!tisk.TiskClick(&form));
    QVERIFY(zruseni.odpovezeno());
    QVERIFY(!QFile::exists(cesta));
    // The report box was sized for printing before the dialog opened.
    QCOMPARE(form.memoTisk()->size(), QSize(800, 800));
}

void TestTisk::netisknutelneOkno_data()
{
    QTest::addColumn<bool>("obycejneOkno");
    QTest::newRow("no active child") << false;
    QTest::newRow("plain widget") << true;
}

void TestTisk::netisknutelneOkno()
{
    QFETCH(bool, obycejneOkno);
    QWidget rodic;
    QWidget obycejne;
    TTiskZprav tisk(&rodic);
    OdpovidacOken odpovidac;
    odpovidac.ocekavej(200);
    QVERIFY(!tisk.TiskClick(obycejneOkno ? &obycejne : nullptr));
    QTest::qWait(250);
    QVERIFY(!odpovidac.odpovezeno());
}

QTEST_MAIN(TestTisk)
#include "tst_ui_tisk.moc"
