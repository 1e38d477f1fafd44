// The overview window: the layout of a description, missing and broken files, windows opened from the
// menu, and overviews printed to PDF.
#include "app/Main.h"
#include "descriptions/Prehled.h"
#include "descriptions/Ulozistepopisu.h"
#include "resources/Pisma.h"
#include "support/OdpovidacOken.h"
#include "windows/zpravy/TiskPrehledu.h"
#include "windows/zpravy/TiskZpravy.h"

#include <QAction>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
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

bool vytvor(const QString &f, const Soubory &soubory)
{
    if (!QDir().mkpath(slozkaPopisu(SlozkaUloziste.toString(), f)))
        return false;
    for (auto it = soubory.begin(); it != soubory.end(); ++it) {
        const QString cesta = slozkaPopisu(SlozkaUloziste.toString(), f) + u'/' + f + it.key();
        const QList<QByteArray> rozmer = it.value().split('x');
        if (it.key().endsWith(u".bmp") && rozmer.size() == 2 && rozmer[0].toInt() > 0) {
            QImage obraz(rozmer[0].toInt(), rozmer[1].toInt(), QImage::Format_RGB32);
            obraz.fill(Qt::blue);
            if (!obraz.save(cesta, "BMP"))
                return false;
            continue;
        }
        QFile soubor(cesta);
        if (!soubor.open(QIODevice::WriteOnly) || soubor.write(it.value()) != it.value().size())
            return false;
    }
    return true;
}

Soubory popis(const Soubory &zmeny)
{
    Soubory soubory{{u"-nadpis.txt"_s, "Morseovka\r\n"},
                    {u"-popis.txt"_s, "a\r\nb\r\nc\r\n"},
                    {u"-nadpisObrazku.txt"_s, "Tabulka"},
                    {u"-obr.bmp"_s, "100x40"}};
    for (auto it = zmeny.begin(); it != zmeny.end(); ++it) {
        if (it.value().isNull())
            soubory.remove(it.key());
        else
            soubory.insert(it.key(), it.value());
    }
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

// The names of the laid-out elements, sorted.
QStringList prvky(const QWidget &okno)
{
    QStringList jmena;
    for (const QWidget *w : okno.findChildren<QWidget *>())
        if (Prvky.contains(w->objectName()))
            jmena << w->objectName();
    jmena.sort();
    return jmena;
}
} // namespace

class TestPrehled : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rozvrzeni_data();
    void rozvrzeni();
    void chybnySoubor_data();
    void chybnySoubor();
    void dvaPrehledyATisk();
    void tisk_data();
    void tisk();

private:
    std::optional<QTemporaryDir> m_slozka;
    const QString m_puvodni = QDir::currentPath();
};

void TestPrehled::init()
{
    m_slozka.emplace();
    QVERIFY(m_slozka->isValid() && QDir::setCurrent(m_slozka->path()));
}

void TestPrehled::cleanup()
{
    QDir::setCurrent(m_puvodni);
    m_slozka.reset();
}

void TestPrehled::rozvrzeni_data()
{
    QTest::addColumn<Soubory>("soubory");
    QTest::addColumn<QList<QRect>>("mista"); // text0..4, obrazek0..1; an empty rect for none
    const QRect nic;
    QTest::newRow("text example") << popis({{u"-priklad.txt"_s, ".-/..\r\n"}})
                                  << QList<QRect>{{0, 0, 785, 30},   {0, 30, 785, 63},  {0, 93, 785, 30},
                                                  {0, 123, 785, 21}, {0, 144, 785, 30}, nic,
                                                  {0, 174, 100, 40}};
    QTest::newRow("picture example") << popis({{u"-obr1.bmp"_s, "120x50"}})
                                     << QList<QRect>{{0, 0, 785, 30},   {0, 30, 785, 63},  {0, 93, 785, 30},
                                                     {0, 123, 785, 21}, {0, 179, 785, 30}, {0, 123, 120, 50},
                                                     {0, 224, 100, 40}};
    QTest::newRow("two-line title, picture title still below the picture")
        << popis({{u"-nadpis.txt"_s, "Morse\r\novka\r\n"}, {u"-obr1.bmp"_s, "120x50"}})
        << QList<QRect>{{0, 0, 785, 60},   {0, 60, 785, 63},  {0, 123, 785, 30}, {0, 153, 785, 21},
                        {0, 209, 785, 30}, {0, 153, 120, 50}, {0, 254, 100, 40}};
    QTest::newRow("no picture title: an empty box, the picture right below")
        << popis({{u"-priklad.txt"_s, "x"}, {u"-nadpisObrazku.txt"_s, {}}})
        << QList<QRect>{{0, 0, 785, 30},  {0, 30, 785, 63}, {0, 93, 785, 30}, {0, 123, 785, 21}, {0, 144, 785, 30}, nic,
                        {0, 174, 100, 40}};
    QTest::newRow("empty example file is a text example")
        << popis({{u"-priklad.txt"_s, ""}, {u"-obr.bmp"_s, {}}})
        << QList<QRect>{
               {0, 0, 785, 30}, {0, 30, 785, 63}, {0, 93, 785, 30}, {0, 123, 785, 21}, {0, 144, 785, 30}, nic, nic};
    QTest::newRow("wide picture cut at 700")
        << popis({{u"-obr1.bmp"_s, "900x30"}, {u"-obr.bmp"_s, {}}}) << QList<QRect>{{0, 0, 785, 30},
                                                                                    {0, 30, 785, 63},
                                                                                    {0, 93, 785, 30},
                                                                                    {0, 123, 785, 21},
                                                                                    {0, 159, 785, 30},
                                                                                    {0, 123, 700, 30},
                                                                                    nic};
    // Seven words of which two fit a line give four lines; a word wider than the box takes two more.
    const QByteArray slovo(25, 'm');
    const qreal sirka = QFontMetricsF(pismoTahoma(12)).horizontalAdvance(QString::fromLatin1(slovo + ' '));
    QVERIFY(2 * sirka <= 775 && 3 * sirka > 790);
    QTest::newRow("long description wraps at 785 pixels")
        << popis({{u"-popis.txt"_s, QByteArrayList(7, slovo).join(' ') + "\r\n" + QByteArray(80, 'm')},
                  {u"-priklad.txt"_s, "x"}})
        << QList<QRect>{{0, 0, 785, 30},   {0, 30, 785, 126}, {0, 156, 785, 30},
                        {0, 186, 785, 21}, {0, 207, 785, 30}, nic,
                        {0, 237, 100, 40}};
}

void TestPrehled::rozvrzeni()
{
    QFETCH(Soubory, soubory);
    QFETCH(QList<QRect>, mista);
    QVERIFY(vytvor(u"Sifra"_s, soubory));
    TTalvoPrehled okno;
    QVERIFY(okno.ZobrazPopis(u"Sifra"_s));
    for (int i = 0; i < Prvky.size(); ++i) {
        const QWidget *prvek = okno.findChild<QWidget *>(Prvky[i]);
        QVERIFY2((prvek ? prvek->geometry() : QRect()) == mista[i], qPrintable(Prvky[i]));
    }
    const QList<qreal> body{14, 12, 13, 12, 13};
    for (int k = 0; k < 5; ++k) {
        const auto *box = okno.findChild<QTextEdit *>(Prvky[k]);
        QCOMPARE(box->font().pointSizeF(), body[k]);
        // Every line the box holds is in sight.
        QVERIFY(box->document()->size().height() <= box->contentsRect().height());
    }
    // The final line end of the title file opens no empty line.
    QVERIFY(okno.findChild<QTextEdit *>(u"text0"_s)->toPlainText().endsWith(u"ovka"_s));
    QCOMPARE(okno.findChild<QTextEdit *>(u"text2"_s)->toPlainText(), u"Příklad šifrování"_s);
    QCOMPARE(okno.findChild<QTextEdit *>(u"text3"_s)->isHidden(), !soubory.contains(u"-priklad.txt"_s));
}

void TestPrehled::chybnySoubor_data()
{
    QTest::addColumn<Soubory>("soubory");
    QTest::addColumn<QString>("vadny"); // the file named by the error box, or empty for the missing-files message
    QTest::addColumn<QStringList>("zustane");
    QTest::newRow("no title file") << popis({{u"-nadpis.txt"_s, {}}}) << QString() << QStringList{};
    QTest::newRow("no description file") << popis({{u"-popis.txt"_s, {}}}) << QString() << QStringList{u"text0"_s};
    QTest::newRow("no example text and no -obr1.bmp")
        << popis({}) << QString() << QStringList{u"text0"_s, u"text1"_s, u"text2"_s};
    QTest::newRow("-obr1.bmp is not a bitmap") << popis({{u"-obr1.bmp"_s, "nesmysl"}}) << u"Sifra-obr1.bmp"_s
                                               << QStringList{u"text0"_s, u"text1"_s, u"text2"_s};
    QTest::newRow("-obr.bmp cut off after its mark")
        << popis({{u"-priklad.txt"_s, "x"}, {u"-obr.bmp"_s, QByteArray("BM\x36\0\0\0", 6)}}) << u"Sifra-obr.bmp"_s
        << QStringList{u"text0"_s, u"text1"_s, u"text2"_s, u"text3"_s, u"text4"_s};
}

// Opened from the menu: the message, then the window stays with what was laid out, under its caption.
void TestPrehled::chybnySoubor()
{
    QFETCH(Soubory, soubory);
    QFETCH(QString, vadny);
    QFETCH(QStringList, zustane);
    QVERIFY(vytvor(u"Sifra"_s, soubory));
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
    QCOMPARE(prvky(*okno), zustane);
}

// Two windows on one description from the menu; Tisk prints the active one, closing it leaves the other.
void TestPrehled::dvaPrehledyATisk()
{
    QVERIFY(vytvor(u"Sifra"_s, popis({{u"-priklad.txt"_s, "x"}})));
    TTalvoMain hlavni;
    hlavni.show();
    QAction *polozka = hlavni.polozkyPrehled().at(0);
    polozka->trigger();
    polozka->trigger();
    const QList<QMdiSubWindow *> okna = hlavni.mdiArea()->subWindowList();
    QCOMPARE(okna.size(), 2);
    for (const QMdiSubWindow *okno : okna) {
        QCOMPARE(okno->widget()->windowTitle(), u"Přehled šifer - Sifra"_s);
        QCOMPARE(prvky(*okno->widget()).size(), 6);
    }
    QVERIFY(hlavni.findChild<QAction *>(u"Tisk"_s)->isEnabled());
    QVERIFY(!hlavni.findChild<QAction *>(u"Ulozit"_s)->isEnabled());

    const QString pdf = m_slozka->filePath(u"okno.pdf"_s);
    hlavni.tisk()->tiskarna()->setOutputFormat(QPrinter::PdfFormat);
    OdpovidacOken odpovidac(tiskDo(pdf));
    odpovidac.ocekavej();
    hlavni.findChild<QAction *>(u"Tisk"_s)->trigger();
    QCOMPARE(odpovidac.trida(), u"QPrintDialog"_s);
    QVERIFY(vystup(u"pdftotext"_s, {pdf, u"-"_s}).contains(u"MORSEOVKA"_s));

    QPointer<QMdiSubWindow> druhe = okna.at(0) == hlavni.mdiArea()->activeSubWindow() ? okna.at(1) : okna.at(0);
    hlavni.mdiArea()->activeSubWindow()->close();
    QTRY_COMPARE(hlavni.mdiArea()->subWindowList().size(), 1);
    QVERIFY(druhe && prvky(*druhe->widget()).size() == 6);
}

void TestPrehled::tisk_data()
{
    // The description has nasobekL × L + plus lines, L being the lines per page; the report adds eight.
    QTest::addColumn<int>("nasobekL");
    QTest::addColumn<int>("plus");
    QTest::addColumn<bool>("obrazekPrikladu");
    QTest::addColumn<int>("kopie");
    QTest::addColumn<bool>("kompletovat");
    // Each sheet: the report page on it (none when only pictures), then the pictures on it.
    QTest::addColumn<QStringList>("listy");
    QTest::newRow("one page, text example, picture B") << 0 << 3 << false << 1 << true << QStringList{u"1B"_s};
    QTest::newRow("one page, picture example, two copies collated")
        << 0 << 3 << true << 2 << true << QStringList{u"1AB"_s, u"1AB"_s};
    QTest::newRow("two pages, pictures below the last lines")
        << 1 << -4 << true << 1 << true << QStringList{u"1"_s, u"2AB"_s};
    QTest::newRow("last page full, pictures on a sheet of their own after every copy")
        << 2 << -9 << true << 2 << false << QStringList{u"1"_s, u"1"_s, u"2"_s, u"AB"_s, u"2"_s, u"AB"_s};
}

void TestPrehled::tisk()
{
    QFETCH(int, nasobekL);
    QFETCH(int, plus);
    QFETCH(bool, obrazekPrikladu);
    QFETCH(int, kopie);
    QFETCH(bool, kompletovat);
    QFETCH(QStringList, listy);
    QWidget rodic;
    TTiskZprav tisk(&rodic);
    QPrinter &tiskarna = *tisk.tiskarna();
    const QString pdf = m_slozka->filePath(u"prehled.pdf"_s);
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setOutputFileName(pdf);
    tiskarna.setCopyCount(kopie);
    tiskarna.setCollateCopies(kompletovat);
    QStringList radky;
    for (int i = 0; i < nasobekL * radkuNaStranu(tiskarna, volbyPrehledu(tiskarna)) + plus; ++i)
        radky << u"radek%1"_s.arg(i);
    QVERIFY(vytvor(u"Sifra"_s, popis({{u"-popis.txt"_s, radky.join(u"\r\n").toUtf8()},
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
    // page, width x height of every picture, in drawing order; printed four times enlarged from 1200 dpi.
    QStringList obrazky(listy.size());
    for (const QString &radek : vystup(u"pdfimages"_s, {u"-list"_s, pdf}).mid(2)) {
        const QStringList pole = radek.simplified().split(u' ');
        if (pole.size() > 13) {
            obrazky[pole[0].toInt() - 1] += pole[3] == u"120" ? u'A' : u'B';
            QCOMPARE(pole[12], u"300"_s);
        }
    }
    // Every line reaches the paper: none runs off the bottom of a sheet.
    const QString prvniKopie = strany.mid(0, kompletovat ? listy.size() / kopie : listy.size()).join(u'\n');
    for (const QString &radek : radky)
        QVERIFY2(prvniKopie.contains(QRegularExpression(u"\\b"_s + radek + u"\\b"_s)), qPrintable(radek));
    const QString posledni = nasobekL == 0 ? u"1"_s : u"2"_s;
    for (int i = 0; i < listy.size(); ++i) {
        QCOMPARE(strany[i].contains(u"MORSEOVKA"_s), listy[i].startsWith(u'1'));
        QCOMPARE(strany[i].contains(u"PŘÍKLAD ŠIFROVÁNÍ"_s), listy[i].startsWith(posledni));
        QCOMPARE(strany[i].contains(u"TABULKA"_s), listy[i].contains(u'B'));
        QCOMPARE(obrazky[i], listy[i].remove(QRegularExpression(u"\\d"_s)));
    }
}

QTEST_MAIN(TestPrehled)
#include "tst_ui_prehled.moc"
