// The overview window: the layout of a description, missing and broken files, windows opened from the
// menu, and overviews printed to PDF.
#include "app/Main.h"
#include "descriptions/okna/Prehled.h"
#include "descriptions/Ulozistepopisu.h"
#include "resources/Pisma.h"
#include "support/OdpovidacOken.h"
#include "windows/zpravy/TiskPrehledu.h"
#include "windows/zpravy/TiskZpravy.h"

#include <QAction>
#include <QDir>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;
// File suffix -> content; a bitmap given as "WxH" is drawn at that size, anything else is written as it is.
using Soubory = QMap<QString, QByteArray>;

namespace {
const QStringList Prvky{u"text0"_s, u"text1"_s, u"text2"_s, u"text3"_s, u"text4"_s, u"obrazek0"_s, u"obrazek1"_s};

bool vytvor(const Soubory &soubory)
{
    const QString slozka = slozkaPopisu(SlozkaUloziste.toString(), u"Sifra"_s);
    bool hotovo = QDir().mkpath(slozka);
    for (auto it = soubory.begin(); it != soubory.end(); ++it) {
        const QString cesta = slozka + u"/Sifra"_s + it.key();
        const QList<QByteArray> rozmer = it.value().split('x');
        QImage obraz(rozmer.value(0).toInt(), rozmer.value(1).toInt(), QImage::Format_RGB32);
        obraz.fill(Qt::blue);
        QFile soubor(cesta);
        hotovo = hotovo && (it.key().endsWith(u".bmp") && !obraz.isNull()
                                ? obraz.save(cesta, "BMP")
                                : soubor.open(QIODevice::WriteOnly) && soubor.write(it.value()) == it.value().size());
    }
    return hotovo;
}

// A description with a one-line title, three description lines, a picture title and a 100 x 40 "-obr.bmp",
// changed by zmeny (a null content removes the file).
Soubory popis(const Soubory &zmeny)
{
    Soubory soubory{{u"-nadpis.txt"_s, "Morseovka\r\n"},
                    {u"-popis.txt"_s, "a\r\nb\r\nc\r\n"},
                    {u"-nadpisObrazku.txt"_s, "Tabulka"},
                    {u"-obr.bmp"_s, "100x40"}};
    for (auto it = zmeny.begin(); it != zmeny.end(); ++it)
        soubory[it.key()] = it.value();
    soubory.removeIf([](auto it) { return it.value().isNull(); });
    return soubory;
}

QStringList vystup(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    proces.waitForFinished(20000);
    return QString::fromUtf8(proces.readAllStandardOutput()).split(u'\n');
}

// Answers the print dialog: print to the PDF file cesta.
OdpovidacOken::Odpoved tiskDo(const QString &cesta)
{
    return [cesta](QWidget *dialog) {
        if (auto *soubor = dialog->findChild<QLineEdit *>(u"filename"_s))
            soubor->setText(cesta);
        OdpovidacOken::prijmi(dialog);
    };
}

// The laid-out elements in order: a text box as "top+height" (it is 785 wide at left 0), a picture as
// "top:WxH" at left 0, "-" for none.
QString mista(const QWidget &okno)
{
    QStringList mista;
    for (const QString &jmeno : Prvky) {
        const QWidget *w = okno.findChild<QWidget *>(jmeno);
        const QRect r = w ? w->geometry() : QRect();
        mista << (!w                                                         ? u"-"_s
                  : jmeno.startsWith(u't') && r.x() == 0 && r.width() == 785 ? u"%1+%2"_s.arg(r.y()).arg(r.height())
                  : r.x() == 0 ? u"%1:%2x%3"_s.arg(r.y()).arg(r.width()).arg(r.height())
                               : u"?"_s);
    }
    return mista.join(u' ');
}
} // namespace

class TestPrehled : public QObject
{
    Q_OBJECT
private slots:
    // Every test works in a store of its own in a fresh working folder.
    void init() { QVERIFY(m_slozka.emplace().isValid() && QDir::setCurrent(m_slozka->path())); }
    void cleanup()
    {
        QVERIFY(QDir::setCurrent(m_puvodni));
        m_slozka.reset();
    }
    void rozvrzeni_data();
    void rozvrzeni();
    void chybnySoubor_data();
    void chybnySoubor();
    void dvaPrehledy();
    void tisk_data();
    void tisk();

private:
    std::optional<QTemporaryDir> m_slozka;
    const QString m_puvodni = QDir::currentPath();
};

void TestPrehled::rozvrzeni_data()
{
    QTest::addColumn<Soubory>("soubory");
    QTest::addColumn<QString>("ocekavana"); // text0..4, obrazek0..1 as mista() writes them
    QTest::newRow("text example") << popis({{u"-priklad.txt"_s, ".-/..\r\n"}})
                                  << u"0+30 30+63 93+30 123+21 144+30 - 174:100x40"_s;
    QTest::newRow("picture example") << popis({{u"-obr1.bmp"_s, "120x50"}})
                                     << u"0+30 30+63 93+30 123+21 179+30 123:120x50 224:100x40"_s;
    QTest::newRow("two-line title, picture title still 6 below the picture")
        << popis({{u"-nadpis.txt"_s, "Morse\r\novka\r\n"}, {u"-obr1.bmp"_s, "120x50"}})
        << u"0+60 60+63 123+30 153+21 209+30 153:120x50 254:100x40"_s;
    QTest::newRow("no picture title: an empty box, the picture right below")
        << popis({{u"-priklad.txt"_s, "x"}, {u"-nadpisObrazku.txt"_s, {}}})
        << u"0+30 30+63 93+30 123+21 144+30 - 174:100x40"_s;
    QTest::newRow("empty example file is a text example")
        << popis({{u"-priklad.txt"_s, ""}, {u"-obr.bmp"_s, {}}}) << u"0+30 30+63 93+30 123+21 144+30 - -"_s;
    QTest::newRow("wide picture cut at 700")
        << popis({{u"-obr1.bmp"_s, "900x30"}, {u"-obr.bmp"_s, {}}}) << u"0+30 30+63 93+30 123+21 159+30 123:700x30 -"_s;
    // Seven words of which two fit a line give four lines; a word wider than the box takes two more.
    const QByteArray slovo(25, 'm');
    const qreal sirka = QFontMetricsF(pismoTahoma(12)).horizontalAdvance(QString::fromLatin1(slovo + ' '));
    QVERIFY(2 * sirka <= 775 && 3 * sirka > 790);
    QTest::newRow("long description wraps at 785 pixels")
        << popis({{u"-popis.txt"_s, QByteArrayList(7, slovo).join(' ') + "\r\n" + QByteArray(80, 'm')},
                  {u"-priklad.txt"_s, "x"}})
        << u"0+30 30+126 156+30 186+21 207+30 - 237:100x40"_s;
}

void TestPrehled::rozvrzeni()
{
    QFETCH(Soubory, soubory);
    QFETCH(QString, ocekavana);
    QVERIFY(vytvor(soubory));
    TTalvoPrehled okno;
    QVERIFY(okno.ZobrazPopis(u"Sifra"_s));
    QCOMPARE(mista(okno), ocekavana);
    // Every line a box holds is in sight.
    for (const QTextEdit *box : okno.findChildren<QTextEdit *>())
        QVERIFY(box->document()->size().height() <= box->contentsRect().height());
    // The final line end of the title file opens no empty line.
    QVERIFY(okno.findChild<QTextEdit *>(u"text0"_s)->toPlainText().endsWith(u"ovka"_s));
    QCOMPARE(okno.findChild<QTextEdit *>(u"text2"_s)->toPlainText(), u"Příklad šifrování"_s);
    QCOMPARE(okno.findChild<QTextEdit *>(u"text3"_s)->isHidden(), !soubory.contains(u"-priklad.txt"_s));
}

void TestPrehled::chybnySoubor_data()
{
    QTest::addColumn<Soubory>("soubory");
    QTest::addColumn<QString>("vadny");   // the file named by the error box, or empty for the missing-files message
    QTest::addColumn<QString>("zustane"); // as mista() writes it
    QTest::newRow("no title file") << popis({{u"-nadpis.txt"_s, {}}}) << QString() << u"- - - - - - -"_s;
    QTest::newRow("no description file") << popis({{u"-popis.txt"_s, {}}}) << QString() << u"0+30 - - - - - -"_s;
    QTest::newRow("no example text and no -obr1.bmp") << popis({}) << QString() << u"0+30 30+63 93+30 - - - -"_s;
    QTest::newRow("-obr1.bmp is not a bitmap")
        << popis({{u"-obr1.bmp"_s, "nesmysl"}}) << u"Sifra-obr1.bmp"_s << u"0+30 30+63 93+30 - - - -"_s;
    QTest::newRow("-obr.bmp cut off after its mark")
        << popis({{u"-priklad.txt"_s, "x"}, {u"-obr.bmp"_s, QByteArray("BM\x36\0\0\0", 6)}}) << u"Sifra-obr.bmp"_s
        << u"0+30 30+63 93+30 123+21 144+30 - -"_s;
}

// Opened from the menu: the message, then the window stays with what was laid out, under its caption.
void TestPrehled::chybnySoubor()
{
    QFETCH(Soubory, soubory);
    QFETCH(QString, vadny);
    QFETCH(QString, zustane);
    QVERIFY(vytvor(soubory));
    TTalvoMain hlavni;
    OdpovidacOken odpovidac;
    odpovidac.ocekavej();
    hlavni.polozkyPrehled().at(0)->trigger();
    QVERIFY(odpovidac.odpovezeno());
    if (vadny.isEmpty()) {
        QCOMPARE(odpovidac.text(), u"Soubory o šifře Sifra NEEXISTUJÍ!. \n\rStahnete si znova aplikaci z webu \"\" a "
                                   u"prekopirujte slozku \"talvoPrehled\" k pouzivane kopii aplikace nebo pouzivejte "
                                   u"nove stazenou aplikaci."_s);
    } else {
        QCOMPARE(odpovidac.ikona(), QMessageBox::Critical);
        QVERIFY2(odpovidac.text().contains(vadny), qPrintable(odpovidac.text()));
    }
    const auto *okno = qobject_cast<TTalvoPrehled *>(hlavni.aktivniOkno());
    QVERIFY(okno);
    QCOMPARE(okno->windowTitle(), u"Přehled šifer - Sifra"_s);
    QCOMPARE(mista(*okno), zustane);
}

// Two independent windows on one description from the menu; closing one leaves the other.
void TestPrehled::dvaPrehledy()
{
    QVERIFY(vytvor(popis({{u"-priklad.txt"_s, "x"}})));
    const QString rozvrzeni = u"0+30 30+63 93+30 123+21 144+30 - 174:100x40"_s;
    TTalvoMain hlavni;
    hlavni.show();
    hlavni.polozkyPrehled().at(0)->trigger();
    hlavni.polozkyPrehled().at(0)->trigger();
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), 2);
    for (const QMdiSubWindow *okno : hlavni.mdiArea()->subWindowList()) {
        QCOMPARE(okno->widget()->windowTitle(), u"Přehled šifer - Sifra"_s);
        QCOMPARE(mista(*okno->widget()), rozvrzeni);
    }
    QVERIFY(hlavni.findChild<QAction *>(u"Tisk"_s)->isEnabled());
    QVERIFY(!hlavni.findChild<QAction *>(u"Ulozit"_s)->isEnabled());
    hlavni.mdiArea()->activeSubWindow()->close();
    QTRY_COMPARE(hlavni.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(mista(*hlavni.mdiArea()->subWindowList().at(0)->widget()), rozvrzeni);
}

void TestPrehled::tisk_data()
{
    // The description has nasobekL × L + plus lines, L being the lines per page; the report adds eight.
    QTest::addColumn<int>("nasobekL");
    QTest::addColumn<int>("plus");
    QTest::addColumn<bool>("obrazekPrikladu");
    QTest::addColumn<int>("kopie"); // negative: not collated
    // Each sheet: T the title's page, P the page with "PŘÍKLAD ŠIFROVÁNÍ", then the pictures A and B on it.
    QTest::addColumn<QStringList>("listy");
    QTest::newRow("one page, text example, picture B") << 0 << 3 << false << 1 << QStringList{u"TPB"_s};
    QTest::newRow("one page, picture example, two copies collated")
        << 0 << 3 << true << 2 << QStringList{u"TPAB"_s, u"TPAB"_s};
    QTest::newRow("two pages, pictures below the last lines") << 1 << -4 << true << 1 << QStringList{u"T"_s, u"PAB"_s};
    QTest::newRow("last page full, pictures on a sheet of their own after every copy")
        << 2 << -9 << true << -2 << QStringList{u"T"_s, u"T"_s, u"P"_s, u"AB"_s, u"P"_s, u"AB"_s};
}

// Printed through the print dialog to PDF: sheets, texts and pictures (four times enlarged: 150 dpi on a 600-dpi printer).
void TestPrehled::tisk()
{
    QFETCH(int, nasobekL);
    QFETCH(int, plus);
    QFETCH(bool, obrazekPrikladu);
    QFETCH(int, kopie);
    QFETCH(QStringList, listy);
    QWidget rodic;
    TTiskZprav tisk(&rodic);
    QPrinter &tiskarna = *tisk.tiskarna();
    const QString pdf = m_slozka->filePath(u"prehled.pdf"_s);
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setCopyCount(std::abs(kopie));
    tiskarna.setCollateCopies(kopie > 0);
    QStringList radky;
    for (int i = 0; i < nasobekL * radkuNaStranu(tiskarna, volbyPrehledu(tiskarna)) + plus; ++i)
        radky << u"radek%1"_s.arg(i);
    QVERIFY(vytvor(popis({{u"-popis.txt"_s, radky.join(u"\r\n").toUtf8()},
                          {obrazekPrikladu ? u"-obr1.bmp"_s : u"-priklad.txt"_s, "120x300"}})));
    TTalvoPrehled okno;
    QVERIFY(okno.ZobrazPopis(u"Sifra"_s));
    OdpovidacOken odpovidac(tiskDo(pdf));
    odpovidac.ocekavej();
    // A failed print answers its error box and fails here instead of waiting.
    OdpovidacOken chyba;
    QTimer::singleShot(0, &chyba, [&chyba] { chyba.ocekavej(3000); });
    QVERIFY(tisk.TiskClick(&okno));

    QCOMPARE(vystup(u"pdfinfo"_s, {pdf}).filter(QRegularExpression(u"^Title:\\s+Morseovka$"_s)).size(), 1);
    QVERIFY(vystup(u"pdffonts"_s, {pdf}).join(u'\n').contains(u"LiberationSerif"_s));
    QStringList strany = vystup(u"pdftotext"_s, {pdf, u"-"_s}).join(u'\n').split(u'\f');
    strany.removeLast();
    QCOMPARE(strany.size(), listy.size());
    QStringList obrazky(listy.size());
    for (const QString &radek : vystup(u"pdfimages"_s, {u"-list"_s, pdf}).mid(2)) {
        const QStringList pole = radek.simplified().split(u' '); // page num type width height ... x-ppi
        if (pole.size() > 13 && pole[12] == u"150")
            obrazky[pole[0].toInt() - 1] += pole[3] == u"120" ? u'A' : u'B';
    }
    for (int i = 0; i < listy.size(); ++i) {
        QCOMPARE(strany[i].contains(u"MORSEOVKA"_s), listy[i].contains(u'T'));
        QCOMPARE(strany[i].contains(u"PŘÍKLAD ŠIFROVÁNÍ"_s), listy[i].contains(u'P'));
        QCOMPARE(strany[i].contains(u"TABULKA"_s), listy[i].contains(u'B'));
        QCOMPARE(obrazky[i], listy[i].remove(u'T').remove(u'P'));
    }
    // Every line reaches the paper: none runs off the bottom of a sheet.
    for (const QString &radek : radky)
        QVERIFY2(strany.join(u'\n').contains(QRegularExpression(u"\\b"_s + radek + u"\\b"_s)), qPrintable(radek));
}

QTEST_MAIN(TestPrehled)
#include "tst_ui_prehled.moc"
