#include "support/ListyPdf.h"
#include "support/OdpovidacOken.h"
#include "support/Soubory.h"

#include "ciphers/Mrizka.h"
#include "ciphers/Semafor.h"
#include "ciphers/Snek.h"
#include "descriptions/TextovySoubor.h"
#include "game/PripravaHry.h"
#include "game/TiskHry.h"
#include "game/model/SouborHry.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Ukladani.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QTableWidget *tabulka(TPripravaHryForm &okno)
{
    return okno.findChild<QTableWidget *>(u"hlidkyT"_s);
}

void nastavBunku(TPripravaHryForm &okno, int radek, int sloupec, const QString &text)
{
    tabulka(okno)->item(radek, sloupec)->setText(text);
}

// The window with a fixed start of keys, so that every run enciphers the same, its cipher and, unless 0,
// its number of patrols.
void priprav(TPripravaHryForm &okno, quint32 pocatek, SifraHry sifra, int hlidek = 0)
{
    okno.nastavPocatek(pocatek);
    okno.findChild<QComboBox *>(u"sifraCB"_s)->setCurrentText(NazevSifry(sifra));
    if (hlidek > 0)
        okno.findChild<QSpinBox *>(u"pocetHlidekSB"_s)->setValue(hlidek);
}
} // namespace

class TestHra : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_slozka.isValid()); }
    void spatnyKlicOdmitne_data();
    void spatnyKlicOdmitne();
    void stejnaZprava();
    void listyHlidek_data();
    void listyHlidek();
    void souborHry_data();
    void souborHry();
    void upravaBunkyStojiJednuHlidku();

private:
    QTemporaryDir m_slozka;
};

void TestHra::spatnyKlicOdmitne_data()
{
    QTest::addColumn<SifraHry>("sifra");
    QTest::addColumn<int>("sloupec");
    QTest::addColumn<QString>("text");
    // The window marks and refuses every refused key alike; each cipher's refusals are the core's test.
    QTest::newRow("Mřížka: karta neodkryje vše")
        << SifraHry::Mrizka << int(TPripravaHryForm::SloupecKlic) << u"X./X."_s;
    QTest::newRow("Semafor: klíč navíc") << SifraHry::Semafor << int(TPripravaHryForm::SloupecKlic) << u"a"_s;
    QTest::newRow("prázdná zpráva") << SifraHry::Kolecko << int(TPripravaHryForm::SloupecZprava) << u"?!"_s;
}

// A bad key (or a message that cleans to nothing) in the second patrol: the cell is marked, and Print,
// Save and saving the game refuse with a box naming the patrol, writing no file.
void TestHra::spatnyKlicOdmitne()
{
    QFETCH(SifraHry, sifra);
    QFETCH(int, sloupec);
    QFETCH(QString, text);
    TPripravaHryForm okno;
    priprav(okno, 3, sifra);
    for (int r = 0; r < 4; ++r)
        nastavBunku(okno, r, TPripravaHryForm::SloupecZprava, u"ahoj"_s);
    nastavBunku(okno, 1, TPripravaHryForm::SloupecNazev, u"Lišky"_s);
    nastavBunku(okno, 1, sloupec, text);

    // The key cell is marked red with the reason as its tool tip; a bad message leaves it plain.
    QTableWidgetItem *klic = tabulka(okno)->item(1, TPripravaHryForm::SloupecKlic);
    const bool spatnyKlic = sloupec == TPripravaHryForm::SloupecKlic;
    QCOMPARE(klic->data(Qt::BackgroundRole).isValid() && !klic->toolTip().isEmpty(), spatnyKlic);

    const QString pdf = m_slozka.filePath(u"odmitnuto.pdf"_s);
    TTiskZprav *tiskZprav = TTiskZprav::proOkno(&okno);
    bool vytisteno = true;
    const QString tisk =
        tiskniDoPdf(tiskZprav->tiskarna(), pdf, [&] { vytisteno = tiskZprav->TiskClick(&okno); }).hlaseni;
    QVERIFY(!vytisteno && !QFile::exists(pdf));
    QVERIFY2(tisk.startsWith(u"Hlídka „Lišky“: "_s) && tisk.endsWith(klic->toolTip()), qPrintable(tisk));
    OdpovidacOken nahled;
    nahled.ocekavej();
    okno.findChild<QPushButton *>(u"nahledB"_s)->click();
    QCOMPARE(nahled.text(), tisk);

    TUkladaniZprav ukladani(&okno);
    OdpovidacOken ulozeni;
    ulozeni.ocekavej();
    QVERIFY(!ukladani.UlozitClick(&okno) && ukladani.posledniSoubor().isEmpty());
    QCOMPARE(ulozeni.text(), tisk);

    // The game file needs keys that read; a message that cleans to nothing may be saved.
    const QString soubor = m_slozka.filePath(u"odmitnuto.talvohra"_s);
    OdpovidacOken hra;
    hra.ocekavej();
    QCOMPARE(okno.ulozHru(soubor), !spatnyKlic);
    QCOMPARE(QFile::remove(soubor), !spatnyKlic);
}

void TestHra::stejnaZprava()
{
    TPripravaHryForm okno;
    priprav(okno, 5, SifraHry::Kolecko);
    nastavBunku(okno, 0, TPripravaHryForm::SloupecZprava, u"vlastni"_s);
    auto *stejna = okno.findChild<QCheckBox *>(u"stejnaZpravaCB"_s);
    auto *zprava = okno.findChild<QPlainTextEdit *>(u"zpravaE"_s);
    stejna->setChecked(true);
    zprava->setPlainText(u"Sraz u Lípy"_s);
    for (int r = 0; r < tabulka(okno)->rowCount(); ++r) {
        QTableWidgetItem *polozka = tabulka(okno)->item(r, TPripravaHryForm::SloupecZprava);
        QVERIFY(!(polozka->flags() & Qt::ItemIsEditable));
        QCOMPARE(polozka->text(), u"Sraz u Lípy"_s);
    }
    // Every patrol is enciphered from the common message (the sheets print what the answer lines show).
    const std::optional<QStringList> radky = okno.radkyKUlozeni();
    QVERIFY(radky);
    QCOMPARE(radky->count(u"Zpráva: sraz u lipy"_s), 4);
    // Save writes those lines with the report writer's encoding and line ends.
    const QString txt = m_slozka.filePath(u"reseni.txt"_s);
    const QString vzor = m_slozka.filePath(u"vzor.txt"_s);
    QVERIFY(ZapisRadky(vzor, *radky));
    TUkladaniZprav ukladani(&okno);
    OdpovidacOken dialog([&txt](QWidget *okno) {
        if (auto *soubory = qobject_cast<QFileDialog *>(okno)) {
            soubory->selectFile(txt);
            OdpovidacOken::prijmi(soubory);
        }
    });
    dialog.ocekavej();
    QVERIFY(ukladani.UlozitClick(&okno));
    QCOMPARE(obsahSouboru(txt), obsahSouboru(vzor));
    QCOMPARE(radky->first(), NadpisReseni.toString());

    // Unchecked, each patrol has its own message back, editable.
    stejna->setChecked(false);
    QCOMPARE(tabulka(okno)->item(0, TPripravaHryForm::SloupecZprava)->text(), u"vlastni"_s);
    QVERIFY(tabulka(okno)->item(0, TPripravaHryForm::SloupecZprava)->flags() & Qt::ItemIsEditable);
}

void TestHra::listyHlidek_data()
{
    // Pages: six patrols' sheets (with their tools), then the answer pages.
    QTest::addColumn<SifraHry>("sifra");
    QTest::addColumn<bool>("pomucka");
    QTest::addColumn<int>("stran");
    QTest::addColumn<QString>("naListu"); // on the tool's sheet
    QTest::newRow("Morseovka bez tabulky") << SifraHry::Morseovka << false << 7 << u"CH"_s;
    QTest::newRow("Morseovka s tabulkou") << SifraHry::Morseovka << true << 13 << u"CH"_s;
    QTest::newRow("Mřížka s kartou") << SifraHry::Mrizka << true << 13 << u"Otočná mřížka"_s;
    QTest::newRow("Kolečko s kolečkem") << SifraHry::Kolecko << true << 7 << u"Šifrovací kolečko nastavené"_s;
    QTest::newRow("Šnek s tabulkou") << SifraHry::Snek << true << 7 << u"šnek jde %1"_s;
    QTest::newRow("Semafor s abecedou") << SifraHry::Semafor << true << 7 << u"Semaforová abeceda"_s;
}

// Six patrols with keys of their own, printed: each patrol's sheet shows its enciphered text, never its
// message as typed, with its tool when asked; the answers come last, and "Náhled" shows the pages printed.
void TestHra::listyHlidek()
{
    QFETCH(SifraHry, sifra);
    QFETCH(bool, pomucka);
    QFETCH(int, stran);
    QFETCH(QString, naListu);
    TPripravaHryForm okno;
    priprav(okno, 17, sifra, 6);
    okno.RuzneKliceBClick();
    okno.findChild<QCheckBox *>(u"pomuckaCB"_s)->setChecked(pomucka);
    const QString zprava = u"Schovka je za starou hájovnou u potoka, jdete rychle"_s;
    for (int r = 0; r < 6; ++r)
        nastavBunku(okno, r, TPripravaHryForm::SloupecZprava, zprava.left(20 + 5 * r));

    const QString pdf = m_slozka.filePath(u"tisk.pdf"_s);
    TTiskZprav *tisk = TTiskZprav::proOkno(&okno);
    bool vytisteno = false;
    const QString chyba = tiskniDoPdf(tisk->tiskarna(), pdf, [&] { vytisteno = tisk->TiskClick(&okno); }).hlaseni;
    QVERIFY2(vytisteno, qPrintable(chyba));
    const QList<QStringList> listy = listyPdf(pdf);
    QCOMPARE(listy.size(), stran);
    const int naHlidku = (stran - 1) / 6;
    for (int i = 0; i < 6; ++i) {
        const VysledekHlidky &hlidka = okno.sifrovani().hlidka(okno.hra(), i);
        QVERIFY2(hlidka.klic, qPrintable(hlidka.chybaKlice));
        const KlicHry &klic = *hlidka.klic;
        const SifraHlidky &sifraHlidky = hlidka.sifra;
        const QStringList &list = listy[i * naHlidku];
        QCOMPARE(list.value(0), u"Šifra pro hlídku: Hlídka %1"_s.arg(i + 1));
        QCOMPARE(list.value(1), NazevSifry(sifra));
        QVERIFY(!list.join(QString()).contains(zprava.left(20 + 5 * i)));
        if (sifra == SifraHry::Morseovka || sifra == SifraHry::Kolecko)
            QVERIFY(list.join(QString()).remove(u' ').contains(QString(sifraHlidky.zasifrovano).remove(u' ')));
        QString pomuckaHlidky;
        for (int k = 0; k < naHlidku; ++k)
            pomuckaHlidky += listy[i * naHlidku + k].join(QString());
        // The snail's table says which way it goes.
        const QString smer = klic.smer == Ven ? u"ven"_s : u"dovnitř"_s;
        QCOMPARE(pomuckaHlidky.contains(sifra == SifraHry::Snek ? naListu.arg(smer) : naListu), pomucka);

        // What the grille's squares and the semaphore's pictures show deciphers back to the cleaned
        // message, each grille square read column by column, the last one filled with "x". (The
        // engines' round trips from the enciphered text are the core's test.)
        const int n = klic.velikost;
        if (sifra == SifraHry::Semafor)
            QCOMPARE(SemaforDesifruj(sifraHlidky.obrazky), sifraHlidky.zprava);
        if (sifra != SifraHry::Mrizka)
            continue;
        const QStringList bloky = RozdelNaBloky(sifraHlidky.zprava, n * n);
        QCOMPARE(sifraHlidky.ctverce.size(), bloky.size());
        for (qsizetype b = 0; b < bloky.size(); ++b) {
            QString sloupce;
            for (int k = 0; k < n * n; ++k)
                sloupce += sifraHlidky.ctverce[b][k % n][k / n];
            QCOMPARE(MrizkaDesifruj(sloupce, klic.okenka, n), bloky[b] + QString(n * n - bloky[b].size(), u'x'));
        }
    }
    QCOMPARE(listy.last().value(0), NadpisReseni.toString());
    QCOMPARE(listy.last().join(QString()).count(u"Hlídka: Hlídka "_s), 6);
    if (sifra == SifraHry::Semafor)
        QCOMPARE(listyObrazkuPdf(pdf).count(1),
                 okno.sifrovani().hlidka(okno.hra(), 0).sifra.obrazky.size() + SemaforPocetObrazku);

    int naNahledu = -1;
    OdpovidacOken nahled([&naNahledu](QWidget *dialog) {
        if (auto *stranky = dialog->findChild<QPrintPreviewWidget *>())
            naNahledu = stranky->pageCount();
        OdpovidacOken::zavri(dialog);
    });
    nahled.ocekavej();
    okno.findChild<QPushButton *>(u"nahledB"_s)->click();
    QCOMPARE(nahled.trida(), u"QPrintPreviewDialog"_s);
    QCOMPARE(naNahledu, stran);
}

void TestHra::souborHry_data()
{
    QTest::addColumn<QByteArray>("obsah"); // empty: the window's own game saved
    QTest::addColumn<bool>("nacte");
    QTest::newRow("uložená hra") << QByteArray() << true;
    QTest::newRow("není JSON") << "{\"format\": "_ba << false;
}

// Saving the game and opening it again gives the same game; a bad file leaves the window's game as it was.
void TestHra::souborHry()
{
    QFETCH(QByteArray, obsah);
    QFETCH(bool, nacte);
    TPripravaHryForm zdroj;
    priprav(zdroj, 23, SifraHry::Mrizka, 3);
    zdroj.RuzneKliceBClick();
    nastavBunku(zdroj, 2, TPripravaHryForm::SloupecNazev, u"Sovy"_s);
    nastavBunku(zdroj, 2, TPripravaHryForm::SloupecZprava, u"Jdi k řece"_s);
    zdroj.findChild<QCheckBox *>(u"pomuckaCB"_s)->setChecked(true);
    const QString cesta = m_slozka.filePath(u"hra"_s + PriponaHry);
    if (obsah.isEmpty())
        QVERIFY(zdroj.ulozHru(cesta));
    else
        QVERIFY(zapisSoubor(cesta, obsah));

    TPripravaHryForm cil;
    priprav(cil, 29, SifraHry::Kolecko);
    const QByteArray predtim = HraDoJson(cil.hra());
    OdpovidacOken chyba;
    chyba.ocekavej();
    QCOMPARE(cil.otevriHru(cesta), nacte);
    QCOMPARE(chyba.odpovezeno(), !nacte);
    if (nacte) {
        QCOMPARE(HraDoJson(cil.hra()), HraDoJson(zdroj.hra()));
        // The controls show the game that was opened.
        QCOMPARE(cil.findChild<QComboBox *>(u"sifraCB"_s)->currentText(), NazevSifry(SifraHry::Mrizka));
        QCOMPARE(tabulka(cil)->item(2, TPripravaHryForm::SloupecNazev)->text(), u"Sovy"_s);
        QVERIFY(cil.findChild<QCheckBox *>(u"pomuckaCB"_s)->isChecked());
    } else {
        QVERIFY2(chyba.text().contains(QFileInfo(cesta).fileName()), qPrintable(chyba.text()));
        QCOMPARE(HraDoJson(cil.hra()), predtim);
        QCOMPARE(cil.findChild<QComboBox *>(u"sifraCB"_s)->currentText(), NazevSifry(SifraHry::Kolecko));
    }
}

// Once every patrol was enciphered, editing one cell enciphers that patrol alone, at the edit and
// at the next print together; a name costs nothing.
void TestHra::upravaBunkyStojiJednuHlidku()
{
    TPripravaHryForm okno;
    priprav(okno, 31, SifraHry::Morseovka, 12);
    for (int r = 0; r < 12; ++r)
        nastavBunku(okno, r, TPripravaHryForm::SloupecZprava, u"zprava %1"_s.arg(r));
    QVERIFY(okno.radkyKUlozeni());
    const qsizetype predtim = okno.sifrovani().pocetSifrovani();
    nastavBunku(okno, 7, TPripravaHryForm::SloupecZprava, u"jina zprava"_s);
    nastavBunku(okno, 3, TPripravaHryForm::SloupecNazev, u"Jeleni"_s);
    QVERIFY(okno.radkyKUlozeni());
    QCOMPARE(okno.sifrovani().pocetSifrovani(), predtim + 1);
}

QTEST_MAIN(TestHra)
#include "tst_ui_hra.moc"
