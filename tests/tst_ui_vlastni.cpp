// The description editor: the name check, saving new and opened descriptions byte for byte,
// the saves it refuses, picture copies, the store limit, and the editor in the main window.
#include "app/Main.h"
#include "descriptions/okna/Vlastnisifra.h"
#include "support/Soubory.h"
#include "support/OdpovidacOken.h"

#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>

using Soubory = QMap<QString, QByteArray>;

namespace {
const QString Snek = QStringLiteral("talvoPrehled/Snek/Snek");

// The files of the store with their bytes; those of description Snek named by their suffix alone.
Soubory snimek()
{
    Soubory soubory;
    for (QDirIterator it("talvoPrehled", QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString cesta = it.next();
        soubory.insert(QString(cesta).remove(Snek), obsahSouboru(cesta));
    }
    return soubory;
}

template <typename T = QPlainTextEdit> T *prvek(const QObject &okno, const char *jmeno)
{
    return okno.findChild<T *>(jmeno);
}

// Answers the next modal box or file dialog; a dialog gets soubor (or is cancelled when it is empty).
struct Odpoved
{
    explicit Odpoved(const QString &s = {}) : soubor(s) { odpovidac.ocekavej(); }
    QString soubor;
    OdpovidacOken odpovidac{[this](QWidget *okno) {
        auto *dialog = qobject_cast<QFileDialog *>(okno);
        if (dialog && !soubor.isEmpty())
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(soubor);
        soubor.isEmpty() ? OdpovidacOken::zavri(okno) : OdpovidacOken::prijmi(okno);
    }};
    QString text() const { return odpovidac.odpovezeno() ? odpovidac.text() : QStringLiteral("<no box>"); }
};

// Presses "Uložit šifru" and returns the box that answered: its title, (i) or (x) for the
// information or error icon, and its text.
QString uloz(const TTalvoVlastni &editor)
{
    Odpoved box;
    prvek<QPushButton>(editor, "UlozitSifru")->click();
    const QMessageBox::Icon ikona = box.odpovidac.ikona();
    const QString znak = ikona == QMessageBox::Information ? " (i)" : ikona == QMessageBox::Critical ? " (x)" : "";
    return box.odpovidac.titulek() + znak + ": " + box.text();
}

const QString Ulozena = QStringLiteral("Info (i): Šifra uložena");
} // namespace

class TestVlastni : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void kontrolaNazvu_data();
    void kontrolaNazvu();
    void ulozeni_data();
    void ulozeni();
    void nacteniAUlozeni_data();
    void nacteniAUlozeni();
    void obrazky();
    void hlavniOkno();

private:
    std::unique_ptr<QTemporaryDir> m_slozka;
};

void TestVlastni::init()
{
    m_slozka = std::make_unique<QTemporaryDir>();
    QVERIFY(m_slozka->isValid() && QDir::setCurrent(m_slozka->path()) && QDir().mkdir("talvoPrehled"));
}

void TestVlastni::kontrolaNazvu_data()
{
    QTest::addColumn<QString>("nazev");
    QTest::addColumn<QString>("soubor");
    QTest::addColumn<bool>("varovani");
    QTest::newRow("accents folded, folder exists") << QString("Šnek!") << QString("Snek") << true;
    QTest::newRow("letter case counts") << QString("šnek") << QString("snek") << false;
    QTest::newRow("line breaks dropped") << QString("Morse\r\novka") << QString("Morseovka") << true;
    QTest::newRow("new name") << QString("Šifra č. 5 (A-Z)") << QString("Sifrac5A-Z") << false;
}

void TestVlastni::kontrolaNazvu()
{
    QFETCH(QString, nazev);
    QFETCH(QString, soubor);
    QFETCH(bool, varovani);
    QVERIFY(QDir().mkpath("talvoPrehled/Snek") && QDir().mkpath("talvoPrehled/Morseovka"));
    TTalvoVlastni editor;
    auto *varovaniLab = prvek<QLabel>(editor, "NazevErrLab");
    QVERIFY(varovaniLab->isHidden());
    prvek(editor, "NazevTalvo")->setPlainText(nazev);
    QCOMPARE(prvek<QLabel>(editor, "nazevSouboruLab")->text(), soubor);
    QCOMPARE(!varovaniLab->isHidden(), varovani);
    prvek(editor, "NazevTalvo")->moveCursor(QTextCursor::End);
    QTest::keyClicks(prvek(editor, "NazevTalvo"), "x");
    QCOMPARE(prvek<QLabel>(editor, "nazevSouboruLab")->text(), soubor + "x");
    QVERIFY(varovaniLab->isHidden());
}

void TestVlastni::ulozeni_data()
{
    QTest::addColumn<QString>("nazev");
    QTest::addColumn<QString>("popis");
    QTest::addColumn<bool>("obrazek");
    QTest::addColumn<bool>("druhy");
    QTest::addColumn<QString>("prekazka");
    QTest::addColumn<QString>("zprava");
    QTest::addColumn<Soubory>("soubory");
    // Saved over an older description: what is written replaces it, the rest stays; the second
    // picture is copied whatever the check box says. Windows-1250: Š 8A, á E1, í ED; CR LF.
    const Soubory stare{
        {"-nadpis.txt", "stary"}, {"-popis.txt", "stary"}, {"-priklad.txt", "stary"}, {"-nadpisObrazku.txt", "stary"}};
    const auto s = [&stare](const Soubory &zmeny) {
        Soubory v = stare;
        v.insert({{"-nadpis.txt", "\x8Anek"}, {"-popis.txt", "Spir\xE1la\r\nz p\xEDsmen"}, {"-obr.bmp", "BM"}});
        return v.insert(zmeny), v;
    };
    const QString popis = "Spirála\nz písmen", snek = "Šnek";
    QTest::newRow("text example, empty picture title") << snek << popis << false << true << QString() << Ulozena
                                                       << s({{"-priklad.txt", "ahoj"}, {"-nadpisObrazku.txt", ""}});
    QTest::newRow("picture example, no second picture")
        << snek << popis << true << false << QString() << Ulozena << s({});
    QTest::newRow("character outside Windows-1250") << snek << QString("Жук") << true << false << QString() << Ulozena
                                                    << s({{"-popis.txt", "\xEF\xBB\xBF" + QString("Жук").toUtf8()}});
    QTest::newRow("name that cleans to nothing") << QString("?! .") << popis << false << true << QString()
                                                 << "Talvo: Zadejte název šifry. Šifra nebyla uložena." << stare;
    QTest::newRow("store missing") << snek << popis << false << true << QString("store")
                                   << "Talvo: Chybějící složka \"talvoPrehled\" byla vytvorena. Ulozte sifru ZNOVA!"
                                   << Soubory();
    Soubory castecne = s({});
    castecne.remove("-obr.bmp");
    castecne.remove("-priklad.txt");
    QTest::newRow("a file cannot be written") << snek << popis << false << true << QString("-priklad.txt")
                                              << "Talvo (x): Soubor talvoPrehled/Snek/Snek-priklad.txt" << castecne;
}

// Only a save that wrote every text says "Šifra uložena"; one that fails copies no pictures.
void TestVlastni::ulozeni()
{
    QFETCH(QString, nazev);
    QFETCH(QString, popis);
    QFETCH(bool, obrazek);
    QFETCH(bool, druhy);
    QFETCH(QString, prekazka);
    QFETCH(QString, zprava);
    QFETCH(Soubory, soubory);
    for (const char *pripona : {"-nadpis.txt", "-popis.txt", "-priklad.txt", "-nadpisObrazku.txt"})
        QVERIFY(zapisSoubor(Snek + pripona, "stary"));
    QVERIFY(zapisSoubor("obr.bmp", "BM"));
    if (prekazka == "store")
        QVERIFY(QDir("talvoPrehled").removeRecursively());
    else if (!prekazka.isEmpty())
        QVERIFY(QFile::remove(Snek + prekazka) && QDir().mkdir(Snek + prekazka));
    TTalvoVlastni editor;
    QCOMPARE(editor.windowTitle(), "f");
    prvek(editor, "NazevTalvo")->setPlainText(nazev);
    prvek(editor, "PopisTalvo")->setPlainText(popis);
    prvek(editor, "PrikladZdroj")->setPlainText("ahoj");
    Odpoved dialog(m_slozka->filePath("obr.bmp"));
    prvek<QPushButton>(editor, "VlozitObrazek1B")->click();
    prvek<QRadioButton>(editor, obrazek ? "PSObrazekRB" : "PSTextRB")->click();
    QCOMPARE(prvek(editor, "PrikladZdroj")->isEnabled(), !obrazek);
    QCOMPARE(prvek<QPushButton>(editor, "VlozitObrazekB")->isEnabled(), obrazek);
    prvek<QCheckBox>(editor, "Obr1CB")->setChecked(druhy);
    QCOMPARE(prvek(editor, "NadpisObrazku")->isEnabled(), druhy);
    const QString odpoved = uloz(editor);
    QVERIFY2(odpoved.startsWith(zprava), qPrintable(odpoved));
    QVERIFY(QFileInfo("talvoPrehled").isDir());
    QCOMPARE(snimek(), soubory);
}

void TestVlastni::nacteniAUlozeni_data()
{
    QTest::addColumn<Soubory>("soubory");
    QTest::addColumn<bool>("textovy");
    QTest::addColumn<bool>("druhy");
    QTest::addColumn<QByteArray>("upravenyPopis");
    QTest::newRow("text example, Windows-1250, mixed line ends") << Soubory({{"-nadpis.txt", "\x8Anek"},
                                                                             {"-popis.txt", "a\r\nb\xA0\x9E\nc"},
                                                                             {"-priklad.txt", "x\ny\n"},
                                                                             {"-nadpisObrazku.txt", "Tabulka"}})
                                                                 << true << true << QByteArray("a\r\nb\xA0\x9E\r\nc!");
    QTest::newRow("picture example, no picture title")
        << Soubory({{"-nadpis.txt", "Snek"}, {"-popis.txt", "p\np"}, {"-obr1.bmp", "BM1"}, {"-obr.bmp", "BM2"}})
        << false << true << QByteArray("p\np!");
    QTest::newRow("UTF-8 title with a mark and a line break, no second picture")
        << Soubory({{"-nadpis.txt", "\xEF\xBB\xBF\xC5\xA0nek\r\n"}, {"-popis.txt", "\xEF\xBB\xBF"}}) << false << false
        << QByteArray("\xEF\xBB\xBF!");
}

// Opening restores the description as stored; saving it unchanged rewrites every file byte for
// byte, and an edited text keeps the encoding and line ends it came in.
void TestVlastni::nacteniAUlozeni()
{
    QFETCH(Soubory, soubory);
    QFETCH(bool, textovy);
    QFETCH(bool, druhy);
    QFETCH(QByteArray, upravenyPopis);
    for (auto it = soubory.cbegin(); it != soubory.cend(); ++it)
        QVERIFY(zapisSoubor(Snek + it.key(), it.value()));
    TTalvoVlastni editor;
    editor.NactiPopis("Snek");
    QCOMPARE(prvek<QLabel>(editor, "nazevSouboruLab")->text(), "Snek");
    QVERIFY(!prvek<QLabel>(editor, "NazevErrLab")->isHidden());
    QCOMPARE(prvek<QRadioButton>(editor, "PSTextRB")->isChecked(), textovy);
    QCOMPARE(prvek<QCheckBox>(editor, "Obr1CB")->isChecked(), druhy);
    for (const auto &[lab, novaLab, pripona] : {std::tuple{"CestaKObrLab", "NovaCestaKObrLab", "-obr1.bmp"},
                                                std::tuple{"CestaKObr1Lab", "NovaCestaKObr1Lab", "-obr.bmp"}}) {
        const QString ulozeny = soubory.contains(pripona) ? QDir::toNativeSeparators(Snek + pripona) : "null";
        QCOMPARE(prvek<QLabel>(editor, lab)->text(), ulozeny);
        QCOMPARE(prvek<QLabel>(editor, novaLab)->text(), ulozeny);
    }
    QCOMPARE(uloz(editor), Ulozena);
    QCOMPARE(snimek(), soubory);

    prvek(editor, "PopisTalvo")->moveCursor(QTextCursor::End);
    QTest::keyClicks(prvek(editor, "PopisTalvo"), "!");
    QCOMPARE(uloz(editor), Ulozena);
    soubory.insert("-popis.txt", upravenyPopis);
    QCOMPARE(snimek(), soubory);
}

// The example picture becomes "-obr1.bmp", the second one "-obr.bmp"; neither is copied over a file there.
void TestVlastni::obrazky()
{
    QVERIFY(zapisSoubor("a.bmp", "BM-a") && zapisSoubor("b.bmp", "BM-b"));
    TTalvoVlastni editor;
    QCOMPARE(editor.findChild<QFileDialog *>("OpenPictureDialog1")->nameFilters(), QStringList{"Bitmaps (*.bmp)"});
    prvek(editor, "NazevTalvo")->setPlainText("Šnek");
    prvek<QRadioButton>(editor, "PSObrazekRB")->click();
    for (const auto &[tlacitko, odkud, kam, zdroj, pripona] :
         {std::tuple{"VlozitObrazekB", "CestaKObrLab", "NovaCestaKObrLab", "a.bmp", "-obr1.bmp"},
          std::tuple{"VlozitObrazek1B", "CestaKObr1Lab", "NovaCestaKObr1Lab", "b.bmp", "-obr.bmp"}}) {
        Odpoved dialog(m_slozka->filePath(zdroj));
        prvek<QPushButton>(editor, tlacitko)->click();
        Odpoved zruseni; // cancelling keeps the choice
        prvek<QPushButton>(editor, tlacitko)->click();
        QCOMPARE(prvek<QLabel>(editor, odkud)->text(), QDir::toNativeSeparators(m_slozka->filePath(zdroj)));
        QCOMPARE(prvek<QLabel>(editor, kam)->text(), QDir::toNativeSeparators(Snek + pripona));
    }
    QCOMPARE(uloz(editor), Ulozena);
    QVERIFY(zapisSoubor("a.bmp", "BM-changed") && zapisSoubor("b.bmp", "BM-changed"));
    QCOMPARE(uloz(editor), Ulozena);
    QCOMPARE(snimek(), (Soubory{{"-nadpis.txt", "\x8Anek"},
                                {"-popis.txt", ""},
                                {"-nadpisObrazku.txt", ""},
                                {"-obr1.bmp", "BM-a"},
                                {"-obr.bmp", "BM-b"}}));
    // A chosen picture that is gone is reported, not passed over.
    QVERIFY(QFile::remove(Snek + "-obr.bmp") && QFile::remove("b.bmp"));
    QVERIFY(uloz(editor).contains("Talvo (x): Texty šifry jsou uloženy, obrázky však ne:\nObrázek " +
                                  QDir::toNativeSeparators(m_slozka->filePath("b.bmp"))));
}

// Nová and the load items open editors as ordinary children; the report goes through Save.
void TestVlastni::hlavniOkno()
{
    QVERIFY(zapisSoubor(Snek + "-nadpis.txt", "\x8Anek") && zapisSoubor(Snek + "-popis.txt", "a\r\nb"));
    QVERIFY(zapisSoubor(Snek + "-priklad.txt", "x") && QDir().mkdir("talvoPrehled/Prazdna"));
    for (int i = 2; i < MaxPocetSifer; ++i)
        QVERIFY(QDir().mkdir(QString("talvoPrehled/Dalsi%1").arg(i)));
    TTalvoMain hlavni;
    hlavni.show();
    prvek<QAction>(hlavni, "Nova")->trigger();
    QCOMPARE(hlavni.aktivniOkno()->windowTitle(), "Nová šifra");
    // With 25 descriptions in the store nothing more is saved; 24 leave room for one.
    QVERIFY(!prvek<QPushButton>(*hlavni.aktivniOkno(), "UlozitSifru")->isEnabled());
    QVERIFY(hlavni.findChild<QAction *>("Ulozit")->isEnabled() && !hlavni.findChild<QAction *>("Tisk")->isEnabled());

    const auto nacti = [&hlavni](const QString &f) {
        for (QAction *polozka : hlavni.polozkyNacti())
            if (polozka->data() == f)
                polozka->trigger();
    };
    Odpoved chybi;
    nacti("Prazdna");
    QCOMPARE(chybi.text(), "Soubory talvo \"Prazdna\" NEEXISTUJÍ! Vytvořte šifru znova.");
    QVERIFY(!QDir("talvoPrehled/Prazdna").exists());

    nacti("Snek");
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), 3);
    QWidget *editor = hlavni.aktivniOkno();
    QCOMPARE(editor->windowTitle(), "f");
    QVERIFY(prvek<QPushButton>(*editor, "UlozitSifru")->isEnabled());
    QTest::mouseDClick(prvek(*editor, "PopisTalvo")->viewport(), Qt::LeftButton);
    QCOMPARE(prvek(*editor, "PopisTalvo")->textCursor().selectedText(), QString("a\u2029b"));

    Odpoved dialog(m_slozka->filePath("zprava.txt"));
    hlavni.findChild<QAction *>("Ulozit")->trigger();
    QCOMPARE(obsahSouboru("zprava.txt"), "\x8Anek\r\n\r\nPopis talvo\r\na\r\nb\r\n\r\n\r\nP\xF8\xEDklad \x9A"
                                  "ifrov\xE1n\xED\r\nx\r\n");
}

QTEST_MAIN(TestVlastni)
#include "tst_ui_vlastni.moc"
