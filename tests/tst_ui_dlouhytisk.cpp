#include "support/HlidacTisku.h"
#include "support/ListyPdf.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Zprava.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A window whose report is a number of equal lines.
class DlouhaZprava : public QWidget, public IZprava
{
public:
    explicit DlouhaZprava(int radku) : m_radku(radku), m_memo(vytvorMemoTisk(this)) {}
    QPlainTextEdit *memoTisk() const override { return m_memo; }
    void NaplnTisk() override { pridejDoZpravy(m_memo, QStringList(m_radku, QStringLiteral("radek")).join(u'\n')); }
    DruhZpravy druhZpravy() const override { return DruhZpravy::Morseovka; }

private:
    int m_radku;
    QPlainTextEdit *m_memo;
};

} // namespace

class TestDlouhyTisk : public QObject
{
    Q_OBJECT
private slots:
    void dlouhyTisk_data();
    void dlouhyTisk();
};

void TestDlouhyTisk::dlouhyTisk_data()
{
    QTest::addColumn<int>("stran");        // report pages
    QTest::addColumn<int>("kopie");        // copies, each of all pages
    QTest::addColumn<int>("zrusitPo");     // "Zrušit" pressed once this many sheets are printed; -1 never
    QTest::addColumn<bool>("starySoubor"); // a file of the chosen name exists before the print
    QTest::addColumn<bool>("sPrubehem");   // the progress dialog shows
    QTest::newRow("20 pages: no progress") << 20 << 1 << -1 << false << false;
    QTest::newRow("21 pages: progress, the older file replaced") << 21 << 1 << -1 << true << true;
    QTest::newRow("11 pages twice: 22 sheets, progress") << 11 << 2 << -1 << false << true;
    QTest::newRow("cancelled after 3 sheets: no file") << 30 << 1 << 3 << false << true;
    QTest::newRow("cancelled: the older file stays") << 30 << 1 << 3 << true << true;
    QTest::newRow("cancelled on the last sheet: no file") << 22 << 1 << 22 << false << true;
}

// A long report printed to PDF through Print: the progress dialog, its "Zrušit" and what is left on disk.
void TestDlouhyTisk::dlouhyTisk()
{
    QFETCH(int, stran);
    QFETCH(int, kopie);
    QFETCH(int, zrusitPo);
    QFETCH(bool, starySoubor);
    QFETCH(bool, sPrubehem);

    QTemporaryDir slozka;
    QVERIFY(slozka.isValid());
    const QString cesta = slozka.filePath("dlouhy.pdf");
    const QByteArray stary("starý obsah");
    if (starySoubor) {
        QFile soubor(cesta);
        QVERIFY(soubor.open(QIODevice::WriteOnly));
        soubor.write(stary);
    }
    QWidget rodic;
    TTiskZprav tisk(&rodic);
    QPrinter &tiskarna = *tisk.tiskarna();
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setCopyCount(kopie);
    DlouhaZprava zprava(radkuNaStranu(tiskarna, pismoTisku(tiskarna, 792)) * stran);
    bool vytisteno = false;
    const HlidacTisku hlidac(zrusitPo);
    const TiskDoPdf pruchod = tiskniDoPdf(&tiskarna, cesta, [&] { vytisteno = tisk.tiskniZpravu(zprava); });
    QCOMPARE(pruchod.dialog, QStringLiteral("QPrintDialog"));
    // Neither a failure nor a cancel shows an error box.
    QVERIFY2(pruchod.hlaseni.isEmpty(), qPrintable(pruchod.hlaseni));
    QCOMPARE(hlidac.videno, sPrubehem);
    QVERIFY(!HlidacTisku::prubehOtevren());
    if (sPrubehem) {
        QCOMPARE(hlidac.maximum, stran * kopie);
        QCOMPARE(hlidac.popisek, QStringLiteral("Tisk…"));
    }
    QCOMPARE(vytisteno, zrusitPo < 0);
    QCOMPARE(tiskarna.outputFileName(), cesta);
    if (vytisteno) {
        QCOMPARE(listyPdf(cesta).size(), stran * kopie);
    } else if (starySoubor) {
        QFile soubor(cesta);
        QVERIFY(soubor.open(QIODevice::ReadOnly));
        QCOMPARE(soubor.readAll(), stary);
    } else {
        QVERIFY(!QFile::exists(cesta));
    }
    // No temporary file is left beside the chosen one.
    const QStringList zbyle = QDir(slozka.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(zbyle, (vytisteno || starySoubor) ? QStringList{"dlouhy.pdf"} : QStringList{});
}

QTEST_MAIN(TestDlouhyTisk)
#include "tst_ui_dlouhytisk.moc"
