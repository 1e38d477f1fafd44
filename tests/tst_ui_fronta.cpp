// Printing through a real print queue: the print dialog answered with a CUPS queue of the test's
// own, the job going through the printing system, the PDF that the queue's printer writes read back.
// A window prints through TiskovaFronta::tiskniAktivniOkno, which returns the finished job.
#include "app/Main.h"
#include "descriptions/TextovySoubor.h"
#include "descriptions/Ulozistepopisu.h"
#include "descriptions/okna/Prehled.h"
#include "support/HlidacTisku.h"
#include "support/ListyPdf.h"
#include "support/OdpovidacOken.h"
#include "support/TiskovaFronta.h"
#include "windows/Morseovkaunit.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Zprava.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {
// The lines pdftotext gives back for these display lines: trimmed, the empty ones left out.
QStringList vytistene(const QStringList &radky)
{
    QStringList vysledek;
    for (const QString &radek : radky)
        if (!radek.trimmed().isEmpty())
            vysledek.append(radek.trimmed());
    return vysledek;
}
} // namespace

class TestFronta : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tiskZpravy();
    void tiskPrehledu();
    void zruseniTisku();
    void kopie_data();
    void kopie();
    void nastaveniTisku_data();
    void nastaveniTisku();

private:
    // Opens the Morse window of the main window and encodes text in it.
    TMorseovkaForm *morseovka(const QString &text);

    QTemporaryDir m_slozka;
    std::optional<TiskovaFronta> m_fronta;
    std::optional<TTalvoMain> m_hlavni;
};

void TestFronta::initTestCase()
{
    // The main window makes its description store in the working folder.
    QVERIFY(m_slozka.isValid() && QDir::setCurrent(m_slozka.path()));
    m_fronta.emplace();
    if (!m_fronta->chyba().isEmpty())
        QSKIP(qPrintable("no print queue: " + m_fronta->chyba()));
}

// Every test starts from a fresh main window, so from a printer that no earlier print has set.
void TestFronta::init()
{
    m_hlavni.emplace();
}

void TestFronta::cleanup()
{
    m_hlavni.reset();
}

TMorseovkaForm *TestFronta::morseovka(const QString &text)
{
    m_hlavni->findChild<QAction *>(QStringLiteral("Morseovka1SD"))->trigger();
    auto *okno = qobject_cast<TMorseovkaForm *>(m_hlavni->aktivniOkno());
    if (okno) {
        okno->findChild<QPlainTextEdit *>(QStringLiteral("Zdroj"))->setPlainText(text);
        okno->findChild<QPushButton *>(QStringLiteral("ZasifrujB"))->click();
    }
    return okno;
}

// A Morse report reaches the queue as the job "talvo" and prints its lines on one sheet.
void TestFronta::tiskZpravy()
{
    TMorseovkaForm *okno = morseovka(QStringLiteral("Ahoj, světe!"));
    QVERIFY(okno);
    const TiskovaUloha uloha = m_fronta->tiskniAktivniOkno(*m_hlavni);
    QVERIFY2(!uloha.pdf.isEmpty(), qPrintable(m_fronta->chyba()));
    QCOMPARE(uloha.titul, QStringLiteral("talvo"));
    QVERIFY2(QFileInfo(uloha.pdf).fileName().startsWith(QStringLiteral("talvo")), qPrintable(uloha.pdf));
    QVERIFY2(titulPdf(uloha.pdf).contains(QStringLiteral("talvo")), qPrintable(titulPdf(uloha.pdf)));
    const QStringList radky = vytistene(radkyZpravy(*okno));
    QCOMPARE(radky.first(), QStringLiteral("Zdrojovy text:"));
    QCOMPARE(listyPdf(uloha.pdf), QList<QStringList>{radky});
}

// An overview reaches the queue under its own title (its line break passes as a space) and prints its
// upper-cased title and its picture.
void TestFronta::tiskPrehledu()
{
    const QString slozka = slozkaPopisu(SlozkaUloziste.toString(), QStringLiteral("Kolo"));
    QImage obraz(120, 60, QImage::Format_RGB32);
    obraz.fill(Qt::darkBlue);
    QVERIFY(QDir().mkpath(slozka) && obraz.save(slozka + QStringLiteral("/Kolo-obr.bmp"), "BMP"));
    QVERIFY(ZapisText(slozka + QStringLiteral("/Kolo-nadpis.txt"), QStringLiteral("Kolo\r\nmoje")));
    QVERIFY(ZapisText(slozka + QStringLiteral("/Kolo-popis.txt"), QStringLiteral("Popis kola")));
    QVERIFY(ZapisText(slozka + QStringLiteral("/Kolo-priklad.txt"), QStringLiteral("abc")));
    m_hlavni.emplace(); // the menus list the store as it is at start
    m_hlavni->polozkyPrehled().value(0)->trigger();
    QVERIFY(qobject_cast<TTalvoPrehled *>(m_hlavni->aktivniOkno()));

    const TiskovaUloha uloha = m_fronta->tiskniAktivniOkno(*m_hlavni);
    QVERIFY2(!uloha.pdf.isEmpty(), qPrintable(m_fronta->chyba()));
    QCOMPARE(uloha.titul, QStringLiteral("Kolo moje"));
    const QList<QStringList> listy = listyPdf(uloha.pdf);
    QCOMPARE(listy.size(), 1);
    QVERIFY2(listy.first().contains(QStringLiteral("KOLO")) && listy.first().contains(QStringLiteral("Popis kola")),
             qPrintable(listy.first().join(u'|')));
    QCOMPARE(listyObrazkuPdf(uloha.pdf), QList<int>{1});
}

// "Zrušit" in the progress of a long print stops it before anything reaches the queue: the next job the
// queue finishes is the one-sheet report printed after it.
void TestFronta::zruseniTisku()
{
    TMorseovkaForm *okno = morseovka(QStringLiteral("ahoj ").repeated(20000));
    QVERIFY(okno);
    {
        const HlidacTisku hlidac(3);
        QVERIFY2(m_fronta->odesli([this] { m_hlavni->findChild<QAction *>(QStringLiteral("Tisk"))->trigger(); }),
                 qPrintable(m_fronta->chyba()));
        QVERIFY(hlidac.zrusenoPo >= 3);
    }

    okno->findChild<QPlainTextEdit *>(QStringLiteral("Zdroj"))->setPlainText(QStringLiteral("sos"));
    okno->findChild<QPushButton *>(QStringLiteral("ZasifrujB"))->click();
    const TiskovaUloha uloha = m_fronta->tiskniAktivniOkno(*m_hlavni);
    QVERIFY2(!uloha.pdf.isEmpty(), qPrintable(m_fronta->chyba()));
    QCOMPARE(listyPdf(uloha.pdf), QList<QStringList>{vytistene(radkyZpravy(*okno))});
}

void TestFronta::kopie_data()
{
    QTest::addColumn<bool>("kompletovat");
    QTest::addColumn<QList<int>>("strany"); // the page on each sheet
    QTest::newRow("three copies collated") << true << QList<int>{1, 2, 1, 2, 1, 2};
    QTest::newRow("three copies not collated") << false << QList<int>{1, 1, 1, 2, 2, 2};
}

// The program paints the copies itself, so the queue must not be asked for them again: a
// two-page report in three copies gives six sheets, never eighteen.
void TestFronta::kopie()
{
    QFETCH(bool, kompletovat);
    QFETCH(QList<int>, strany);
    TTiskZprav &tisk = *m_hlavni->tisk();
    const int naStranu = radkuNaStranu(*tisk.tiskarna(), pismoTisku(*tisk.tiskarna(), 792));
    QStringList radky;
    for (int i = 1; i <= naStranu + 1; ++i)
        radky.append(QStringLiteral("radek%1").arg(i));
    const TiskovaUloha uloha = m_fronta->tiskni(
        [&] { tisk.vyberATiskni([&](QPrinter &t, QString *chyba) { return TiskniZpravu(t, radky, 792, chyba); }); }, 3,
        kompletovat);
    QVERIFY2(!uloha.pdf.isEmpty(), qPrintable(m_fronta->chyba()));
    const QList<QStringList> stranky{{}, radky.mid(0, naStranu), radky.mid(naStranu)};
    QList<QStringList> ocekavane;
    for (int strana : strany)
        ocekavane.append(stranky[strana]);
    QCOMPARE(listyPdf(uloha.pdf), ocekavane);
    QCOMPARE(uloha.kopie, QStringLiteral("-"));
    // The dialog offers the same copies next time.
    QCOMPARE(tisk.tiskarna()->copyCount(), 3);
}

void TestFronta::nastaveniTisku_data()
{
    // Steps: "nastaveni X" chooses paper X in Nastavení tisku, "tisk" prints, "tisk X" prints with
    // paper X chosen in the print dialog's Properties; each print gives the next paper of papiry.
    QTest::addColumn<QStringList>("kroky");
    QTest::addColumn<QStringList>("papiry");
    QTest::newRow("paper of Nastaveni tisku, kept")
        << QStringList{"nastaveni A5", "tisk", "tisk"} << QStringList{"A5", "A5"};
    QTest::newRow("paper of the Properties wins, kept")
        << QStringList{"nastaveni A5", "tisk A3", "tisk"} << QStringList{"A3", "A3"};
    QTest::newRow("later Nastaveni tisku wins over earlier Properties")
        << QStringList{"tisk A3", "nastaveni A5", "tisk"} << QStringList{"A3", "A5"};
}

// The paper chosen for the queue's printer is the paper of the next prints, although Qt's print
// dialog starts from the printer's default paper.
void TestFronta::nastaveniTisku()
{
    QFETCH(QStringList, kroky);
    QFETCH(QStringList, papiry);
    const QHash<QString, QPageSize> velikosti{{"A3", QPageSize(QPageSize::A3)}, {"A5", QPageSize(QPageSize::A5)}};
    QVERIFY(morseovka(QStringLiteral("ahoj")));
    const auto tisk = [this] { m_hlavni->findChild<QAction *>(QStringLiteral("Tisk"))->trigger(); };
    for (const QString &krok : kroky) {
        const QString papir = krok.section(u' ', 1);
        if (krok.startsWith(u"nastaveni")) {
            OdpovidacOken nastaveni([&papir](QWidget *okno) {
                TiskovaFronta::vyberPapir(okno, papir);
                OdpovidacOken::prijmi(okno);
            });
            nastaveni.ocekavej();
            m_hlavni->findChild<QAction *>(QStringLiteral("NastaveniTisku"))->trigger();
            QCOMPARE(nastaveni.trida(), QStringLiteral("QPageSetupDialog"));
            QCOMPARE(m_hlavni->tisk()->tiskarna()->printerName(), m_fronta->nazev());
            continue;
        }
        const TiskovaUloha uloha = m_fronta->tiskni(tisk, 1, true, papir);
        QVERIFY2(!uloha.pdf.isEmpty(), qPrintable(m_fronta->chyba()));
        const QString ocekavany = papiry.takeFirst();
        QCOMPARE(uloha.papir, ocekavany);
        const QSizeF velikost = velikosti.value(ocekavany).size(QPageSize::Point);
        const QSizeF list = velikostListuPdf(uloha.pdf);
        QVERIFY2(qAbs(list.width() - velikost.width()) < 2 && qAbs(list.height() - velikost.height()) < 2,
                 qPrintable(QStringLiteral("%1 x %2 pt").arg(list.width()).arg(list.height())));
    }
    QVERIFY(papiry.isEmpty());
}

QTEST_MAIN(TestFronta)
#include "tst_ui_fronta.moc"
